// The customised-keys panel with a row of every kind of binding and one cut
// caption, in each theme, on a real X display; written to
// build/custom-lists-screenshots/ for a person to look at.

#include "../keyFunction/keyFunctionTestFixture.h"

#include "DCustomEventListItem.h"
#include "DCustomEventListPage.h"
#include "DCustomEventWidget.h"
#include "DDataManager.h"
#include "FlowLayout.h"

#include <QApplication>
#include <QDir>
#include <QVBoxLayout>
#include <QtTest>

#include <X11/Xlib.h>

using Kfc = keyFunctionCatalogue;

namespace {

const char *const kThemes[] = {"Black", "Light", "Blue", "Pink", "Other"};

QString screenshotDir()
{
    const QString dir = qEnvironmentVariable("VELMORA_BINARY_DIR", QDir::currentPath())
        + QStringLiteral("/custom-lists-screenshots");
    QDir().mkpath(dir);
    return dir;
}

} // namespace

class tst_CustomEventScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyKindOfBinding_data();
    void everyKindOfBinding();
};

void tst_CustomEventScreenshots::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display (run under xvfb-run)");
}

void tst_CustomEventScreenshots::everyKindOfBinding_data()
{
    QTest::addColumn<int>("theme");
    for (int theme = 0; theme < 5; ++theme)
        QTest::newRow(kThemes[theme]) << theme;
}

void tst_CustomEventScreenshots::everyKindOfBinding()
{
    QFETCH(int, theme);
    DDataManager::instance()->loadThemeConfig(theme);
    KeyFunctionFixture f;
    const QList<QPair<QByteArray, StoredBinding>> rows = {
        {"Esc", binding(Kfc::OperateRemap, "40")},
        {"F1", binding(Kfc::OperateMacro, "3", 2, 10)},
        {"F2", binding(Kfc::OperateCombination, "3,4")},
        {"F3", binding(Kfc::OperateMultimedia, "2")},
        {"F4", binding(Kfc::OperateMouse, "3")},
        {"F5", binding(Kfc::OperateDisable, "-1")},
        {"F6", binding(Kfc::OperateText, "Kind regards,\nAnna")},
        {"F7", binding(Kfc::OperateProfile, "2")},
        {"F8", binding(Kfc::OperateProgram, "/usr/bin/gimp")},
        {"F9", binding(Kfc::OperateShortcut, "4")},
        {"Context Menu", binding(Kfc::OperateShortcut, "5")}, // a caption cut to fit
    };
    int code = 58;
    for (const auto &row : rows) {
        QVERIFY(f.xml.addKeyInfo(f.profilePath, "1", QByteArray::number(code++), row.first,
                                 QByteArray::number(row.second.operateType), QByteArray::number(row.second.repeatNum),
                                 QByteArray::number(row.second.mode), row.second.value));
    }

    // The list page as the device page shows it, and the whole panel.
    QWidget host;
    host.setObjectName(QStringLiteral("host"));
    host.setStyleSheet(QStringLiteral("QWidget#host{background-color:%1;}")
                           .arg(themeColorInfo::cssColor(DDataManager::instance()->getThemeColor().DeviceCenterBgColor)));
    auto *layout = new QVBoxLayout(&host);
    auto *list = new DCustomEventListPage(&host);
    layout->addWidget(list);
    list->loadCustomEventList(&f.xml, QFile::encodeName(f.profilePath).constData(), 1, testKeyNames());
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    DCustomEventWidget *panel = list->currentPanel();
    QCOMPARE(panel->rowLayout()->count(), rows.size());
    const auto *last = qobject_cast<DCustomEventListItem *>(panel->rowLayout()->itemAt(rows.size() - 1)->widget());
    QVERIFY(last->isCaptionCut());

    const QString name = QLatin1String(kThemes[theme]);
    QVERIFY(host.grab().save(QStringLiteral("%1/%2-customised-keys.png").arg(screenshotDir(), name)));
    QWidget whole;
    whole.setObjectName(QStringLiteral("host"));
    // The list page carries the rows' sheet; the panel alone needs it too.
    whole.setStyleSheet(host.styleSheet() + DCustomEventListItem::rowStyleSheet(DDataManager::instance()->getThemeColor()));
    auto *wholeLayout = new QVBoxLayout(&whole);
    DCustomEventWidget panelAlone;
    panelAlone.loadCustomEventList(&f.xml, QFile::encodeName(f.profilePath).constData(), 1, testKeyNames());
    panelAlone.setParent(&whole);
    wholeLayout->addWidget(&panelAlone);
    whole.resize(700, panelAlone.rowLayout()->heightForWidth(700) + 20);
    whole.show();
    QVERIFY(QTest::qWaitForWindowExposed(&whole));
    QVERIFY(whole.grab().save(QStringLiteral("%1/%2-customised-keys-all-rows.png").arg(screenshotDir(), name)));
    panelAlone.setParent(nullptr);
}

int main(int argc, char **argv)
{
    // Without an X server the xcb platform would abort before the test can
    // say why it skips.
    if (Display *probe = XOpenDisplay(nullptr))
        XCloseDisplay(probe);
    else
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tst_CustomEventScreenshots test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_customeventscreenshots.moc"
