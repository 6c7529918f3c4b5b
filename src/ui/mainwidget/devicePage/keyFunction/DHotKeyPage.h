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
class DHotKeyPage;
}

// Binds the selected key to a desktop shortcut (operateType 9, Value the
// shortcut's code). Offered in the PC mode only.
class DHotKeyPage : public QWidget
{
    Q_OBJECT

public:
    explicit DHotKeyPage(QWidget *parent = nullptr);
    ~DHotKeyPage() override;

    void setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml);
    void setCurrentKey(QPair<int, QString> key);
    void setFilePaths(const char *macroFilePath, const char *keyFilePath);
    void setProfileIndex(int index);
    void loadCurrentKeyFunction();
    void retranslate();
    void changAppTheme();

signals:
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(QString reason);
    void sigClickedCancel();

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:

    Ui::DHotKeyPage *ui;
    pageTextFitter *m_textFitter = nullptr; // owned by the page
    keyFunctionPageState m_state;
    keyFunctionRadioGroup m_choices;
};
