#pragma once

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTranslator>

// The translation manager: knows the thirteen interface languages and installs
// the compiled translation of one of them, "<key>.qm" from the folder
// "translation" beside the executable. One translator is reused for every
// language, so a new choice replaces all translated texts.
class QtLinguist : public QObject
{
    Q_OBJECT

public:
    // The values are the indices stored in Language/selectLanguageIndex.
    enum Language {
        Zh_SM = 1,
        Zh_TR = 2,
        English = 3,
        Japanese = 4,
        Korean = 5,
        Russian = 6,
        Arabic = 7,
        Spanish = 8,
        Portugal = 9,
        German = 10,
        Italian = 11,
        Polish = 12,
        French = 13,
    };
    Q_ENUM(Language)

    explicit QtLinguist(QObject *parent = nullptr);

    // False, with nothing changed, when the value names no language; else
    // loads its file into the translator (dropping the previous texts either
    // way) and, when it loaded, installs the translator and returns true.
    bool setLanguage(int language);

    // The language of the system locale (English for any other).
    int getDefaultLanguage() const;
    static int languageForLocale(const QLocale &locale);

    // Language value -> file name, e.g. 9 -> "Portugal.qm".
    QMap<int, QString> languageMap() const { return m_languageMap; }

    // Folder of the .qm files; the executable's folder + "/translation" by default.
    QString translationDir() const { return m_translationDir; }
    void setTranslationDir(const QString &dir) { m_translationDir = dir; }

private:
    QTranslator m_translator;
    QMap<int, QString> m_languageMap;
    QString m_translationDir;
};
