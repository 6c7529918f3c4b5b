#pragma once

#include <QWidget>

namespace Ui {
class mainMenuToolWidget;
}

// The main menu shown in an arrow pop-up: "Setting" and "About Pardex". It
// carries out nothing itself; a release over an entry asks its owner to close
// the menu.
class mainMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit mainMenuToolWidget(QWidget *parent = nullptr);
    ~mainMenuToolWidget() override;

signals:
    void sigCloseMenuWidow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::mainMenuToolWidget *ui;
};
