#pragma once

#include <QDialog>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

class CbNotice;
class choiceTextWrapper;
class DDataManager;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QSettings;
class desktopActions;

namespace Ui {
class DSettingsDia;
}

// The settings and about dialog: language, theme, start with the session,
// close to tray and the firmware upgrade check on one page, the program's
// version and company on the other. Every change takes effect and is written
// to the user settings file at once; language and theme changes are announced
// so the opener can spread them to every page. One dialog per opening; it
// deletes itself when closed.
class DSettingsDia : public QDialog
{
    Q_OBJECT

public:
    // Installs a language value (1 to 13); true when its translation loaded.
    using LanguageInstaller = std::function<bool(int)>;

    // The data manager defaults to the program's one instance.
    explicit DSettingsDia(QWidget *parent = nullptr, DDataManager *dataManager = nullptr);
    ~DSettingsDia() override;

    // The application registers its translation manager here; an empty
    // installer leaves every language change uninstalled.
    static void setLanguageInstaller(LanguageInstaller installer);
    // Where links open; the session's desktop by default.
    void setDesktopActions(desktopActions *actions);

    void setFirmwareInfoMap(QMap<QString, QString> map);
    QMap<QString, QString> firmwareInfoMap() const { return m_firmwareInfoMap; }

    // A slot: the main window answers the upgrade check through the sender.
    Q_INVOKABLE void showNoUpgradeNotice();

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void sigSettingsWindowClose();
    void sigUpdataAllUI();
    void sigUpdateApp();
    void sigChangAppTheme(int themeIndex);
    void sigFirmwareUpgradeCheck();

public slots:
    void onCurIndexChanged(int id);
    void onLickActivited(const QString &link);
    void onInstallEventFilterOpen();
    void on_pushButton_Close_clicked();
    void on_checkBox_AutoStart_clicked();
    void on_checkBox_Minimize_clicked();
    void on_checkBox_Close_clicked();
    void on_checkBox_UsingBgImage_clicked();
    void on_pushButton_CheckUpdate_clicked();
    void on_pushButton_feedbock_clicked();
    void on_pushButton_support_clicked();
    void on_comboBox_Language_currentIndexChanged(const QString &text);
    void on_comboBox_Theme_currentIndexChanged(const QString &text);
    void on_pushButton_UpgradeCheck_clicked();

private:
    // The language list's display texts in list order with their values.
    struct LanguageEntry
    {
        int index;
        const char *name;
    };
    static const QList<LanguageEntry> &languageEntries();

    void fillLanguageList();
    void fillThemeList();
    void selectTheme(int themeIndex);
    // The value an entry carries, found by its text; the fallback when no
    // entry shows that text.
    static int entryValue(const QComboBox *box, const QString &text, int fallback);

    void loadAboutInfo();
    QString linkLabelText() const;
    void updateTheme();
    void showFirmwareInfo();

    // Writes one key and checks that it reached the file; on a failure the
    // key is put back as it was.
    bool writeSetting(const char *key, const QVariant &value);
    // A check box's state to its key, with the toast; the box goes back on a failure.
    void storeCheckBox(QCheckBox *box, const char *key);
    void reopenSettings();
    void showConfigNotice(bool success);
    void openLink(const QString &link);
    QString defaultSetting(const char *key, const char *fallback) const;

    Ui::DSettingsDia *ui;
    choiceTextWrapper *m_optionTexts = nullptr;
    QStringList m_languageNames;
    QString m_companyLink;
    QString m_companyName;
    QString m_settingsPath;
    std::unique_ptr<QSettings> m_settings;
    CbNotice *m_notice = nullptr;
    QMap<QString, QString> m_firmwareInfoMap;
    int m_themeIndex = 0;

    DDataManager *m_dataManager = nullptr;
    desktopActions *m_desktop = nullptr;
    QButtonGroup *m_pageGroup = nullptr;
};
