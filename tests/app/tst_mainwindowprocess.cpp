// The built program under Xvfb with two simulated devices, looked at as a
// person would: tiles on the screen follow plug and unplug through the
// control FIFO, and SIGTERM stops it cleanly.
#include "programHome.h"
#include "xmlInterface.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRasterWindow>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kProgram = QStringLiteral(VELMORA_EXECUTABLE);
constexpr int kStartTimeoutMs = 60000;
constexpr int kChangeTimeoutMs = 20000;
// A tile's background in the dark theme, and how wide its plain rows are.
const QRgb kTileColour = qRgb(25, 25, 25);
constexpr int kTileRunMin = 380;
constexpr int kTileRunMax = 470;
constexpr int kTileRowsMin = 20;

// Tiles on the screen: runs of the tile colour as wide as a tile, grouped by
// where they start.
int tilesOnScreen()
{
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    QList<QPoint> starts;
    for (int y = 0; y < screen.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        int run = 0;
        for (int x = 0; x <= screen.width(); ++x) {
            if (x < screen.width() && (line[x] & 0xFFFFFF) == (kTileColour & 0xFFFFFF)) {
                ++run;
                continue;
            }
            if (run >= kTileRunMin && run <= kTileRunMax)
                starts.append(QPoint(x - run, y));
            run = 0;
        }
    }
    // A tile is a block of such runs; a stripe of the title gradient is not.
    struct Block
    {
        QPoint start;
        int rows;
    };
    QList<Block> blocks;
    for (const QPoint &s : starts) {
        bool known = false;
        for (Block &b : blocks) {
            if (qAbs(b.start.x() - s.x()) < 30 && qAbs(b.start.y() - s.y()) < 220) {
                ++b.rows;
                known = true;
                break;
            }
        }
        if (!known)
            blocks.append({s, 1});
    }
    int tiles = 0;
    for (const Block &b : blocks)
        tiles += b.rows >= kTileRowsMin ? 1 : 0;
    return tiles;
}

// A plain window that hides whatever lies under it.
class CoverWindow : public QRasterWindow
{
protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(QRect(QPoint(), size()), Qt::white); }
};

bool waitForTiles(int count)
{
    return QTest::qWaitFor([count] { return tilesOnScreen() == count; }, kChangeTimeoutMs);
}

} // namespace

class tst_MainWindowProcess : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramHome> m_home;

    QString appData() const { return m_home->appData(); }
    QString fifoPath() const { return m_home->filePath("control"); }
    QByteArray log() const { return m_home->log(); }
    QString recordPath() const { return m_home->filePath("devices.txt"); }

    // The simulated devices' record of the run: model -> its line.
    QMap<QString, QString> record() const
    {
        QFile file(recordPath());
        QMap<QString, QString> lines;
        if (!file.open(QIODevice::ReadOnly))
            return lines;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (!line.isEmpty())
                lines.insert(QString::fromUtf8(line.left(line.indexOf(' '))), QString::fromUtf8(line));
        }
        return lines;
    }

    void start(QProcess &process, const QStringList &args = {})
    {
        QProcessEnvironment env = m_home->environment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("VELMORA_SIMULATED_DEVICES", "Quissaro,Bovelli");
        env.insert("VELMORA_SIMULATED_CONTROL", fifoPath());
        env.insert("VELMORA_SIMULATED_RECORD", recordPath());
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(kProgram, args);
    }

    bool waitUntilReady(QProcess &process, int starts)
    {
        return QTest::qWaitFor(
            [&] { return process.state() != QProcess::NotRunning && log().count("END DMainWidget INIT:") >= starts; },
            kStartTimeoutMs);
    }

    // The program opens the FIFO once its window is up: retry until it reads.
    bool control(const QByteArray &line)
    {
        int fd = -1;
        const bool opened = QTest::qWaitFor(
            [&] {
                fd = ::open(QFile::encodeName(fifoPath()).constData(), O_WRONLY | O_NONBLOCK);
                return fd >= 0;
            },
            kChangeTimeoutMs);
        if (!opened)
            return false;
        const QByteArray text = line + '\n';
        const bool ok = ::write(fd, text.constData(), text.size()) == text.size();
        ::close(fd);
        return ok;
    }

