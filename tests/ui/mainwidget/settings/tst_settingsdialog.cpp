#include "AutoStartEntry.h"
#include "CbNotice.h"
#include "DFirwareInfoItem.h"
#include "DFirwareInfoShow.h"
#include "settingsTestFixture.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QSysInfo>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

namespace {

using StringList = QStringList;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The message of a dialog's toast while it shows.
QString noticeText(const DSettingsDia *dialog)
{
    const CbNotice *notice = dialog->findChild<CbNotice *>();
    return notice && !notice->isHidden() ? notice->text() : QString();
}

// The theme colour set's entry of a key name ("SettingsBgColor").
QString colour(const themeColorInfo &colours, const char *key)
{
    for (int i = 0; i < themeColorInfo::Count; ++i) {
        if (qstrcmp(themeColorInfo::keyName(i), key) == 0)
            return colours.entry(i);
    }
    qFatal("no theme key %s", key);
    return QString();
}

// A theme text colour as it must show on a background: unchanged where it
// reads at 3:1, else a shade of it that does.
QString shownOn(const QString &text, const QString &background)
{
    const QColor opaque = themeColorInfo::opaqueColor(text);
    const QColor behind = themeColorInfo::opaqueColor(background);
    if (themeColorInfo::contrastRatio(opaque, behind) >= themeColorInfo::MinimumContrast)
        return text;
    const QColor shown = themeColorInfo::readableOn(opaque, behind);
    if (themeColorInfo::contrastRatio(shown, behind) < themeColorInfo::MinimumContrast)
        return QStringLiteral("<faint>");
    return QStringLiteral("%1,%2,%3").arg(shown.red()).arg(shown.green()).arg(shown.blue());
}

// The Arabic entry, byte for byte: a no-break space, the name, a space and
// the Arabic comma.
const QByteArray kArabicEntry("\xC2\xA0\xD8\xB9\xD8\xB1\xD8\xA8\xD9\x8A \xD8\x8C");

QString arabicEntry()
{
    return QString::fromUtf8(kArabicEntry);
}

// The rendered text of a rich-text label.
QString plainText(const QLabel *label)
{
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText().trimmed();
}

} // namespace

class tst_SettingsDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SettingsFixture> f;

    template <class T>
    T *form(const char *name) const
    {
        return formChild<T>(f->dialog, name);
    }
    QComboBox *languages() const { return form<QComboBox>("comboBox_Language"); }
    QComboBox *themes() const { return form<QComboBox>("comboBox_Theme"); }

    void choose(QComboBox *box, const QString &text)
    {
        const int row = box->findText(text);
        QVERIFY2(row >= 0, qPrintable(text));
        box->setCurrentIndex(row);
    }

