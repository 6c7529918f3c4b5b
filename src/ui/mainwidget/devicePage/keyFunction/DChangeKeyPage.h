#pragma once

#include "keyCaptureHooks.h"
#include "keyFunctionPageState.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QWidget>

class pageTextFitter;
class MainHidInterFace;
class xmlInterface;

namespace Ui {
class DChangeKeyPage;
}

// Binds the selected key to another key (operateType 0, Value the target's
// usage). The device page hands over the keys captured while the field has
// the focus; the page itself switches the global hooks with that focus.
class DChangeKeyPage : public QWidget
{
    Q_OBJECT

public:
    explicit DChangeKeyPage(QWidget *parent = nullptr);
    ~DChangeKeyPage() override;

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
    void setCapturedKey(int usage);

signals:
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(QString reason);
    void sigClickedCancel();
    void sigChangKeyOrCombinationKeyFocusIn(bool focusIn);

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::DChangeKeyPage *ui;
    pageTextFitter *m_textFitter = nullptr; // owned by the page
    keyFunctionPageState m_state;
    keyCaptureHooks m_hooks;
    QMap<int, QString> m_keyNameMap;
    int m_capturedUsage = -1;
};
