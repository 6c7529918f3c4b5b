#pragma once

#include "keyFunctionPageState.h"

#include <QPair>
#include <QString>
#include <QWidget>

class pageTextFitter;
class MainHidInterFace;
class xmlInterface;

namespace Ui {
class DChangProfilePage;
}

// Binds a switch to another PC profile of the device (operateType 7, Value
// the profile's index). Offered in the PC mode only.
class DChangProfilePage : public QWidget
{
    Q_OBJECT

public:
    explicit DChangProfilePage(QWidget *parent = nullptr);
    ~DChangProfilePage() override;

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
    Ui::DChangProfilePage *ui;
    pageTextFitter *m_textFitter = nullptr; // owned by the page
    keyFunctionPageState m_state;
};