private slots:
    void init()
    {
        f = std::make_unique<SettingsFixture>();
        QVERIFY(f->dir.isValid());
        f->createManager();
    }

    void cleanup() { f.reset(); }

    void construction()
    {
        f->setUser(SettingsKeys::AutoStart, true);
        f->setUser(SettingsKeys::CloseToTray, false);
        f->removeUser(SettingsKeys::MinimizeToTray);
        const QByteArray before = fileBytes(f->userSettingsPath());
        const themeColorInfo themeBefore = f->manager->getThemeColor();

        DSettingsDia *dialog = f->openDialog();
        QSignalSpy close(dialog, &DSettingsDia::sigSettingsWindowClose);
        QSignalSpy all(dialog, &DSettingsDia::sigUpdataAllUI);
        QSignalSpy update(dialog, &DSettingsDia::sigUpdateApp);
        QSignalSpy theme(dialog, &DSettingsDia::sigChangAppTheme);
        QSignalSpy upgrade(dialog, &DSettingsDia::sigFirmwareUpgradeCheck);
        QCoreApplication::processEvents();

        QCOMPARE(dialog->size(), QSize(700, 460));
        QCOMPARE(dialog->minimumSize(), QSize(700, 460));
        QCOMPARE(dialog->maximumSize(), QSize(700, 460));
        QVERIFY(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(int(dialog->windowType()), int(Qt::Tool));
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));

        for (const char *name : {"frame_15", "checkBox_Minimize", "frame_18", "checkBox_UsingBgImage"})
            QVERIFY2(form<QWidget>(name)->isHidden(), name);
        for (const char *name : {"checkBox_AutoStart", "checkBox_Close", "pushButton_UpgradeCheck", "frame_Link"})
            QVERIFY2(!form<QWidget>(name)->isHidden(), name);

        QCOMPARE(form<QStackedWidget>("stackedWidget")->currentWidget(), form<QWidget>("page_Settings"));
        QVERIFY(form<QPushButton>("pushButton_General")->isChecked());
        QVERIFY(!form<QPushButton>("pushButton_About")->isChecked());

        QVERIFY(form<QCheckBox>("checkBox_AutoStart")->isChecked());
        QVERIFY(!form<QCheckBox>("checkBox_Close")->isChecked());
        QVERIFY(!form<QCheckBox>("checkBox_Minimize")->isChecked()); // missing key

        QCOMPARE(languages()->count(), 13);
        QCOMPARE(themes()->count(), 2);

        // Nothing written, no theme reloaded, nothing announced.
        QCOMPARE(fileBytes(f->userSettingsPath()), before);
        QCOMPARE(f->manager->getThemeColor().SettingsBgColor, themeBefore.SettingsBgColor);
        QCOMPARE(close.count() + all.count() + update.count() + theme.count() + upgrade.count(), 0);
    }

    void centredOverParent()
    {
        QWidget parent;
        parent.resize(1280, 715);
        DSettingsDia *dialog = f->openDialog(&parent);
        QCOMPARE(dialog->pos(), QPoint((1280 - 700) / 2, (715 - 460) / 2));
    }

    void languageList()
    {
        f->openDialog();
        const StringList expected = {
            QStringLiteral("简体中文"), QStringLiteral("English"), QStringLiteral("繁體中文"),
            QStringLiteral("한국어"), QStringLiteral("Русский"), QStringLiteral("日本語"),
            QStringLiteral("Español"), QStringLiteral("Português"), QStringLiteral("Deutsch"),
            QStringLiteral("Italiano"), QStringLiteral("Polski"), QStringLiteral("Français"), arabicEntry()};
        StringList shown;
        for (int i = 0; i < languages()->count(); ++i)
            shown << languages()->itemText(i);
        QCOMPARE(shown, expected);
    }

    void arabicEntryBytes()
    {
        f->openDialog();
        QCOMPARE(languages()->itemText(languages()->count() - 1).toUtf8(), kArabicEntry);
        choose(languages(), arabicEntry());
        QCOMPARE(f->user(SettingsKeys::LanguageIndex).toInt(), 7);
    }

    void storedLanguage_data()
    {
        QTest::addColumn<QVariant>("stored"); // invalid: key missing
        QTest::addColumn<QString>("selected");

        QTest::newRow("missing") << QVariant() << QStringLiteral("简体中文");
        QTest::newRow("-1") << QVariant(-1) << QStringLiteral("简体中文");
        QTest::newRow("0") << QVariant(0) << QStringLiteral("简体中文");
        QTest::newRow("3") << QVariant(3) << QStringLiteral("English");
        QTest::newRow("7") << QVariant(7) << arabicEntry();
        QTest::newRow("13") << QVariant(13) << QStringLiteral("Français");
        QTest::newRow("14") << QVariant(14) << QStringLiteral("简体中文");
        QTest::newRow("text") << QVariant(QStringLiteral("English")) << QStringLiteral("简体中文");
    }

    void storedLanguage()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, selected);
        if (stored.isValid())
            f->setUser(SettingsKeys::LanguageIndex, stored);
        else
            f->removeUser(SettingsKeys::LanguageIndex);
        const QByteArray before = fileBytes(f->userSettingsPath());

        f->openDialog();
        QCOMPARE(languages()->currentText(), selected);
        QCOMPARE(fileBytes(f->userSettingsPath()), before);
    }

    void storedTheme_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("userConfig");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("entries");

        QTest::newRow("missing") << QVariant() << false << "Dark" << 2;
        QTest::newRow("0") << QVariant(0) << false << "Dark" << 2;
        QTest::newRow("1") << QVariant(1) << false << "Light" << 2;
        QTest::newRow("2 Blue") << QVariant(2) << false << "Dark" << 2;
        QTest::newRow("3 Pink") << QVariant(3) << false << "Dark" << 2;
        QTest::newRow("99") << QVariant(99) << false << "Dark" << 2;
        QTest::newRow("text") << QVariant(QStringLiteral("Light")) << false << "Dark" << 2;
        QTest::newRow("4 without Other") << QVariant(4) << false << "Dark" << 2;
        QTest::newRow("4 with Other") << QVariant(4) << true << "Other" << 3;
        QTest::newRow("1 with Other") << QVariant(1) << true << "Light" << 3;
    }

    void storedTheme()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, userConfig);
        QFETCH(QString, selected);
        QFETCH(int, entries);

        QVariantMap defaults = SettingsFixture::shippedDefaults();
        defaults.insert(QLatin1String(SettingsKeys::UserConfig), userConfig);
        f->createManager(defaults);
        // After the data manager, which mends a stored Other it cannot offer.
        if (stored.isValid())
            f->setUser(SettingsKeys::ThemeIndex, stored);
        else
            f->removeUser(SettingsKeys::ThemeIndex);
        const QByteArray before = fileBytes(f->userSettingsPath());

        f->openDialog();
        QCOMPARE(themes()->count(), entries);
        QCOMPARE(themes()->currentText(), selected);
        QCOMPARE(fileBytes(f->userSettingsPath()), before);
    }

    void chooseLanguage_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("file");

        const struct
        {
            const char *entry;
            int index;
            const char *file;
        } rows[] = {{"简体中文", 1, "Zh_SM"},  {"繁體中文", 2, "Zh_TR"},   {"English", 3, "English"},
                    {"日本語", 4, "Japanese"}, {"한국어", 5, "Korean"},      {"Русский", 6, "Russian"},
                    {"\u00a0عربي \u060c", 7, "Arabic"}, {"Español", 8, "Spanish"}, {"Português", 9, "Portugal"},
                    {"Deutsch", 10, "German"}, {"Italiano", 11, "Italian"}, {"Polski", 12, "Polish"},
                    {"Français", 13, "French"}};
        for (const auto &r : rows)
            QTest::newRow(r.file) << QString::fromUtf8(r.entry) << r.index << QString::fromLatin1(r.file);
    }

    void chooseLanguage()
    {
        QFETCH(QString, entry);
        QFETCH(int, index);
        QFETCH(QString, file);

        // Start from another language, with Light chosen.
        f->setUser(SettingsKeys::LanguageIndex, index == 1 ? 3 : 1);
        f->setUser(SettingsKeys::ThemeIndex, 1);
        DSettingsDia *dialog = f->openDialog();
        QSignalSpy all(dialog, &DSettingsDia::sigUpdataAllUI);
        QSignalSpy theme(dialog, &DSettingsDia::sigChangAppTheme);

        choose(languages(), entry);

        QCOMPARE(f->user(SettingsKeys::LanguageIndex).toInt(), index);
        QCOMPARE(all.count(), 1);
        QCOMPARE(theme.count(), 0);
        const QString title = SettingsFixture::translated(file, "DSettingsDia", "Settings");
        QVERIFY(!title.isEmpty());
        if (file != QLatin1String("English"))
            QVERIFY2(title != QLatin1String("Settings"), "no translation");
        QCOMPARE(form<QLabel>("label_Title")->text(), title);

        // The theme list in the new language, still on Light, the stored theme untouched.
        QCOMPARE(themes()->count(), 2);
        QCOMPARE(themes()->currentText(), SettingsFixture::translated(file, "DSettingsDia", "Light"));
        QCOMPARE(themes()->itemText(0), SettingsFixture::translated(file, "DSettingsDia", "Dark"));
        QCOMPARE(f->user(SettingsKeys::ThemeIndex).toInt(), 1);
        QCOMPARE(languages()->currentText(), entry);
    }

    void failedLanguageInstall()
    {
        DSettingsDia::setLanguageInstaller([](int) { return false; });
        f->setUser(SettingsKeys::LanguageIndex, 3);
        DSettingsDia *dialog = f->openDialog();
        QSignalSpy all(dialog, &DSettingsDia::sigUpdataAllUI);
        const QString title = form<QLabel>("label_Title")->text();

        choose(languages(), QStringLiteral("Deutsch"));

        QCOMPARE(f->user(SettingsKeys::LanguageIndex).toInt(), 10);
        QCOMPARE(all.count(), 0);
        QCOMPARE(form<QLabel>("label_Title")->text(), title);
        QCOMPARE(themes()->currentText(), QStringLiteral("Dark"));
    }

    void missingTranslationFile()
    {
        // The program's own manager pointed at an empty folder.
        f->linguist->setTranslationDir(f->dir.filePath(QStringLiteral("nothing")));
        DSettingsDia *dialog = f->openDialog();
        QSignalSpy all(dialog, &DSettingsDia::sigUpdataAllUI);
        choose(languages(), QStringLiteral("Polski"));
        QCOMPARE(f->user(SettingsKeys::LanguageIndex).toInt(), 12);
        QCOMPARE(all.count(), 0);
        QCOMPARE(form<QLabel>("label_Title")->text(), QStringLiteral("Settings"));
    }

    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *file : {"Zh_SM", "Zh_TR", "Japanese", "Korean", "Russian", "Arabic", "Spanish", "Portugal",
                                 "German", "Italian", "Polish", "French"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }

    // Every text the three dialogs show has an entry in each language.
    void everyTextTranslated()
    {
        QFETCH(QString, file);
        QTranslator translator;
        QVERIFY(translator.load(SettingsFixture::translationDir() + QLatin1Char('/') + file + QStringLiteral(".qm")));

        DSettingsDia *dialog = f->openDialog();
        StringList texts;
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            texts << label->text();
        for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
            texts << button->text();
        // Filled from the default settings file rather than the form.
        for (const char *name : {"label_AppName", "label_Copyright", "label_AppVersion", "label_Link"})
            texts.removeAll(form<QLabel>(name)->text());
        texts << QStringLiteral("Dark") << QStringLiteral("Light") << QStringLiteral("Other")
              << QStringLiteral("Set config success") << QStringLiteral("Set config failed")
              << QStringLiteral("No upgradeable devices found") << QStringLiteral("Pardex") << QStringLiteral("Link")
              << QStringLiteral("V_2020.03.17.0001") << QStringLiteral("Copyright © Pardex Technology. All rights reserved.");
        texts.removeAll(QString());
        texts.removeDuplicates();
        QVERIFY(texts.size() > 20);
        for (const QString &text : texts)
            QVERIFY2(!translator.translate("DSettingsDia", text.toUtf8()).isEmpty(), qPrintable(text));
        QVERIFY(!translator.translate("DFirwareInfoShow", "Firmware Info").isEmpty());
    }

    void chooseTheme()
    {
        DSettingsDia *dialog = f->openDialog();
        QSignalSpy theme(dialog, &DSettingsDia::sigChangAppTheme);
        const QString darkBg = f->manager->getThemeColor().SettingsBgColor;

        choose(themes(), QStringLiteral("Light"));

        QCOMPARE(f->user(SettingsKeys::ThemeIndex).toInt(), 1);
        QCOMPARE(theme.count(), 1);
        QCOMPARE(theme.at(0).at(0).toInt(), 1);
        QSettings light(QStringLiteral(":/images/StyleQss/LightThemeConfig.ini"), QSettings::IniFormat);
        const QString lightBg = light.value(QStringLiteral("ThemeColor/SettingsBgColor")).toString().replace('.', ',');
        QCOMPARE(f->manager->getThemeColor().SettingsBgColor, lightBg);
        QVERIFY(lightBg != darkBg);

        choose(themes(), QStringLiteral("Dark"));
        QCOMPARE(f->user(SettingsKeys::ThemeIndex).toInt(), 0);
        QCOMPARE(theme.count(), 2);
        QCOMPARE(theme.at(1).at(0).toInt(), 0);
        QCOMPARE(f->manager->getThemeColor().SettingsBgColor, darkBg);
    }

    void themeStyles_data()
    {
        QTest::addColumn<QString>("widget");
        // As rgb(...); "~Key" for rgba(colour, 130); "Key@Background" for a
        // text on that background, at least 3:1 against it.
        QTest::addColumn<StringList>("colours");

        const QString title = QStringLiteral("TextCheckedColor@SettingsBgColor");
        const QString text = QStringLiteral("TextDefaultColor@SettingsBgColor");
        const QString control = QStringLiteral("TextDefaultColor@SettingsControlDefaultColor");
        QTest::newRow("frame_16") << "frame_16" << StringList{"MainWidgetBorderColor"};
        QTest::newRow("frame_Title") << "frame_Title" << StringList{"SettingsBgColor", "SettingsBorderColor", title};
        QTest::newRow("frame_Bg") << "frame_Bg" << StringList{"SettingsBgColor"};
        QTest::newRow("frame_3") << "frame_3" << StringList{"SettingsBorderColor"};
        QTest::newRow("frame_4") << "frame_4"
                                 << StringList{"SettingsControlDefaultColor", "SettingsControlHoverBgColor",
                                               "SettingsControlSelectedBgColor", control,
                                               "TextCheckedColor@SettingsControlSelectedBgColor"};
        QTest::newRow("page_Settings") << "page_Settings"
                                       << StringList{"SettingsControlDefaultColor", "TextDefaultColor", control,
                                                     "TextCheckedColor", title};
        QTest::newRow("frame_7") << "frame_7" << StringList{text, title};
        QTest::newRow("checkBox_UsingBgImage") << "checkBox_UsingBgImage" << StringList{text, title};
        QTest::newRow("label_AppName") << "label_AppName" << StringList{title};
        QTest::newRow("label_APP") << "label_APP" << StringList{title};
        QTest::newRow("label_Copyright") << "label_Copyright" << StringList{title};
        QTest::newRow("label_AppVersion") << "label_AppVersion" << StringList{title};
        for (const char *button :
             {"pushButton_CheckUpdate", "pushButton_UpgradeCheck", "pushButton_feedbock", "pushButton_support"})
            QTest::newRow(button) << button
                                  << StringList{"SettingsControlBorderColor", "SettingsControlDefaultColor",
                                                "~SettingsControlHoverBgColor", control, "TextCheckedColor",
                                                "TextCheckedColor@SettingsControlHoverBgColor"};
    }

    // Each styled widget carries the chosen theme's colours, in both themes;
    // a text whose theme colour is faint on its background (Light) carries
    // a readable shade of it instead.
    void themeStyles()
    {
        QFETCH(QString, widget);
        QFETCH(StringList, colours);

        f->openDialog();
        for (const QString &name : {QStringLiteral("Light"), QStringLiteral("Dark")}) {
            choose(themes(), name);
            const themeColorInfo set = f->manager->getThemeColor();
            const QString sheet = form<QWidget>(widget.toLatin1())->styleSheet();
            for (QString key : colours) {
                const bool hover = key.startsWith('~');
                key.remove('~');
                QString value = colour(set, key.section('@', 0, 0).toLatin1());
                if (key.contains('@'))
                    value = shownOn(value, colour(set, key.section('@', 1).toLatin1()));
                const QString expected = hover ? QStringLiteral("rgba(%1, 130)").arg(value)
                                               : QStringLiteral("rgb(%1)").arg(value);
                QVERIFY2(sheet.contains(expected), qPrintable(name + ": " + key + " in " + sheet));
            }
            if (widget != QLatin1String("frame_16") && widget != QLatin1String("frame_Bg")
                && widget != QLatin1String("frame_3") && widget != QLatin1String("label_AppVersion"))
                QVERIFY2(sheet.contains(QStringLiteral("\"%1\"").arg(set.TextFont)), qPrintable(sheet));
        }
    }

    void themeReachesScreen()
    {
        DSettingsDia *dialog = f->openDialog();
        choose(themes(), QStringLiteral("Light"));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QColor bg = themeColorInfo::opaqueColor(f->manager->getThemeColor().SettingsBgColor);
        QWidget *body = form<QWidget>("frame_Bg");
        const QImage image = body->grab().toImage();
        QCOMPARE(QColor(image.pixel(image.width() - 5, image.height() - 5)), bg);
        const QColor checked = themeColorInfo::opaqueColor(f->manager->getThemeColor().TextCheckedColor);
        form<QLabel>("label_AppName")->ensurePolished();
        QCOMPARE(form<QLabel>("label_AppName")->palette().color(QPalette::WindowText), checked);
        QVERIFY(plainText(form<QLabel>("label_Link")) == QStringLiteral("Velmora"));
        QVERIFY(form<QLabel>("label_Link")->text().contains(
            QStringLiteral("rgb(%1)").arg(f->manager->getThemeColor().TextCheckedColor)));
    }

    void backgroundPictures()
    {
        f->setUser(SettingsKeys::ThemeIndex, 1);
        DSettingsDia *dialog = f->openDialog();
        QSignalSpy theme(dialog, &DSettingsDia::sigChangAppTheme);
        QCheckBox *box = form<QCheckBox>("checkBox_UsingBgImage");
        box->show();
        f->manager->loadThemeConfig(1);

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));

        QVERIFY(box->isChecked());
        QCOMPARE(f->user(SettingsKeys::BgImageIsUsing).toBool(), true);
        QVERIFY(f->manager->isBgImageUsing());
        // Light's main background carries an alpha, kept now.
        QCOMPARE(f->manager->getThemeColor().MainWidgetBgColor.count(','), 3);
        QCOMPARE(theme.count(), 1);
        QCOMPARE(theme.at(0).at(0).toInt(), 1);
    }

    void autoStart()
    {
        f->setUser(SettingsKeys::AutoStart, false);
        f->openDialog();
        QCheckBox *box = form<QCheckBox>("checkBox_AutoStart");

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(box->isChecked());
        QCOMPARE(f->user(SettingsKeys::AutoStart).toBool(), true);
        QVERIFY(AutoStartEntry::filePath().startsWith(f->dir.filePath(QStringLiteral("config/autostart/"))));
        const QByteArray entry = fileBytes(AutoStartEntry::filePath());
        const QString exec = QString::fromUtf8(entry).section(QStringLiteral("Exec="), 1).section('\n', 0, 0);
        QVERIFY2(exec.endsWith(QLatin1String(" --AutoUp")), qPrintable(exec));
        QVERIFY(exec.contains(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
        QCOMPARE(noticeText(f->dialog), QStringLiteral("Set config success"));

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(!box->isChecked());
        QCOMPARE(f->user(SettingsKeys::AutoStart).toBool(), false);
        QVERIFY(!QFileInfo::exists(AutoStartEntry::filePath()));
        QCOMPARE(noticeText(f->dialog), QStringLiteral("Set config success"));
    }

    void autoStartEntryFails_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::newRow("checking, a plain file in place of the folder") << false;
        QTest::newRow("unchecking, a folder in place of the entry") << true;
    }

    void autoStartEntryFails()
    {
        QFETCH(bool, stored);
        f->setUser(SettingsKeys::AutoStart, stored);
        const QString autostart = f->dir.filePath(QStringLiteral("config/autostart"));
        if (stored) {
            // A folder that is not empty cannot be removed as the entry.
            QVERIFY(QDir().mkpath(AutoStartEntry::filePath() + QStringLiteral("/inside")));
        } else {
            QVERIFY(QDir().mkpath(f->dir.filePath(QStringLiteral("config"))));
            QFile blocker(autostart);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        const QByteArray before = fileBytes(f->userSettingsPath());
        f->openDialog();
        QCheckBox *box = form<QCheckBox>("checkBox_AutoStart");
        QCOMPARE(box->isChecked(), stored);

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));

        QCOMPARE(box->isChecked(), stored);
        QCOMPARE(noticeText(f->dialog), QStringLiteral("Set config failed"));
        QCOMPARE(fileBytes(f->userSettingsPath()), before);
    }

    void settingsWriteFails_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("lockHeld"); // else a folder stands in the file's place
        const QList<QPair<const char *, const char *>> boxes = {{"checkBox_Close", SettingsKeys::CloseToTray},
                                                               {"checkBox_AutoStart", SettingsKeys::AutoStart},
                                                               {"checkBox_Minimize", SettingsKeys::MinimizeToTray}};
        for (const auto &box : boxes) {
            for (bool lockHeld : {false, true}) {
                QTest::addRow("%s, %s", box.first, lockHeld ? "lock held by another process" : "folder in place")
                    << QString::fromLatin1(box.first) << QString::fromLatin1(box.second) << lockHeld;
            }
        }
    }

    // The settings file cannot be written (a folder stands in its place, or
    // another living process holds its lock, which the window does not wait
    // for): the box goes back, the key and the autostart entry stay as they
    // were, and the next write, once the file is free, succeeds.
    void settingsWriteFails()
    {
        QFETCH(QString, box);
        QFETCH(QString, key);
        QFETCH(bool, lockHeld);
        f->setUser(key.toLatin1(), false);
        f->openDialog();
        QCheckBox *check = form<QCheckBox>(box.toLatin1());
        check->show();
        QVERIFY(!check->isChecked());

        const QString path = f->userSettingsPath();
        const QString lock = path + QStringLiteral(".lock");
        QProcess holder;
        if (lockHeld) {
            holder.start(QStringLiteral("sleep"), {QStringLiteral("60")});
            QVERIFY(holder.waitForStarted());
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::number(holder.processId()) + "\nsleep\n" + QSysInfo::machineHostName().toUtf8()
                       + "\n");
        } else {
            QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
            QVERIFY(QDir().mkpath(path));
        }
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        QVERIFY(!check->isChecked());
        QCOMPARE(noticeText(f->dialog), QStringLiteral("Set config failed"));
        QVERIFY(!QFileInfo::exists(AutoStartEntry::filePath()));

        if (lockHeld) {
            holder.kill();
            QVERIFY(holder.waitForFinished());
            QVERIFY(QFile::exists(lock));
        } else {
            QVERIFY(QDir(path).removeRecursively());
            QVERIFY(QFile::rename(path + QStringLiteral(".away"), path));
        }
        QCOMPARE(f->user(key.toLatin1()).toBool(), false);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        QVERIFY(check->isChecked());
        QCOMPARE(f->user(key.toLatin1()).toBool(), true);
        QCOMPARE(noticeText(f->dialog), QStringLiteral("Set config success"));
        // The lock its holder left behind when it ended is gone.
        QVERIFY(!QFile::exists(lock));
    }

    void toastsAtCentre_data()
    {
        QTest::addColumn<QString>("toast");
        QTest::newRow("no upgradeable devices") << "No upgradeable devices found";
        QTest::newRow("set config success") << "Set config success";
        QTest::newRow("set config failed") << "Set config failed";
    }

    // Every toast of the dialog shows at the centre of the dialog.
    void toastsAtCentre()
    {
        QFETCH(QString, toast);
        f->setUser(SettingsKeys::CloseToTray, false);
        DSettingsDia *dialog = f->openDialog();
        const QString path = f->userSettingsPath();
        if (toast == QLatin1String("No upgradeable devices found")) {
            dialog->showNoUpgradeNotice();
        } else {
            if (toast == QLatin1String("Set config failed")) {
                QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
                QVERIFY(QDir().mkpath(path));
            }
            QCheckBox *box = form<QCheckBox>("checkBox_Close");
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        }
        QCOMPARE(noticeText(dialog), toast);
        const QPoint shown = dialog->findChild<CbNotice *>()->geometry().center();
        const QPoint centre = dialog->rect().center();
        QVERIFY2(qAbs(shown.x() - centre.x()) <= 1 && qAbs(shown.y() - centre.y()) <= 1,
                 qPrintable(QStringLiteral("toast centre %1,%2").arg(shown.x()).arg(shown.y())));
        if (QFileInfo(path).isDir()) {
            QVERIFY(QDir(path).removeRecursively());
            QVERIFY(QFile::rename(path + QStringLiteral(".away"), path));
        }
    }

    void closeToTray()
    {
        f->setUser(SettingsKeys::CloseToTray, true);
        f->openDialog();
        QCheckBox *box = form<QCheckBox>("checkBox_Close");
        QVERIFY(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QCOMPARE(f->user(SettingsKeys::CloseToTray).toBool(), false);
        QCOMPARE(noticeText(f->dialog), QStringLiteral("Set config success"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QCOMPARE(f->user(SettingsKeys::CloseToTray).toBool(), true);
        QVERIFY(!QFileInfo::exists(AutoStartEntry::filePath()));
    }

    void aboutDefaults_data()
    {
        QTest::addColumn<QVariantMap>("defaults"); // empty map: no file at all
        QTest::addColumn<bool>("noFile");
        QTest::newRow("no file") << QVariantMap() << true;
        QTest::newRow("no keys") << QVariantMap{{"Other/key", 1}} << false;
        QTest::newRow("only a name") << QVariantMap{{SettingsKeys::CompanyName, "Quarrodin"}} << false;
    }

    void aboutDefaults()
    {
        QFETCH(QVariantMap, defaults);
        QFETCH(bool, noFile);
        f->createManager(defaults);
        if (noFile)
            QFile::remove(f->defaultsPath());
        QCOMPARE(QFileInfo::exists(f->defaultsPath()), !noFile);
        DSettingsDia *dialog = f->openDialog();
        const QString name = defaults.value(SettingsKeys::CompanyName, QStringLiteral("CompanyName")).toString();

        QCOMPARE(form<QLabel>("label_AppVersion")->text(), QStringLiteral("V_1.00.00"));
        QCOMPARE(form<QLabel>("label_AppName")->text(), name);
        QCOMPARE(form<QLabel>("label_Copyright")->text(), QStringLiteral("Copyright"));
        QCOMPARE(plainText(form<QLabel>("label_Link")), name);
        QVERIFY(form<QLabel>("label_Link")->isHidden());

        emit form<QLabel>("label_Link")->linkActivated(QStringLiteral("Company|%1|").arg(name));
        QCOMPARE(f->desktop.launched, StringList{QString::fromLatin1(SettingsKeys::DefaultCompanyLink)});
        Q_UNUSED(dialog)
    }

    void aboutValues_data()
    {
        QTest::addColumn<QVariant>("show");
        QTest::addColumn<bool>("shown");
        QTest::newRow("showStatus true") << QVariant(true) << true;
        QTest::newRow("showStatus false") << QVariant(false) << false;
        QTest::newRow("showStatus missing") << QVariant() << false;
    }

    void aboutValues()
    {
        QFETCH(QVariant, show);
        QFETCH(bool, shown);
        QVariantMap defaults{{SettingsKeys::AppVersion, "V_9.8.7"},
                             {SettingsKeys::CompanyName, "Calquor"},
                             {SettingsKeys::Copyright, "Copyright (C) 2026 Calquor* all rights reserved* truly"},
                             {SettingsKeys::CompanyLink, "https://calquor.example/about us"}};
        if (show.isValid())
            defaults.insert(QLatin1String(SettingsKeys::CompanyLinkShow), show);
        f->createManager(defaults);
        f->openDialog();

        QCOMPARE(form<QLabel>("label_AppVersion")->text(), QStringLiteral("V_9.8.7"));
        QCOMPARE(form<QLabel>("label_AppName")->text(), QStringLiteral("Calquor"));
        QCOMPARE(form<QLabel>("label_Copyright")->text(),
                 QStringLiteral("Copyright (C) 2026 Calquor, all rights reserved, truly"));
        QCOMPARE(form<QLabel>("label_APP")->text(), QStringLiteral("Application software"));
        QCOMPARE(!form<QLabel>("label_Link")->isHidden(), shown);
        QCOMPARE(plainText(form<QLabel>("label_Link")), QStringLiteral("Calquor"));
        QVERIFY(form<QLabel>("label_Link")->text().contains(QStringLiteral("text-decoration: underline")));

        emit form<QLabel>("label_Link")->linkActivated(QStringLiteral("Company|Calquor|"));
        QCOMPARE(f->desktop.launched, StringList{QStringLiteral("https://calquor.example/about%20us")});
    }

    // A company name is text, never markup, however it is written.
    void companyNameEscaped()
    {
        const QString name = QStringLiteral("<b>A&B</b> \"%2\" <a href='x'>y</a>");
        f->createManager({{SettingsKeys::CompanyName, name}, {SettingsKeys::CompanyLinkShow, true}});
        f->openDialog();
        QCOMPARE(plainText(form<QLabel>("label_Link")), name);
        QCOMPARE(form<QLabel>("label_AppName")->text(), name);
        QCOMPARE(form<QLabel>("label_AppName")->textFormat(), Qt::PlainText);
        QVERIFY(!form<QLabel>("label_Link")->text().contains(QStringLiteral("<b>")));
    }

    void linkNeverRunsAProgram()
    {
        f->createManager({{SettingsKeys::CompanyLink, "/usr/bin/true"}});
        f->openDialog();
        emit form<QLabel>("label_Link")->linkActivated(QStringLiteral("Company|x|"));
        QVERIFY(f->desktop.launched.isEmpty());
    }

    void aboutRefilledOnEveryClick()
    {
        DSettingsDia *dialog = f->openDialog();
        QPushButton *about = form<QPushButton>("pushButton_About");
        about->click();
        QCOMPARE(form<QStackedWidget>("stackedWidget")->currentWidget(), form<QWidget>("page_TipInfo"));
        QCOMPARE(form<QLabel>("label_AppName")->text(), QStringLiteral("Velmora"));

        // Clicked again while shown: read again.
        f->writeDefaults({{SettingsKeys::CompanyName, "Ryzzmond Works"}, {SettingsKeys::AppVersion, "V_2"}});
        about->click();
        QCOMPARE(form<QLabel>("label_AppName")->text(), QStringLiteral("Ryzzmond Works"));
        QCOMPARE(form<QLabel>("label_AppVersion")->text(), QStringLiteral("V_2"));
        QVERIFY(form<QLabel>("label_Link")->isHidden());

        form<QPushButton>("pushButton_General")->click();
        QCOMPARE(form<QStackedWidget>("stackedWidget")->currentWidget(), form<QWidget>("page_Settings"));
        Q_UNUSED(dialog)
    }

    void aboutAfterLanguageChange()
    {
        f->setUser(SettingsKeys::LanguageIndex, 3);
        f->openDialog();
        choose(languages(), QStringLiteral("Deutsch"));
        // The language change puts the form's placeholders back; About reads the file again.
        form<QPushButton>("pushButton_About")->click();
        QCOMPARE(form<QLabel>("label_AppName")->text(), QStringLiteral("Velmora"));
        QCOMPARE(form<QLabel>("label_APP")->text(),
                 SettingsFixture::translated(QStringLiteral("German"), "DSettingsDia", "Application software"));
        QCOMPARE(plainText(form<QLabel>("label_Link")), QStringLiteral("Velmora"));
    }

    void hiddenLinkButtons()
    {
        f->openDialog();
        form<QPushButton>("pushButton_feedbock")->click();
        form<QPushButton>("pushButton_support")->click();
        QCOMPARE(f->desktop.launched,
                 StringList({QStringLiteral("https://shop.velmora.example/taobao/"),
                             QStringLiteral("https://www.velmora.example/")}));
    }

    void buttonsSignal()
    {
        DSettingsDia *dialog = f->openDialog();
        QSignalSpy upgrade(dialog, &DSettingsDia::sigFirmwareUpgradeCheck);
        QSignalSpy update(dialog, &DSettingsDia::sigUpdateApp);
        QSignalSpy close(dialog, &DSettingsDia::sigSettingsWindowClose);
        dialog->show();

        QTest::mouseClick(form<QPushButton>("pushButton_UpgradeCheck"), Qt::LeftButton);
        QCOMPARE(upgrade.count(), 1);
        QCOMPARE(noticeText(dialog), QString()); // the check is the opener's

        // The main window answers through the sender, by name.
        QVERIFY(QMetaObject::invokeMethod(dialog, "showNoUpgradeNotice"));
        QCOMPARE(noticeText(dialog), QStringLiteral("No upgradeable devices found"));

        form<QPushButton>("pushButton_CheckUpdate")->click();
        QCOMPARE(update.count(), 1);

        QTest::mouseClick(form<QPushButton>("pushButton_Close"), Qt::LeftButton);
        QCOMPARE(close.count(), 1);
        QTRY_VERIFY(f->dialog.isNull()); // deleted on close
    }

    void noUpgradeNoticeTranslated()
    {
        f->setUser(SettingsKeys::LanguageIndex, 3);
        DSettingsDia *dialog = f->openDialog();
        choose(languages(), QStringLiteral("日本語"));
        dialog->showNoUpgradeNotice();
        QCOMPARE(noticeText(dialog), SettingsFixture::translated(QStringLiteral("Japanese"), "DSettingsDia",
                                                                 "No upgradeable devices found"));
    }

    void logoDoubleClick()
    {
        const QMap<QString, QString> map{{"1-M25201KBQS,Quissaro", "V1.02---2020/3/26 20:50:50"},
                                         {"2-B1,Bovelli", "V2.00---2021/1/2 03:04:05"}};
        DSettingsDia *dialog = f->openDialog();
        dialog->setFirmwareInfoMap(map);
        QWidget *logo = form<QWidget>("frame_LogoSet");

        QTest::mouseDClick(logo, Qt::LeftButton);
        QVERIFY(dialog->findChildren<DFirwareInfoShow *>().isEmpty());

        QTest::qWait(550);
        QStringList rows;
        bool modal = false;
        QTimer::singleShot(0, dialog, [&] {
            auto *info = qobject_cast<DFirwareInfoShow *>(QApplication::activeModalWidget());
            if (!info)
                return;
            modal = true;
            for (const DFirwareInfoItem *row : info->findChildren<DFirwareInfoItem *>())
                rows << formChild<QLabel>(row, "label_HidInfo")->text();
            info->close();
        });
        QTest::mouseDClick(logo, Qt::LeftButton);
        QVERIFY(modal);
        QCOMPARE(rows, StringList({QStringLiteral("M25201KBQS,Quissaro"), QStringLiteral("B1,Bovelli")}));
        QCOMPARE(dialog->findChildren<DFirwareInfoShow *>().size(), 1);

        // Only the left button's double click.
        QTest::mouseDClick(logo, Qt::RightButton);
        QCOMPARE(dialog->findChildren<DFirwareInfoShow *>().size(), 1);
    }
};

QTEST_MAIN(tst_SettingsDialog)
#include "tst_settingsdialog.moc"
