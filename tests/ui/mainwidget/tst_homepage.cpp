// The home page: its layout for 0 to 4 devices, the links it opens, the
// company-link text and the picture pop-ups.
#include "DDataManager.h"
#include "DHomeDeviceListItem.h"
#include "DHomeDeviceListWidget.h"
#include "DHomePage.h"
#include "QRcodeShowTool.h"
#include "ui_DHomePage.h"

#include <QDesktopServices>
#include <QFrame>
#include <QUrl>
#include <QtTest>

#include <cstring>

namespace {

QList<hidStructInfo> devices(int n)
{
    QList<hidStructInfo> list;
    for (int i = 0; i < n; ++i) {
        hidStructInfo info;
        std::memset(&info, 0, sizeof info);
        info.vid = 0x0416;
        info.pid = 0xC345;
        fixedTextCopy(info.hidPath, QStringLiteral("/sys/devices/simulated/usb1/1-%1/1-%1:1.2").arg(i + 1));
        fixedTextCopy(info.hidName, QStringLiteral("Quissaro"));
        list.append(info);
    }
    return list;
}

int tileCount(DHomePage &page)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return page.deviceListWidget()->findChildren<DHomeDeviceListItem *>().size();
}

} // namespace

class tst_HomePage : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { m_opened.append(url.toString()); }

