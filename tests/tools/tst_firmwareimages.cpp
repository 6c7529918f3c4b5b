#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The simulated devices' test images come from
// tools/firmwareImages/generate.py: running it again must give exactly the
// committed files, and no committed image may lack its generator's model.
class tst_FirmwareImages : public QObject
{
    Q_OBJECT

private slots:
    void generatorOutputIsCommitted()
    {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        if (python.isEmpty())
            QSKIP("python3 is not installed");
        const QString source = qEnvironmentVariable("VELMORA_SOURCE_DIR");
        QVERIFY(!source.isEmpty());
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QProcess generator;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1"));
        generator.setProcessEnvironment(env);
        generator.start(python, {source + QStringLiteral("/tools/firmwareImages/generate.py"), out.path()});
        QVERIFY(generator.waitForFinished(120000));
        QVERIFY2(generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0,
                 generator.readAllStandardError().constData());

        const QDir committedDir(source + QStringLiteral("/src/device/simulated/UpdateHex"));
        const QStringList generated = QDir(out.path()).entryList({QStringLiteral("*.hex")}, QDir::Files, QDir::Name);
        QCOMPARE(committedDir.entryList({QStringLiteral("*.hex")}, QDir::Files, QDir::Name), generated);
        QVERIFY(!generated.isEmpty());
        for (const QString &name : generated) {
            QFile fresh(QDir(out.path()).filePath(name));
            QFile committed(committedDir.filePath(name));
            QVERIFY(fresh.open(QIODevice::ReadOnly));
            QVERIFY(committed.open(QIODevice::ReadOnly));
            QVERIFY2(fresh.readAll() == committed.readAll(), qPrintable(name + QStringLiteral(" is out of date")));
        }
    }
};

QTEST_GUILESS_MAIN(tst_FirmwareImages)
#include "tst_firmwareimages.moc"
