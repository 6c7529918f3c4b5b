#pragma once

#include "keyFunctionPageState.h"
#include "keyFunctionRadioGroup.h"

#include <QPair>
#include <QString>
#include <QWidget>

class pageTextFitter;
class MainHidInterFace;
class xmlInterface;

namespace Ui {
class DMouseKeyPage;
}

// Makes the selected key a mouse button or wheel step (operateType 4, Value
// the mouse function). The sniper function is offered for the mouse only.
class DMouseKeyPage : public QWidget
{
    Q_OBJECT

public:
    explicit DMouseKeyPage(QWidget *parent = nullptr);
    ~DMouseKeyPage() override;

    void setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml);
    void setCurrentKey(QPair<int, QString> key);
    void setFilePaths(const char *macroFilePath, const char *keyFilePath);
    void setProfileIndex(int index);
    void loadCurrentKeyFunction();
    void setOnboardMode(int mode);
    // 1 (the mouse) offers the sniper function; any other value hides it.
    void setDeviceType(int type);
    void retranslate();
    void changAppTheme();

signals:
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(QString reason);
    void sigClickedCancel();

private slots:
    void on_radioButton_mouseLeft_clicked();
    void on_radioButton_mouseCenter_clicked();
    void on_radioButton_mouseRight_clicked();
    void on_radioButton_Return_clicked();
    void on_radioButton_Going_clicked();
    void on_radioButton_mouseWheelDown_clicked();
    void on_radioButton_mouseWheelUp_clicked();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    // In the on-board mode every choice is stored at once.
    void onChoiceClicked();

    Ui::DMouseKeyPage *ui;
    pageTextFitter *m_textFitter = nullptr; // owned by the page
    keyFunctionPageState m_state;
    keyFunctionRadioGroup m_choices;
};
