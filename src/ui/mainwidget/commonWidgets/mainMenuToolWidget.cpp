#include "mainMenuToolWidget.h"
#include "ui_mainMenuToolWidget.h"

#include <QEvent>

mainMenuToolWidget::mainMenuToolWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::mainMenuToolWidget)
{
    ui->setupUi(this);
    ui->label_Setting->installEventFilter(this);
    ui->label_AboutPardex->installEventFilter(this);
}

mainMenuToolWidget::~mainMenuToolWidget()
{
    delete ui;
}

bool mainMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && (watched == ui->label_Setting || watched == ui->label_AboutPardex))
        emit sigCloseMenuWidow();
    return QWidget::eventFilter(watched, event);
}
