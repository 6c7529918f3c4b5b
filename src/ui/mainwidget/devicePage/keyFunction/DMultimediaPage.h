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
class DMultimediaPage;
}

// Makes the selected key a media, application or browser key (operateType
// 3, Value the multimedia code).
class DMultimediaPage : public QWidget
{
    Q_OBJECT

public:
    explicit DMultimediaPage(QWidget *parent = nullptr);
    ~DMultimediaPage() override;

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
    void on_radioButton_playOrPause_clicked();
    void on_radioButton_videoStop_clicked();
    void on_radioButton_next_clicked();
    void on_radioButton_previous_clicked();
    void on_radioButton_volLower_clicked();
    void on_radioButton_volAdd_clicked();
    void on_radioButton_mute_clicked();
    void on_radioButton_Player_clicked();
    void on_radioButton_Calculator_clicked();
    void on_radioButton_Computer_clicked();
    void on_radioButton_Email_clicked();
    void on_radioButton_Browser_clicked();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    // In the on-board mode every choice is stored at once.
    void onChoiceClicked();

    Ui::DMultimediaPage *ui;
    pageTextFitter *m_textFitter = nullptr; // owned by the page
    keyFunctionPageState m_state;
    keyFunctionRadioGroup m_choices;
};
