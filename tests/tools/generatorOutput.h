#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

// Runs one of our data generators (a Python script of tools/) into a fresh
// folder and collects what it wrote, so a test can compare it with the
// committed files. The script gets the folder as its only argument.
struct GeneratorOutput
{
    bool pythonMissing = false;
    QString error;                   // empty when the script ran and ended with 0
    QMap<QString, QByteArray> files; // path relative to the folder -> bytes

    static GeneratorOutput run(const QString &scriptInSource, int timeoutMs)
    {
        GeneratorOutput out;
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty()) {
            out.pythonMissing = true;
            return out;
        }
        const QString source = qEnvironmentVariable("VELMORA_SOURCE_DIR");
        QTemporaryDir folder;
        if (source.isEmpty() || !folder.isValid()) {
            out.error = QStringLiteral("no source folder or temporary folder");
            return out;
        }
        QProcess generator;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1"));
        generator.setProcessEnvironment(env);
        generator.start(python, {source + QLatin1Char('/') + scriptInSource, folder.path()});
        if (!generator.waitForFinished(timeoutMs) || generator.exitStatus() != QProcess::NormalExit
            || generator.exitCode() != 0) {
            out.error = QString::fromLocal8Bit(generator.readAllStandardError());
            if (out.error.isEmpty())
                out.error = QStringLiteral("the generator did not finish");
            return out;
        }
        QDirIterator it(folder.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly))
                out.files.insert(QDir(folder.path()).relativeFilePath(file.fileName()), file.readAll());
        }
        return out;
    }

    // The committed file at a path under the source folder; empty when absent.
    static QByteArray committed(const QString &pathInSource, bool *exists = nullptr)
    {
        QFile file(qEnvironmentVariable("VELMORA_SOURCE_DIR") + QLatin1Char('/') + pathInSource);
        const bool opened = file.open(QIODevice::ReadOnly);
        if (exists)
            *exists = opened;
        return opened ? file.readAll() : QByteArray();
    }
};
