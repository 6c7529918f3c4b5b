#include "DLinkagePage.h"
#include "ui_DLinkagePage.h"

DLinkagePage::DLinkagePage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DLinkagePage)
{
    ui->setupUi(this);
}

DLinkagePage::~DLinkagePage()
{
    delete ui;
}
