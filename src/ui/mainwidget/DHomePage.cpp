#include "DHomePage.h"
#include "ui_DHomePage.h"

#include "ArrowWidget.h"
#include "DDataManager.h"
#include "DHomeDeviceListWidget.h"
#include "QRcodeShowTool.h"
#include "SettingsKeys.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QSettings>
#include <QUrl>

namespace {

constexpr int kListPageWidth = 1000;
constexpr int kLinkColumnSpacing = 60;
constexpr char kWeChatPicture[] = ":/images/LoadImages/WeChatQR.png";
constexpr char kWeiBoPicture[] = ":/images/LoadImages/WeiBoQR.png";
// The pop-up: arrow on the bottom edge, its tip over the button's centre.
constexpr int kPopupDirection = 1;
constexpr int kPopupSide = 200;
constexpr int kPopupArrowOffset = 93;
constexpr int kPopupLift = 195;

} // namespace

DHomePage::DHomePage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DHomePage)
    , m_webLink(QString::fromLatin1(SettingsKeys::DefaultWebUrl))
    , m_jdLink(QString::fromLatin1(SettingsKeys::DefaultJdUrl))
    , m_taoBaoLink(QString::fromLatin1(SettingsKeys::DefaultTaoBaoUrl))
    , m_companyLink(QString::fromLatin1(SettingsKeys::DefaultMainPageCompanyLink))
    , m_companyLinkEN(QString::fromLatin1(SettingsKeys::DefaultMainPageCompanyLinkEN))
{
    ui->setupUi(this);
    for (QPushButton *button : {ui->pushButton_Pardex, ui->pushButton_JD, ui->pushButton_TaoBao,
                                ui->pushButton_WeChatPublic, ui->pushButton_WeiBo})
        button->setCursor(Qt::PointingHandCursor);
    ui->page_DeviceListShow->setFixedWidth(kListPageWidth);
    ui->gridLayout->setVerticalSpacing(kLinkColumnSpacing);

    m_deviceListWidget = new DHomeDeviceListWidget(ui->scrollAreaWidgetContents);
    ui->verticalLayout_3->addWidget(m_deviceListWidget);
    connect(m_deviceListWidget, &DHomeDeviceListWidget::sigHidStructInfoListWidget, this, &DHomePage::sigHomePage);
    connect(this, &DHomePage::sigHidDeviceListUpdateHome, this, &DHomePage::onHidDeviceListUpdateHome);

    readLinks();
    ui->label_CompanyLink_EN->hide();
}

DHomePage::~DHomePage()
{
    delete ui;
}

void DHomePage::readLinks()
{
    QSettings defaults(QString::fromLatin1(SettingsKeys::DefaultSettingsPath), QSettings::IniFormat);
    defaults.setIniCodec("UTF-8");
    const auto readText = [&defaults](const char *key, QString &target) {
        if (defaults.contains(QLatin1String(key)))
            target = defaults.value(QLatin1String(key)).toString();
    };
    readText(SettingsKeys::WebUrl, m_webLink);
    readText(SettingsKeys::JdUrl, m_jdLink);
    readText(SettingsKeys::TaoBaoUrl, m_taoBaoLink);
    ui->frame_Link->setVisible(defaults.value(QLatin1String(SettingsKeys::HomeLinkShow), false).toBool());

    connect(ui->label_CompanyLink, &QLabel::linkActivated, this, &DHomePage::onLickActivited, Qt::DirectConnection);
    connect(ui->label_CompanyLink_EN, &QLabel::linkActivated, this, &DHomePage::onLickActivited_EN,
            Qt::DirectConnection);
    if (defaults.value(QLatin1String(SettingsKeys::MainPageCompanyLinkShow), false).toBool()) {
        readText(SettingsKeys::MainPageCompanyLink, m_companyLink);
        readText(SettingsKeys::MainPageCompanyLinkEN, m_companyLinkEN);
        applyCompanyLinkTexts();
        ui->frame_4->show();
    } else {
        ui->frame_4->hide();
    }
}

QString DHomePage::companyLinkText(const QString &link, const QString &colour, const QString &fontFamily)
{
    // The link is data: it must not become markup of its own.
    return tr("<span style=\"font-family:\"%3\";font-size:14pt; color:#ff6666;\"></span><a "
              "href=\"Company|%1|\"><span style=\"font-size:14pt; text-decoration:underline; "
              "color:rgb(%2);\">%1</span>")
        .arg(link.toHtmlEscaped(), colour.toHtmlEscaped(), fontFamily.toHtmlEscaped());
}

void DHomePage::applyCompanyLinkTexts()
{
    const themeColorInfo colors = DDataManager::instance()->getThemeColor();
    const QString linkColour = themeColorInfo::readableText(colors.TextCheckedColor, colors.HomeBgColor);
    ui->label_CompanyLink->setText(companyLinkText(m_companyLink, linkColour, colors.TextFont));
    ui->label_CompanyLink->setAlignment(Qt::AlignCenter);
    ui->label_CompanyLink_EN->setText(companyLinkText(m_companyLinkEN, linkColour, colors.TextFont));
    ui->label_CompanyLink_EN->setAlignment(Qt::AlignCenter);
}

