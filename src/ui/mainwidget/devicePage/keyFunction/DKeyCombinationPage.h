#pragma once

#include "keyCaptureHooks.h"
#include "keyFunctionPageState.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QWidget>

class pageTextFitter;
class MainHidInterFace;
class xmlInterface;

namespace Ui {
class DKeyCombinationPage;
}

// Binds the selected key to one or two modifiers and a normal key
// (operateType 2, Value "mask,usage"). The keys are captured one by one:
// modifiers first, the normal key completes the combination.
class DKeyCombinationPage : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyCombinationPage(QWidget *parent = nullptr);
    ~DKeyCombinationPage() override;

    void setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml);
    void setCurrentKey(QPair<int, QString> key);
    void setFilePaths(const char *macroFilePath, const char *keyFilePath);
    void setProfileIndex(int index);
    void setKeyNameMap(QMap<int, QString> keyNames);
    void loadCurrentKeyFunction();
    void setOnboardMode(int mode);
    void retranslate();
    void changAppTheme();

    // A key pressed on the PC's keyboard or clicked on the on-screen keyboard.
    void addCapturedKey(int usage);
    // Empties the field only.
    void clearCaptureText();

signals:
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(QString reason);
    void sigClickedCancel();
    void sigChangKeyOrCombinationKeyFocusIn(bool focusIn);
    // The on-screen keyboard unmarks all its keys, or the one key.
    void sigSoftKeyboardClickedKeyReset();
    void sigResetSoftKeyStatusToDefault(int usage);

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void resetCapture();
    void appendKeyName(const QString &name);

    Ui::DKeyCombinationPage *ui;
    pageTextFitter *m_textFitter = nullptr; // owned by the page
    keyFunctionPageState m_state;
    keyCaptureHooks m_hooks;
    QMap<int, QString> m_keyNameMap;
    QStringList m_keyNames; // shown while capturing, in the order taken
    int m_keyNameCount = 0;
    int m_SpeciaKeyDec = 0; // modifier mask
    int m_NormalKeyDec = 0; // usage of the normal key
    bool m_captureInProgress = false;
};
