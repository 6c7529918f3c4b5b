#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// The pictures we draw ourselves come from tools/make_pictures.py: running it
// again must give exactly the committed files, and each must load as the
// picture its name says (PNG, or ICO for the tray icon).
class tst_Pictures : public QObject
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
        generator.start(python, {source + QStringLiteral("/tools/make_pictures.py"), out.path()});
        QVERIFY(generator.waitForFinished(540000));
        QVERIFY2(generator.exitStatus() == QProcess::NormalExit && generator.exitCode() == 0,
                 generator.readAllStandardError().constData());

        int compared = 0;
        QDirIterator it(out.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString generated = it.next();
            const QString relative = QDir(out.path()).relativeFilePath(generated);
            QFile fresh(generated);
            QFile committed(source + QStringLiteral("/images/") + relative);
            QVERIFY(fresh.open(QIODevice::ReadOnly));
            QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(relative + QStringLiteral(" is not committed")));
            const QByteArray bytes = fresh.readAll();
            QVERIFY2(bytes == committed.readAll(), qPrintable(relative + QStringLiteral(" is out of date")));
            const QByteArray format = QFileInfo(relative).suffix().toUpper().toLatin1();
            QVERIFY2(!QImage::fromData(bytes, format.constData()).isNull(),
                     qPrintable(relative + QStringLiteral(" is no ") + QString::fromLatin1(format)));
            ++compared;
        }
        QVERIFY(compared > 0);
    }
};

QTEST_GUILESS_MAIN(tst_Pictures)
#include "tst_pictures.moc"