void DHomePage::showHidDeviceList(QList<hidStructInfo> list)
{
    const int n = list.size();
    if (n == 0) {
        ui->stackedWidget->setCurrentWidget(ui->page_TipShow);
        return;
    }
    ui->stackedWidget->setCurrentWidget(ui->page_DeviceListShow);
    ui->frame_Top->setVisible(n <= 2);
    ui->frame_Bottom->setVisible(n <= 2);
    ui->frame_Left->setVisible(n == 1);
    ui->frame_Right->setVisible(n == 1);
    m_deviceListWidget->setHidDeviceList(list);
}

void DHomePage::updataAllUI()
{
    ui->retranslateUi(this);
    applyCompanyLinkTexts();
}

void DHomePage::changAppTheme()
{
    const themeColorInfo colors = DDataManager::instance()->getThemeColor();
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{ background-color: rgb(%1);}").arg(colors.HomeBgColor));
    ui->widget_4->setStyleSheet(
        QStringLiteral("QScrollBar:vertical{background:transparent;width:3px;margin:3px 0px 3px 0px;}"
                       "QScrollBar::handle:vertical{background:rgba(0,0,0,20%);min-height:20px;border-radius:1px;}"
                       "QScrollBar::handle:vertical:hover{background:rgba(0,0,0,30%);}"
                       "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
                       "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:rgb(%1);"
                       "border-radius:3px;}")
            .arg(colors.HomeScrollBarBgColor));
    ui->scrollArea->setStyleSheet(
        QStringLiteral("QScrollArea#scrollArea{background-color: rgb(%1);}").arg(colors.HomeBgColor));
    ui->scrollAreaWidgetContents->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents{background-color: rgb(%1);}").arg(colors.HomeBgColor));
    ui->frame_Link->setStyleSheet(
        QStringLiteral("QFrame#frame_Link{border:none; border-left:3px solid rgb(%1);}").arg(colors.HomeScrollBarBgColor));
    // The theme's colour, or the nearest shade that reads on the page.
    ui->label_Tip->setStyleSheet(QStringLiteral("QLabel#label_Tip { color:rgb(%1);}")
                                     .arg(themeColorInfo::readableText(colors.TextCheckedColor, colors.HomeBgColor)));
    QFont font = DDataManager::instance()->getFont(0);
    font.setPointSize(22);
    ui->label_Tip->setFont(font);
    showHidDeviceList(m_hidList);
    applyCompanyLinkTexts();
}

void DHomePage::onHidDeviceListUpdateHome(QList<hidStructInfo> list)
{
    m_hidList = list;
    showHidDeviceList(list);
}

void DHomePage::onCloseMenuWidow()
{
    if (m_popup)
        m_popup->hide();
}

void DHomePage::openLink(const QString &link)
{
    const QUrl url(link, QUrl::TolerantMode);
    if (url.isEmpty() || !url.isValid())
        return;
    QDesktopServices::openUrl(url);
}

void DHomePage::onLickActivited(QString)
{
    openLink(m_companyLink);
}

void DHomePage::onLickActivited_EN(QString)
{
    openLink(m_companyLinkEN);
}

void DHomePage::on_pushButton_Pardex_clicked()
{
    openLink(m_webLink);
}

void DHomePage::on_pushButton_JD_clicked()
{
    openLink(m_jdLink);
}

void DHomePage::on_pushButton_TaoBao_clicked()
{
    openLink(m_taoBaoLink);
}

void DHomePage::on_pushButton_WeChatPublic_clicked()
{
    showPicturePopup(ui->pushButton_WeChatPublic, QString::fromLatin1(kWeChatPicture));
}

void DHomePage::on_pushButton_WeiBo_clicked()
{
    showPicturePopup(ui->pushButton_WeiBo, QString::fromLatin1(kWeiBoPicture));
}

// A new pop-up each time, right above the button; the previous one goes.
void DHomePage::showPicturePopup(QPushButton *button, const QString &picture)
{
    delete m_popup;
    auto *box = new QRcodeShowTool(this);
    box->setImagePath(picture);
    m_popup = new ArrowWidget(kPopupDirection, this);
    m_popup->setPopupSize(kPopupSide, kPopupSide);
    m_popup->setArrowOffset(kPopupArrowOffset);
    m_popup->setContentWidget(box);
    const QPoint anchor = button->mapToGlobal(QPoint(button->width() / 2, button->height() - 5));
    m_popup->move(anchor - QPoint(kPopupSide / 2, button->height() + kPopupLift));
    m_popup->show();
    m_popup->activateWindow();
}

void DHomePage::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over the page never reach the window's edge handling.
    event->accept();
}
