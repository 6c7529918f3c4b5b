#pragma once

// The eleven key-function pages behind one driver each, so one table can run
// the same actions on all of them: set up for a key of a file, make the
// page's own choice, press OK or Cancel.

#include "DChangProfilePage.h"
#include "DChangeKeyPage.h"
#include "DHotKeyPage.h"
#include "DKeyCombinationPage.h"
#include "DKeyDisablePage.h"
#include "DKeyWithAppPage.h"
#include "DKeyWithTextPage.h"
#include "DMacroCmdPage.h"
#include "DMouseKeyPage.h"
#include "DMultimediaPage.h"
#include "DResetDefaultPage.h"
#include "keyFunctionTestFixture.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <memory>

struct PageDriver
{
    std::unique_ptr<QWidget> page;
    bool onboardCapable = false;
    // Points the page at a key of a file and profile, loads it, then sets the
    // on-board flag (the device page's calling order).
    std::function<void(const QString &file, int profile, int onboard)> setUp;
    std::function<void()> choose; // the page's own choice; none for the reset and disable pages

    QPushButton *button(const char *name) const { return page->findChild<QPushButton *>(QLatin1String(name)); }
    void ok() const { button("pushButton_OK")->click(); }
    void cancel() const { button("pushButton_Cancel")->click(); }
    bool buttonsShown() const { return page->findChild<QFrame *>(QStringLiteral("frame"))->isVisibleTo(page.get()); }
    template <class T>
    T *child(const char *name) const
    {
        return page->findChild<T *>(QLatin1String(name));
    }
};

namespace pageDriverDetail {

template <class Page>
void setUpCommon(Page *page, KeyFunctionFixture &f, const QString &file, int profile)
{
    page->setProfileIndex(profile);
    page->setHidInterfaceAndXml(nullptr, &f.xml);
    page->setCurrentKey(qMakePair(KeyFunctionFixture::kKey, QStringLiteral("A")));
    page->setFilePaths(QFile::encodeName(f.macroPath).constData(), QFile::encodeName(file).constData());
}

} // namespace pageDriverDetail

inline void clickRadio(const PageDriver &d, const char *name)
{
    d.child<QRadioButton>(name)->click();
}

inline void selectData(QComboBox *combo, const QString &data)
{
    combo->setCurrentIndex(combo->findData(data));
}

