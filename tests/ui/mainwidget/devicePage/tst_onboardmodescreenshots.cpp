// The device page's on-board mode in a real X window, in each theme, written
// to build/onboard-mode-screenshots/ for a person to look at: each on-board
// model's two layers with every binding kind, the rename page, and the
// download bar after a success and after a failure.
#include "DDataManager.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "DOnboardPage.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "devicePageTestSupport.h"
#include "onboardTestFiles.h"
#include "ui_DDevicePage.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

constexpr int kWaitMs = 5000;

QString outputDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
                        + QStringLiteral("/onboard-mode-screenshots");
    QDir().mkpath(dir);
    return dir;
}

bool save(QWidget *widget, const QString &name)
{
    QTest::qWait(30);
    const QPixmap shot = widget->grab();
    return !shot.isNull()
           && shot.save(outputDir() + QStringLiteral("/%1_%2.png").arg(name, QTest::currentDataTag()));
}

hidStructInfo recordOf(const SimulatedDevice &device)
{
    hidStructInfo info;
    std::memset(&info, 0, sizeof info);
    const SimulatedDeviceConfig c = device.config();
    info.vid = c.vendorId;
    info.pid = c.productId;
    fixedTextCopy(info.hidPath, device.path());
    fixedTextCopy(info.hidName, c.modelName);
    info.hidType = c.deviceType;
    return info;
}

const char *const kThemes[] = {"Black", "Light", "Blue", "Pink", "Other"};

} // namespace

