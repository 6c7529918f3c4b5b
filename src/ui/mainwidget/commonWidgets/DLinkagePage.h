#pragma once

#include <QWidget>

namespace Ui {
class DLinkagePage;
}

// The main window's linkage page: a dark panel with the centred title
// "Linkage", nothing more.
class DLinkagePage : public QWidget
{
    Q_OBJECT

public:
    explicit DLinkagePage(QWidget *parent = nullptr);
    ~DLinkagePage() override;

private:
    Ui::DLinkagePage *ui;
};
