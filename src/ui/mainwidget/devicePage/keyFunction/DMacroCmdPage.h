#pragma once

#include "keyFunctionPageState.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QWidget>

class pageTextFitter;
class MainHidInterFace;
class xmlInterface;

namespace Ui {
class DMacroCmdPage;
}

// Binds a macro of the macro file to the selected key (operateType 1, Value
// the macro's index, mode the play type, repeatNum the play count) and keeps
// the profile's copy of the macro under bindMacro, which the device link
// plays. Offered in both modes; in the on-board mode every choice is stored
// at once.
class DMacroCmdPage : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroCmdPage(QWidget *parent = nullptr);
    ~DMacroCmdPage() override;

    void setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml);
    void setCurrentKey(QPair<int, QString> key);
    void setFilePaths(const char *macroFilePath, const char *keyFilePath);
    void setProfileIndex(int index);
    void loadCurrentKeyFunction();
    void setOnboardMode(int mode);
    void retranslate();
    void changAppTheme();

signals:
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(QString reason);
    void sigClickedCancel();

private slots:
    void on_radioButton_playOne_clicked();
    void on_radioButton_playMany_clicked();
    void on_radioButton_playKeyPressRelStop_clicked();
    void on_radioButton_playWhellKeyPress_clicked();
    void on_lineEdit_playMany_textChanged(const QString &text);
    void on_comboBox_Macro_currentIndexChanged(int index);
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void reloadMacroList();
    void choosePlayType(int mode);
    void saveMacroBinding(int repeat, int mode);
    void refreshMacroCopy(int macroIndex);
    void setToolTips();

    Ui::DMacroCmdPage *ui;
    pageTextFitter *m_textFitter = nullptr; // owned by the page
    keyFunctionPageState m_state;
    QMap<int, QString> m_macroMap;
    int m_playCount = 1;
    int m_playType = 1;
};
