// The desktop services behind bound texts and programs.

#include "desktopActions.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

class tst_DesktopActions : public QObject
{
    Q_OBJECT

private slots:
    void clipboardTakesText();
    void programStartsWithoutShell();
    void unusableTargetsFail_data();
    void unusableTargetsFail();
};

void tst_DesktopActions::clipboardTakesText()
{
    const QString text = QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e; $(rm -rf /)");
    desktopActions::system()->setClipboardText(text);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void tst_DesktopActions::programStartsWithoutShell()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A shell would split this name at the blank and the semicolon.
    const QString script = dir.filePath(QStringLiteral("run me;echo.sh"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/ran\"\n");
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(desktopActions::system()->launchProgram(script));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath(QStringLiteral("ran"))), 5000);
}

void tst_DesktopActions::unusableTargetsFail_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("empty") << QString();
    QTest::newRow("blank") << QStringLiteral("   ");
    QTest::newRow("missing file") << QStringLiteral("/nonexistent/velmora/tool");
    QTest::newRow("windows path") << QStringLiteral("C:\\Program Files\\tool.exe");
}

void tst_DesktopActions::unusableTargetsFail()
{
    QFETCH(QString, target);
    QVERIFY(!desktopActions::system()->launchProgram(target));
}

QTEST_MAIN(tst_DesktopActions)
#include "tst_desktopactions.moc"