// Every page's driver, by page class name.
inline PageDriver makeDriver(const QString &name, KeyFunctionFixture &f, const QString &program = QString())
{
    PageDriver d;
    const auto common = [&f](auto *page, const QString &file, int profile) {
        pageDriverDetail::setUpCommon(page, f, file, profile);
    };
    if (name == QLatin1String("DResetDefaultPage")) {
        auto *page = new DResetDefaultPage;
        d.page.reset(page);
        d.onboardCapable = true;
        d.setUp = [page, common](const QString &file, int profile, int onboard) {
            common(page, file, profile);
            page->setOnboardMode(onboard);
        };
        d.choose = [] {};
    } else if (name == QLatin1String("DChangeKeyPage")) {
        auto *page = new DChangeKeyPage;
        d.page.reset(page);
        d.onboardCapable = true;
        d.setUp = [page, common](const QString &file, int profile, int onboard) {
            common(page, file, profile);
            page->setKeyNameMap(testKeyNames());
            page->loadCurrentKeyFunction();
            page->setOnboardMode(onboard);
        };
        d.choose = [page] { page->setCapturedKey(5); };
    } else if (name == QLatin1String("DMacroCmdPage")) {
        auto *page = new DMacroCmdPage;
        d.page.reset(page);
        d.onboardCapable = true;
        d.setUp = [page, common](const QString &file, int profile, int onboard) {
            common(page, file, profile);
            page->loadCurrentKeyFunction();
            page->setOnboardMode(onboard);
        };
        d.choose = [page] {
            selectData(page->findChild<QComboBox *>(QStringLiteral("comboBox_Macro")), QStringLiteral("5"));
            page->findChild<QRadioButton *>(QStringLiteral("radioButton_playMany"))->click();
            page->findChild<QLineEdit *>(QStringLiteral("lineEdit_playMany"))->setText(QStringLiteral("12"));
        };
    } else if (name == QLatin1String("DKeyCombinationPage")) {
        auto *page = new DKeyCombinationPage;
        d.page.reset(page);
        d.onboardCapable = true;
        d.setUp = [page, common](const QString &file, int profile, int onboard) {
            common(page, file, profile);
            page->setKeyNameMap(testKeyNames());
            page->loadCurrentKeyFunction();
            page->setOnboardMode(onboard);
        };
        d.choose = [page] {
            page->addCapturedKey(224);
            page->addCapturedKey(5);
        };
    } else if (name == QLatin1String("DMultimediaPage")) {
        auto *page = new DMultimediaPage;
        d.page.reset(page);
        d.onboardCapable = true;
        d.setUp = [page, common](const QString &file, int profile, int onboard) {
            common(page, file, profile);
            page->loadCurrentKeyFunction();
            page->setOnboardMode(onboard);
        };
        d.choose = [page] { page->findChild<QRadioButton *>(QStringLiteral("radioButton_mute"))->click(); };
    } else if (name == QLatin1String("DMouseKeyPage")) {
        auto *page = new DMouseKeyPage;
        d.page.reset(page);
        d.onboardCapable = true;
        d.setUp = [page, common](const QString &file, int profile, int onboard) {
            common(page, file, profile);
            page->loadCurrentKeyFunction();
            page->setDeviceType(0);
            page->setOnboardMode(onboard);
        };
        d.choose = [page] { page->findChild<QRadioButton *>(QStringLiteral("radioButton_mouseWheelUp"))->click(); };
    } else if (name == QLatin1String("DKeyDisablePage")) {
        auto *page = new DKeyDisablePage;
        d.page.reset(page);
        d.setUp = [page, common](const QString &file, int profile, int) {
            common(page, file, profile);
            page->loadCurrentKeyFunction();
        };
        d.choose = [] {};
    } else if (name == QLatin1String("DKeyWithTextPage")) {
        auto *page = new DKeyWithTextPage;
        d.page.reset(page);
        d.setUp = [page, common](const QString &file, int profile, int) {
            common(page, file, profile);
            page->loadCurrentKeyFunction();
        };
        d.choose = [page] {
            page->findChild<QPlainTextEdit *>(QStringLiteral("textEdit_keyText"))->setPlainText(QStringLiteral("typed"));
        };
    } else if (name == QLatin1String("DChangProfilePage")) {
        auto *page = new DChangProfilePage;
        d.page.reset(page);
        d.setUp = [page, common](const QString &file, int profile, int) {
            common(page, file, profile);
            page->loadCurrentKeyFunction();
        };
        d.choose = [page] {
            selectData(page->findChild<QComboBox *>(QStringLiteral("comboBox_Profile")), QStringLiteral("2"));
        };
    } else if (name == QLatin1String("DKeyWithAppPage")) {
        auto *page = new DKeyWithAppPage;
        d.page.reset(page);
        page->setFileDialog([program](QWidget *, const QString &, const QString &, const QString &) { return program; });
        d.setUp = [page, common](const QString &file, int profile, int) {
            common(page, file, profile);
            page->loadCurrentKeyFunction();
        };
        d.choose = [page] { page->findChild<QPushButton *>(QStringLiteral("pushButton_selectAppPath"))->click(); };
    } else if (name == QLatin1String("DHotKeyPage")) {
        auto *page = new DHotKeyPage;
        d.page.reset(page);
        d.setUp = [page, common](const QString &file, int profile, int) {
            common(page, file, profile);
            page->loadCurrentKeyFunction();
        };
        d.choose = [page] { page->findChild<QRadioButton *>(QStringLiteral("radioButton_Find"))->click(); };
    }
    return d;
}

// The signals every page shares, counted.
struct PageSignals
{
    explicit PageSignals(QWidget *page)
        : update(page, SIGNAL(sigShoudUpdateKeyboard(int)))
        , saved(page, SIGNAL(sigCustomKeyInfoSaveSuccessful()))
        , failed(page, SIGNAL(sigCustomKeyInfoSaveFailed(QString)))
        , cancelled(page, SIGNAL(sigClickedCancel()))
    {
    }
    QSignalSpy update;
    QSignalSpy saved;
    QSignalSpy failed;
    QSignalSpy cancelled;
};
