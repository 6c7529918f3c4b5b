#pragma once

#include "DDataManager.h"
#include "DSettingsDia.h"
#include "QtLinguist.h"
#include "SettingsKeys.h"
#include "desktopActions.h"

#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVariantMap>

#include <memory>

// Records the links a dialog opens instead of starting a browser.
class FakeDesktop : public desktopActions
{
public:
    void setClipboardText(const QString &) override {}
    bool launchProgram(const QString &target) override
    {
        launched << target;
        return true;
    }
    QStringList launched;
};

// A settings dialog over a data manager of its own: its own user settings
// file, a default settings file the test writes, its own autostart folder
// (XDG_CONFIG_HOME) and the program's compiled translations.
class SettingsFixture
{
public:
    SettingsFixture()
    {
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
        linguist = std::make_unique<QtLinguist>();
        linguist->setTranslationDir(translationDir());
        QtLinguist *installing = linguist.get();
        DSettingsDia::setLanguageInstaller([installing](int index) { return installing->setLanguage(index); });
    }

    ~SettingsFixture()
    {
        delete dialog;
        DSettingsDia::setLanguageInstaller({});
    }

    static QString translationDir()
    {
        return qEnvironmentVariable("VELMORA_BINARY_DIR") + QStringLiteral("/translation");
    }

    // The translation of a text in one language, read from its .qm file.
    static QString translated(const QString &language, const char *context, const char *source)
    {
        QTranslator translator;
        if (!translator.load(translationDir() + QLatin1Char('/') + language + QStringLiteral(".qm")))
            return QString();
        const QString text = translator.translate(context, source);
        return text.isEmpty() ? QString::fromUtf8(source) : text;
    }

    // The shipped default settings file's values.
    static QVariantMap shippedDefaults()
    {
        QSettings shipped(QString::fromLatin1(SettingsKeys::DefaultSettingsPath), QSettings::IniFormat);
        shipped.setIniCodec("UTF-8");
        QVariantMap values;
        for (const QString &key : shipped.allKeys())
            values.insert(key, shipped.value(key));
        return values;
    }

    QString defaultsPath() const { return dir.filePath(QStringLiteral("PardexDefaultConfig.ini")); }

    // Replaces the default settings file by one holding just these values.
    void writeDefaults(const QVariantMap &values)
    {
        QFile::remove(defaultsPath());
        QSettings file(defaultsPath(), QSettings::IniFormat);
        file.setIniCodec("UTF-8");
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            file.setValue(it.key(), it.value());
    }

    void createManager(const QVariantMap &defaults = shippedDefaults())
    {
        writeDefaults(defaults);
        manager = DDataManager::create(dir.filePath(QStringLiteral("appdata")), defaultsPath());
    }

    QString userSettingsPath() const { return manager->getUserSettingsPath(); }

    void setUser(const char *key, const QVariant &value)
    {
        QSettings file(userSettingsPath(), QSettings::IniFormat);
        file.setValue(key, value);
    }
    void removeUser(const char *key)
    {
        QSettings file(userSettingsPath(), QSettings::IniFormat);
        file.remove(key);
    }
    QVariant user(const char *key) const
    {
        return QSettings(userSettingsPath(), QSettings::IniFormat).value(key);
    }
    bool userHas(const char *key) const
    {
        return QSettings(userSettingsPath(), QSettings::IniFormat).contains(key);
    }

    DSettingsDia *openDialog(QWidget *parent = nullptr)
    {
        dialog = new DSettingsDia(parent, manager.get());
        dialog->setDesktopActions(&desktop);
        return dialog;
    }

    QTemporaryDir dir;
    std::unique_ptr<DDataManager> manager;
    std::unique_ptr<QtLinguist> linguist;
    FakeDesktop desktop;
    QPointer<DSettingsDia> dialog;
};

// A widget of a dialog's form by its object name.
template <class T>
T *formChild(const QObject *parent, const char *name)
{
    T *child = parent->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no %s in the form", name);
    return child;
}