private slots:
    void initTestCase()
    {
        if (qgetenv("QT_QPA_PLATFORM") != "xcb" || !QGuiApplication::primaryScreen())
            QSKIP("needs an X server (xvfb-run)");
    }

    void init()
    {
        m_home = std::make_unique<ProgramHome>();
        QVERIFY(m_home->isValid());
        // The program ran this version before: no firmware check opens its
        // dialog over the tiles.
        const QSettings defaults(qEnvironmentVariable("VELMORA_SOURCE_DIR")
                                     + "/images/configDir/PardexDefaultConfig.ini",
                                 QSettings::IniFormat);
        const QString version = defaults.value("AppVersion/Version").toString();
        QVERIFY(!version.isEmpty());
        QVERIFY(QDir().mkpath(appData() + "/UserConfig"));
        QSettings(appData() + "/UserConfig/PardexConfig.ini", QSettings::IniFormat)
            .setValue("oldVersion/VersionInfo", version);
    }

    void tilesFollowThePlugsAndSigtermStops()
    {
        QProcess program;
        start(program);
        QVERIFY(waitUntilReady(program, 1));
        QVERIFY2(waitForTiles(2), "two tiles");

        QVERIFY(control("unplug Bovelli"));
        QVERIFY2(waitForTiles(1), "one tile after the unplug");
        QVERIFY(control("plug Bovelli"));
        QVERIFY2(waitForTiles(2), "two tiles after the plug");

        program.terminate(); // SIGTERM
        QVERIFY(program.waitForFinished(kStartTimeoutMs));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(log().count("Stop collect log:"), 1);
        QVERIFY(QDir(appData() + "/dump").entryList(QDir::Files).isEmpty());
    }

    // A keyboard whose profile synchronises its lights streams from the
    // start; SIGTERM tells it to stop before its link closes.
    void sigtermStopsAStreamingKeyboard()
    {
        // The simulated keyboard's serial is the MD5 of its model name.
        const QString folder = appData() + "/UserConfig/Quissaro/"
            + QCryptographicHash::hash("Quissaro", QCryptographicHash::Md5).toHex();
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + "/pardexProFile.xml";
        {
            xmlInterface xml;
            QVERIFY(xml.createXmlFile(file));
            QVERIFY(xml.addProfile(file, "1", "Profile1", "", "", 0));
            colorInfoData light{};
            light.ledType = 2;
            for (int zone = 0; zone < 3; ++zone) {
                light.ledKeyboardOrSide = zone;
                QVERIFY(xml.addLightInfo(file, "1", light));
            }
            QVERIFY(xml.setProfileIndex(file, 1));
            QVERIFY(xml.setLightSynchronizeStatus(file, "1", 1));
        }

        QProcess program;
        start(program);
        QVERIFY(waitUntilReady(program, 1));
        QVERIFY2(waitForTiles(2), "two tiles");
        program.terminate(); // SIGTERM
        QVERIFY(program.waitForFinished(kStartTimeoutMs));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        // Told to stream, then last told to stop; every device closed.
        const QMap<QString, QString> devices = record();
        const QRegularExpression line("^(\\w+) lightSynchronize=([0-9,]*) open=(\\d+)$");
        const QRegularExpressionMatch keyboard = line.match(devices.value("Quissaro"));
        QVERIFY2(keyboard.hasMatch(), qPrintable(devices.value("Quissaro")));
        const QStringList sync = keyboard.captured(2).split(',', Qt::SkipEmptyParts);
        QVERIFY2(sync.contains("1") && sync.last() == "0", qPrintable(devices.value("Quissaro")));
        QCOMPARE(keyboard.captured(3), QStringLiteral("0"));
        // The mouse was never told to stream.
        const QRegularExpressionMatch mouse = line.match(devices.value("Bovelli"));
        QVERIFY2(mouse.hasMatch(), qPrintable(devices.value("Bovelli")));
        QVERIFY2(!mouse.captured(2).split(',').contains("1"), qPrintable(devices.value("Bovelli")));
        QCOMPARE(mouse.captured(3), QStringLiteral("0"));
    }

    void secondStartRaisesOnlyWithoutTray_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::newRow("with a tray: left as it is") << true;
        QTest::newRow("without a tray: raised") << false;
    }

    // A window of ours covers the running program's; a second start raises
    // the program's window only where no tray icon exists.
    void secondStartRaisesOnlyWithoutTray()
    {
        QFETCH(bool, tray);
        QProcess trayProcess;
        if (tray) {
            const QString trayer = QStandardPaths::findExecutable(QStringLiteral("trayer"));
            if (trayer.isEmpty())
                QSKIP("trayer is not installed");
            trayProcess.start(trayer,
                              {"--edge", "bottom", "--align", "right", "--widthtype", "request", "--height", "24"});
            QVERIFY(trayProcess.waitForStarted());
        }

        QProcess first;
        start(first);
        QVERIFY(waitUntilReady(first, 1));
        QVERIFY2(waitForTiles(2), "the window is shown");

        CoverWindow cover;
        cover.setGeometry(QGuiApplication::primaryScreen()->geometry());
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        QVERIFY2(waitForTiles(0), "covered");

        QProcess second;
        start(second);
        QVERIFY(second.waitForFinished(kStartTimeoutMs));
        QCOMPARE(second.exitCode(), 255); // -1
        if (tray) {
            // Give the message time to arrive, then look again.
            QTest::qWait(3000);
            QCOMPARE(tilesOnScreen(), 0);
        } else {
            QVERIFY2(waitForTiles(2), "the first program's window is raised");
        }

        first.terminate();
        QVERIFY(first.waitForFinished(kStartTimeoutMs));
        QCOMPARE(first.exitCode(), 0);
        if (tray) {
            trayProcess.kill();
            trayProcess.waitForFinished();
        }
    }
};

QTEST_MAIN(tst_MainWindowProcess)
#include "tst_mainwindowprocess.moc"
