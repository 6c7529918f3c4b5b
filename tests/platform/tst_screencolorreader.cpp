#include "systemScreenColorReader.h"

#include <QGuiApplication>
#include <QtTest>

namespace {

int g_warnings = 0;
QtMessageHandler g_previous = nullptr;

void countWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("Colour picker")))
        ++g_warnings;
    else
        g_previous(type, context, message);
}

} // namespace

class tst_ScreenColorReader : public QObject
{
    Q_OBJECT

private slots:
    void refusal_data();
    void refusal();
    void offscreenRefusesAndLogsOnce();
};

void tst_ScreenColorReader::refusal_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("sessionType");
    QTest::addColumn<QString>("mentions"); // empty: the screen can be read

    QTest::newRow("X11 session") << "xcb" << QByteArray() << QByteArray("x11") << "";
    QTest::newRow("X11, no session type") << "xcb" << QByteArray() << QByteArray() << "";
    QTest::newRow("XWayland by display") << "xcb" << QByteArray("wayland-0") << QByteArray() << "Wayland";
    QTest::newRow("XWayland by session type") << "xcb" << QByteArray() << QByteArray("wayland") << "Wayland";
    QTest::newRow("Wayland plugin") << "wayland" << QByteArray("wayland-0") << QByteArray("wayland") << "wayland";
    QTest::newRow("offscreen") << "offscreen" << QByteArray() << QByteArray() << "offscreen";
}

void tst_ScreenColorReader::refusal()
{
    QFETCH(QString, platform);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, sessionType);
    QFETCH(QString, mentions);
    const QString reason = systemScreenColorReader::refusalReason(platform, waylandDisplay, sessionType);
    if (mentions.isEmpty())
        QVERIFY2(reason.isEmpty(), qPrintable(reason));
    else
        QVERIFY2(reason.contains(mentions), qPrintable(reason));
}

void tst_ScreenColorReader::offscreenRefusesAndLogsOnce()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    g_previous = qInstallMessageHandler(countWarnings);
    QList<screenPixelResult> results;
    for (int i = 0; i < 3; ++i)
        results << screenColorReader::system()->readPixel(QPoint(i, i));
    qInstallMessageHandler(g_previous);
    for (const screenPixelResult &r : results) {
        QVERIFY(!r.ok);
        QVERIFY(!r.color.isValid());
        QVERIFY(r.error.contains(QLatin1String("offscreen")));
    }
    QCOMPARE(g_warnings, 1);
}

QTEST_MAIN(tst_ScreenColorReader)
#include "tst_screencolorreader.moc"
