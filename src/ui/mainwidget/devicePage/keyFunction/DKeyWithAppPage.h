#pragma once

#include "keyFunctionPageState.h"

#include <QPair>
#include <QString>
#include <QWidget>

#include <functional>

class pageTextFitter;
class MainHidInterFace;
class xmlInterface;

namespace Ui {
class DKeyWithAppPage;
}

// Binds a program to the selected key (operateType 8, Value the program's
// path in UTF-8); the device link opens it. Offered in the PC mode only.
class DKeyWithAppPage : public QWidget
{
    Q_OBJECT

public:
    // Asks the user for a file: (parent, caption, start folder, filter) -> path,
    // empty when cancelled.
    using FileDialog = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    explicit DKeyWithAppPage(QWidget *parent = nullptr);
    ~DKeyWithAppPage() override;

    void setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml);
    void setCurrentKey(QPair<int, QString> key);
    void setFilePaths(const char *macroFilePath, const char *keyFilePath);
    void setProfileIndex(int index);
    void loadCurrentKeyFunction();
    void retranslate();
    void changAppTheme();

    // Replaces the system's open-file dialog (tests).
    void setFileDialog(FileDialog dialog);

signals:
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(QString reason);
    void sigClickedCancel();

private slots:
    void on_pushButton_selectAppPath_clicked();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void showChosenPath();

    Ui::DKeyWithAppPage *ui;
    pageTextFitter *m_textFitter = nullptr; // owned by the page
    keyFunctionPageState m_state;
    QString m_chosenPath; // what the box shows: the key's program or the one just chosen
    FileDialog m_fileDialog;
};