class tst_OnboardModeScreenshots : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<SimulatedHidBackend> m_backend;
    QTemporaryDir m_macroDir;
    xmlInterface m_store;

    // A page showing the on-board mode of a new keyboard of the model.
    std::unique_ptr<DDevicePage> onboardPageOf(const QString &model, std::shared_ptr<SimulatedDevice> &device)
    {
        device = m_backend->addDevice(SimulatedDeviceConfig::keyboard(model));
        auto page = std::make_unique<DDevicePage>();
        page->resize(1200, 790);
        const QString macroFile = m_macroDir.filePath(QStringLiteral("pardexMacro.xml"));
        page->setMacroFileAndXmlInterface(macroFile.toLocal8Bit().constData(), &m_store);
        const hidStructInfo record = recordOf(*device);
        page->loadHidDeviceList({record});
        DDeviceKeyboardLink *link = page->getDeviceLinkMap().value(fixedText(record.hidPath));
        if (!link || !QTest::qWaitFor([link] { return !link->getSerialNumber().isEmpty(); }, kWaitMs))
            return nullptr;
        page->m_currentHidInfo = record;
        page->m_currentDeviceLink = link;
        page->m_currentHidInterface = link->getHidInterface();
        page->m_currentDeviceSnInfo = link->getSerialNumber();
        page->m_supportOnboard = true;
        page->m_mainPageIndex = 0;
        page->form()->stackedWidget_KeyboardArea->setCurrentWidget(page->form()->page_KeyboardShow);
        page->show();
        if (!QTest::qWaitForWindowExposed(page.get()))
            return nullptr;
        page->form()->pushButton_OnboardMode->click();
        page->changeAppTheme();
        if (page->onboardPage())
            page->onboardPage()->changAppTheme();
        if (page->proFilePath().isEmpty()) // the profile file was never made
            return nullptr;
        return page;
    }

    // One binding of every kind in each layer.
    void bindEveryKind(DDevicePage &page)
    {
        const QByteArray config = QByteArray::number(page.currentOnboardProfileIndex());
        struct binding { int layer; const char *key; const char *type; const char *value; const char *mode; };
        const binding bindings[] = {
            {0, "4", "1", "1", "2"},      // macro, played repeatedly
            {0, "5", "2", "6,4", "1"},    // Shift+Alt+A
            {0, "6", "3", "3", "1"},      // Play/Pause
            {0, "7", "4", "1", "1"},      // middle button
            {0, "8", "0", "41", "1"},     // Esc
            {0, "57", "0", "-20", "1"},   // FN1 key
            {1, "20", "3", "0", "1"},     // Volume Up
            {1, "26", "4", "3", "1"},     // Scroll Up
            {1, "8", "2", "1,6", "1"},    // Ctrl+C
            {1, "9", "1", "1", "4"},      // macro while held
            {1, "57", "0", "-20", "1"},
        };
        for (const binding &b : bindings) {
            const QString file = b.layer == 0 ? page.onboardDefaultFilePath() : page.onboardFn1FilePath();
            m_store.deleteKeyInfo(file, config, b.key);
            m_store.addKeyInfo(file, config, b.key, "K", b.type, "3", b.mode, b.value);
        }
        page.loadOnboardLayerKeyTexts();
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X display");
        QVERIFY(devicePageTest::devicePictureBeside(QStringLiteral("Quissaro")));
        const QString macroFile = m_macroDir.filePath(QStringLiteral("pardexMacro.xml"));
        m_store.createXmlFile(macroFile);
        m_store.addMacro(macroFile, "1", "Greeting");
    }
    void init()
    {
        QDir(DDataManager::instance()->getUserConfigPath()).removeRecursively();
        QDir().mkpath(DDataManager::instance()->getUserConfigPath());
        m_backend = std::make_shared<SimulatedHidBackend>();
        HidBackend::install(m_backend);
    }
    void cleanup()
    {
        HidBackend::install(nullptr);
        m_backend.reset();
    }
    void cleanupTestCase() { DDataManager::instance()->loadThemeConfig(0); }

    void layers_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("theme");
        for (const char *model : {"Quissaro", "Rosquine", "Rulvarro", "Varrowen"}) {
            for (int theme = 0; theme < 5; ++theme) {
                // Every model in one theme, every theme on one model.
                if (theme != 0 && qstrcmp(model, "Quissaro") != 0)
                    continue;
                QTest::addRow("%s_%s", model, kThemes[theme]) << QString::fromLatin1(model) << theme;
            }
        }
    }
    void layers()
    {
        QFETCH(QString, model);
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        std::shared_ptr<SimulatedDevice> device;
        std::unique_ptr<DDevicePage> page = onboardPageOf(model, device);
        QVERIFY(page && page->onboardPage());
        bindEveryKind(*page);
        QVERIFY(save(page.get(), QStringLiteral("default_layer")));
        page->form()->pushButton_FN1->click();
        QCOMPARE(page->onboardLayer(), 1);
        QVERIFY(save(page.get(), QStringLiteral("fn1_layer")));
    }

    void renameAndDownloadBar_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme = 0; theme < 5; ++theme)
            QTest::newRow(kThemes[theme]) << theme;
    }
    void renameAndDownloadBar()
    {
        QFETCH(int, theme);
        DDataManager::instance()->loadThemeConfig(theme);
        std::shared_ptr<SimulatedDevice> device;
        std::unique_ptr<DDevicePage> page = onboardPageOf(QStringLiteral("Quissaro"), device);
        QVERIFY(page);
        page->onProfileModifyName();
        page->form()->lineEdit_OnboardModifyProfileName->setText(QStringLiteral("Tournament"));
        QVERIFY(save(page.get(), QStringLiteral("rename_page")));
        page->form()->pushButton_OnboardSave->click();

        page->form()->toolButton_OnboardDownload->click();
        QTRY_VERIFY_WITH_TIMEOUT(!page->isOnboardDownloadRunning(), kWaitMs);
        QCOMPARE(page->form()->label_LogMsg->text(), QStringLiteral("Write Over"));
        QVERIFY(save(page.get(), QStringLiteral("download_success")));

        device->setAckPolicy(HidCmd::OnboardMacro, SimAckPolicy::never());
        page->form()->toolButton_OnboardDownload->click();
        QTRY_VERIFY_WITH_TIMEOUT(!page->isOnboardDownloadRunning(), kWaitMs);
        QCOMPARE(page->form()->label_LogMsg->text(), QStringLiteral("Onboard Download [Failed]"));
        QVERIFY(save(page.get(), QStringLiteral("download_failure")));
        // The status line has room; the buttons keep their captions whole.
        for (QToolButton *button :
             {page->form()->toolButton_RestoreFactorySettings, page->form()->toolButton_OnboardDownload}) {
            if (button->isVisible())
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->objectName()));
        }
        QVERIFY(page->form()->toolButton_OnboardDownload->isVisible());
        QVERIFY(page->form()->label_LogMsg->width() >= 150);
    }
};

QTEST_MAIN(tst_OnboardModeScreenshots)
#include "tst_onboardmodescreenshots.moc"