private:
    QStringList m_opened;

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    }
    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }
    void init() { m_opened.clear(); }

    void layoutByDeviceCount_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("tip");
        QTest::addColumn<bool>("topBottom");
        QTest::addColumn<bool>("leftRight");
        QTest::newRow("0") << 0 << true << true << true;
        QTest::newRow("1") << 1 << false << true << true;
        QTest::newRow("2") << 2 << false << true << false;
        QTest::newRow("3") << 3 << false << false << false;
        QTest::newRow("4") << 4 << false << false << false;
    }
    void layoutByDeviceCount()
    {
        QFETCH(int, n);
        QFETCH(bool, tip);
        QFETCH(bool, topBottom);
        QFETCH(bool, leftRight);
        DHomePage page;
        Ui::DHomePage *ui = page.form();
        emit page.sigHidDeviceListUpdateHome(devices(n));
        QCOMPARE(ui->stackedWidget->currentWidget(), tip ? ui->page_TipShow : ui->page_DeviceListShow);
        QCOMPARE(!ui->frame_Top->isHidden(), topBottom);
        QCOMPARE(!ui->frame_Bottom->isHidden(), topBottom);
        QCOMPARE(!ui->frame_Left->isHidden(), leftRight);
        QCOMPARE(!ui->frame_Right->isHidden(), leftRight);
        QCOMPARE(tileCount(page), n);
    }

    // No device after two: the tip page, the old tiles stay behind it; one
    // device then replaces them with all four spacer frames shown.
    void emptyListKeepsTheOldTiles()
    {
        DHomePage page;
        Ui::DHomePage *ui = page.form();
        emit page.sigHidDeviceListUpdateHome(devices(2));
        emit page.sigHidDeviceListUpdateHome({});
        QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_TipShow);
        QCOMPARE(tileCount(page), 2);
        emit page.sigHidDeviceListUpdateHome(devices(1));
        QCOMPARE(tileCount(page), 1);
        QVERIFY(!ui->frame_Left->isHidden() && !ui->frame_Top->isHidden());
    }

    // A theme change lays the page out from the list it received, not from
    // one it was only shown.
    void themeUsesTheReceivedList()
    {
        DHomePage page;
        page.showHidDeviceList(devices(2));
        QCOMPARE(page.form()->stackedWidget->currentWidget(), page.form()->page_DeviceListShow);
        page.changAppTheme();
        QCOMPARE(page.form()->stackedWidget->currentWidget(), page.form()->page_TipShow);
    }

    void tileClickGivesThePath()
    {
        DHomePage page;
        emit page.sigHidDeviceListUpdateHome(devices(2));
        QSignalSpy clicked(&page, &DHomePage::sigHomePage);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DHomeDeviceListItem *second = page.deviceListWidget()->findChildren<DHomeDeviceListItem *>().value(1);
        QVERIFY(second);
        QTest::mouseClick(second, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().toString(), QString::fromUtf8(devices(2).at(1).hidPath));
    }

    void linksOpenInTheBrowser_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("url");
        QTest::newRow("web") << "pushButton_Pardex" << "https://www.velmora.example/";
        QTest::newRow("JD") << "pushButton_JD" << "https://shop.velmora.example/jd/";
        QTest::newRow("TaoBao") << "pushButton_TaoBao" << "https://shop.velmora.example/taobao/";
    }
    void linksOpenInTheBrowser()
    {
        QFETCH(QString, button);
        QFETCH(QString, url);
        DHomePage page;
        QVERIFY(!page.form()->frame_Link->isHidden()); // shown by the shipped defaults
        page.findChild<QPushButton *>(button)->click();
        QCOMPARE(m_opened, QStringList{url});
    }

    void companyLinks()
    {
        DHomePage page;
        QVERIFY(!page.form()->frame_4->isHidden());
        emit page.form()->label_CompanyLink->linkActivated(QStringLiteral("Company|ignored|"));
        QCOMPARE(m_opened, QStringList{QStringLiteral("https://www.velmora.example/")});
        emit page.form()->label_CompanyLink_EN->linkActivated(QString());
        QCOMPARE(m_opened.last(), QStringLiteral("https://www.velmora.example/en/"));
        const themeColorInfo c = DDataManager::instance()->getThemeColor();
        QVERIFY(page.form()->label_CompanyLink->text().contains(
            QStringLiteral("color:rgb(%1);\">https://www.velmora.example/</span>").arg(c.TextCheckedColor)));
        QCOMPARE(page.form()->label_CompanyLink->alignment(), Qt::AlignCenter);

        // The English label never shows, whatever happens.
        page.show();
        page.updataAllUI();
        page.changAppTheme();
        QVERIFY(page.form()->label_CompanyLink_EN->isHidden());
    }

    // A link is data: it never becomes markup of its own.
    void companyLinkTextIsEscaped()
    {
        const QString text =
            DHomePage::companyLinkText(QStringLiteral("https://x.example/?a=1&b=<b>bold</b>\""), "1,2,3", "Font");
        QVERIFY(text.contains(QStringLiteral("a=1&amp;b=&lt;b&gt;bold&lt;/b&gt;&quot;")));
        QVERIFY(!text.contains(QStringLiteral("<b>")));
        QVERIFY(text.contains(QStringLiteral("color:rgb(1,2,3);")));
        QVERIFY(text.contains(QStringLiteral("font-family:\"Font\"")));
    }

    // Right above the button, centred on it; a new click replaces the
    // pop-up, and the old one is gone.
    void picturePopups_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("picture");
        QTest::newRow("WeChat") << "pushButton_WeChatPublic" << ":/images/LoadImages/WeChatQR.png";
        QTest::newRow("WeiBo") << "pushButton_WeiBo" << ":/images/LoadImages/WeiBoQR.png";
    }
    void picturePopups()
    {
        QFETCH(QString, button);
        QFETCH(QString, picture);
        DHomePage page;
        page.resize(1200, 700);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(!page.currentPopup());
        page.onCloseMenuWidow(); // nothing to hide yet

        auto *b = page.findChild<QPushButton *>(button);
        b->click();
        QPointer<ArrowWidget> first = page.currentPopup();
        QVERIFY(first);
        QCOMPARE(first->size(), QSize(200, 200));
        QCOMPARE(first->arrowOffset(), 93);
        QCOMPARE(first->arrowDirection(), 1);
        const QPoint anchor = b->mapToGlobal(QPoint(b->width() / 2, b->height() - 5));
        QCOMPARE(first->pos(), anchor - QPoint(100, b->height() + 195));
        auto *box = first->findChild<QRcodeShowTool *>();
        QVERIFY(box);
        QCOMPARE(box->imageFrame()->size(), QSize(145, 145));
        QCOMPARE(box->imageFrame()->styleSheet(), QStringLiteral("border-image: url(%1);").arg(picture));

        b->click();
        QVERIFY(!first);
        QVERIFY(page.currentPopup());
        page.onCloseMenuWidow();
        QVERIFY(page.currentPopup()->isHidden());
    }

    void themeColours()
    {
        DHomePage page;
        page.changAppTheme();
        const themeColorInfo c = DDataManager::instance()->getThemeColor();
        QCOMPARE(page.form()->frame->styleSheet(), QStringLiteral("QFrame#frame{ background-color: rgb(%1);}").arg(c.HomeBgColor));
        QCOMPARE(page.form()->label_Tip->styleSheet(), QStringLiteral("QLabel#label_Tip { color:rgb(%1);}").arg(c.TextCheckedColor));
        QCOMPARE(page.form()->label_Tip->font().pointSize(), 22);
        QVERIFY(page.form()->frame_Link->styleSheet().contains(QStringLiteral("border-left:3px solid rgb(%1)").arg(c.HomeScrollBarBgColor)));
        QVERIFY(page.form()->widget_4->styleSheet().contains(QStringLiteral("background:rgb(%1)").arg(c.HomeScrollBarBgColor)));
    }
};

QTEST_MAIN(tst_HomePage)
#include "tst_homepage.moc"
