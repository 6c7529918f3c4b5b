#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class macroMenuToolWidget;
}

// The pop-up menu of a macro row: "Export", "Delete" and "Modify Name". A
// mouse-button release on an entry first asks to close the menu, then names
// the entry; the menu does nothing itself.
class macroMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit macroMenuToolWidget(QWidget *parent = nullptr);
    ~macroMenuToolWidget() override;

signals:
    void sigCloseMenuWidow();
    void sigMacroExport();
    void sigMacroDelete();
    void sigMacroModifyNanme();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::macroMenuToolWidget> ui;
};
