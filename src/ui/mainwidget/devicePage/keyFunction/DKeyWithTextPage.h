#pragma once

#include "keyFunctionPageState.h"

#include <QPair>
#include <QString>
#include <QWidget>

class pageTextFitter;
class MainHidInterFace;
class xmlInterface;

namespace Ui {
class DKeyWithTextPage;
}

// Binds a text to the selected key (operateType 6, Value the text in UTF-8);
// the device link types it. Offered in the PC mode only.
class DKeyWithTextPage : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyWithTextPage(QWidget *parent = nullptr);
    ~DKeyWithTextPage() override;

    void setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml);
    void setCurrentKey(QPair<int, QString> key);
    void setFilePaths(const char *macroFilePath, const char *keyFilePath);
    void setProfileIndex(int index);
    void loadCurrentKeyFunction();
    void retranslate();
    void changAppTheme();
    // The next OK stores the text even when the key already holds it.
    void clearSavedText();

signals:
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(QString reason);
    void sigClickedCancel();

private slots:
    void on_textEdit_keyText_textChanged();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::DKeyWithTextPage *ui;
    pageTextFitter *m_textFitter = nullptr; // owned by the page
    keyFunctionPageState m_state;
    QString m_currentText;
    bool m_storeEvenIfUnchanged = false;
};
