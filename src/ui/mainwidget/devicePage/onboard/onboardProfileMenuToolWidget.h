#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class onboardProfileMenuToolWidget;
}

// The pop-up menu of the device page's on-board area: either the list of
// on-board configurations (Create New, Export, Import, Delete, Modify Name)
// or the fast layouts of the current layer (QWERTY, Mac, Dvorak, Clean
// layer). It only signals; the device page does the work.
class onboardProfileMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    enum MenuType { FastLayouts = 0, Configurations = 1, NumberPadFastLayouts = 2 };

    // flag 0 leaves out Delete and Modify Name.
    explicit onboardProfileMenuToolWidget(int flag, QWidget *parent = nullptr);
    ~onboardProfileMenuToolWidget() override;

    void setMenuType(int type);

signals:
    // Before every entry's own signal, so the pop-up is gone when it runs.
    void sigCloseMenuWidow();
    void sigProfileCreateNew();
    void sigProfileExport();
    void sigProfileImport();
    void sigProfileDelete();
    void sigProfileRestore();
    void sigProfileModifyName();
    void sigConfigQWERTY();
    void sigConfigMac();
    void sigConfigDvorak();
    void sigConfigCleanLayer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::onboardProfileMenuToolWidget> m_ui;
};
