#pragma once

#include "keyFunctionPageState.h"

#include <QPair>
#include <QString>
#include <QWidget>

class pageTextFitter;
class MainHidInterFace;
class xmlInterface;

namespace Ui {
class DResetDefaultPage;
}

// "Default": OK takes the selected key's binding away, and with the last
// binding of a macro in the profile also the profile's copy of that macro.
// Offered in both modes; it stores on OK only.
class DResetDefaultPage : public QWidget
{
    Q_OBJECT

public:
    explicit DResetDefaultPage(QWidget *parent = nullptr);
    ~DResetDefaultPage() override;

    void setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml);
    void setCurrentKey(QPair<int, QString> key);
    void setFilePaths(const char *macroFilePath, const char *keyFilePath);
    void setProfileIndex(int index);
    void setOnboardMode(int mode);
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
    Ui::DResetDefaultPage *ui;
    pageTextFitter *m_textFitter = nullptr; // owned by the page
    keyFunctionPageState m_state;
};
