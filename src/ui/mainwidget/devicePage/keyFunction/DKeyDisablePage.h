#pragma once

#include "keyFunctionPageState.h"

#include <QPair>
#include <QString>
#include <QWidget>

class pageTextFitter;
class MainHidInterFace;
class xmlInterface;

namespace Ui {
class DKeyDisablePage;
}

// Turns the selected key off (operateType 5, Value -1). Offered in the PC
// mode only; another page, usually the reset page, turns it on again.
class DKeyDisablePage : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyDisablePage(QWidget *parent = nullptr);
    ~DKeyDisablePage() override;

    void setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml);
    void setCurrentKey(QPair<int, QString> key);
    void setFilePaths(const char *macroFilePath, const char *keyFilePath);
    void setProfileIndex(int index);
    // Nothing to show for a stored binding.
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
    Ui::DKeyDisablePage *ui;
    pageTextFitter *m_textFitter = nullptr; // owned by the page
    keyFunctionPageState m_state;
};
