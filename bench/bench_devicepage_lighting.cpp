// Custom per-key lighting on a keyboard whose profile file holds ten
// profiles: the confirmation of a painted board (store and nine reports) and
// the rebuild of the custom-light rows.

#include "ColorWheelTool.h"
#include "DDeviceKeyboardLink.h"
#include "DDevicePage.h"
#include "FixedText.h"
#include "HidBackend.h"
#include "MainHidInterFace.h"
#include "SimulatedHidBackend.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"
#include "ui_DDevicePage.h"
#include "xmlInterface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLayout>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

class devicePageLightingBench
{
public:
    static void run();
};

namespace {

constexpr int kProfiles = 10;
constexpr int kRuns = 15;

void print(const char *name, double value, const char *unit)
{
    std::printf("%s: %.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

void devicePageLightingBench::run()
{
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    auto backend = std::make_shared<SimulatedHidBackend>();
    HidBackend::install(backend);
    auto device = backend->addDevice(SimulatedDeviceConfig::forModel(QStringLiteral("Rosquine")));
    QTemporaryDir dir;
    xmlInterface xml;
    const QString path = dir.path() + QStringLiteral("/pardexProFile.xml");
    xml.createXmlFile(path);

    {
        DDevicePage page;
        page.setMacroFileAndXmlInterface("", &xml);
        hidStructInfo record;
        std::memset(&record, 0, sizeof record);
        fixedTextCopy(record.hidPath, device->path());
        fixedTextCopy(record.hidName, QStringLiteral("Rosquine"));
        record.hidType = kHidTypeKeyboard;
        page.loadHidDeviceList({record});
        DDeviceKeyboardLink *link = page.getDeviceLinkMap().value(device->path());
        QElapsedTimer ready;
        ready.start();
        while (!link->isInitFinished() && ready.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);

        page.m_currentDeviceLink = link;
        page.m_currentHidInterface = link->getHidInterface();
        page.m_currentHidInfo = record;
        page.m_proFilePath = path;
        page.m_colorWheelTool->setDeviceType(kHidTypeKeyboard);
        page.m_keyboardPage = new keyboardPage(page.ui->hidDeviceShowFrame);
        page.ui->hidDeviceShowFrame->layout()->addWidget(page.m_keyboardPage);
        page.m_keyboardPage->setKeyboardName(QStringLiteral("Rosquine"));
        page.filterLightTypes();
        for (int p = 1; p <= kProfiles; ++p) {
            xml.addProfile(path, QByteArray::number(p), "Profile" + QByteArray::number(p), "", "", 0);
            page.addDefaultCustomLights(p);
        }
        page.m_profileIndex = kProfiles / 2;
        page.resize(1400, 900);
        page.show();
        page.m_colorWheelTool->setConfigInfo(path, &xml, page.m_profileIndex);
        page.onCurIndexChanged_LedSelect(0);
        page.keyBoardLedType(10);
        page.m_lightPanelActive = true;

        // 104 painted keys.
        int painted = 0;
        for (auto &row : page.m_keyboardPage->keyButtonGrid) {
            for (keyboardButCustom *key : row) {
                if (key && painted < 104) {
                    key->setKeyColor(QColor(painted % 256, 40, 200, 128));
                    ++painted;
                }
            }
        }

        std::vector<double> confirmations;
        std::vector<double> lists;
        for (int i = 0; i < kRuns; ++i) {
            QElapsedTimer clock;
            clock.start();
            page.onSendSetKeyboardColorData();
            confirmations.push_back(clock.nsecsElapsed() / 1e6);
            page.m_currentHidInterface->waitForCommandsWritten(5000);

            clock.restart();
            page.loadCustomLightList();
            lists.push_back(clock.nsecsElapsed() / 1e6);
            QApplication::processEvents();
        }
        print("devicepage_custom_light_painted_keys", painted, "keys");
        print("devicepage_custom_light_confirm_median", median(confirmations), "ms");
        print("devicepage_custom_light_list_median", median(lists), "ms");
    }
    HidBackend::install(nullptr);
}

void benchDevicePageLighting()
{
    devicePageLightingBench::run();
}
