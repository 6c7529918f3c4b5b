#include "DMouseLightPage.h"

#include "DDataManager.h"
#include "mouseLayoutFile.h"
#include "mouseLightButtonCustom.h"
#include "ui_DMouseLightPage.h"
#include "xmlInterface.h"

#include <QCoreApplication>
#include <QFile>

namespace {

constexpr int kLightPageWidth = 700;
constexpr int kLightPageHeight = 280;
constexpr int kLinked = 1;

} // namespace

DMouseLightPage::DMouseLightPage(const QString &modelName, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DMouseLightPage>())
{
    ui->setupUi(this);
    setFixedSize(kLightPageWidth, kLightPageHeight);
    setFocusPolicy(Qt::StrongFocus);
    for (QWidget *unused : {static_cast<QWidget *>(ui->checkBox_ScrollLink), static_cast<QWidget *>(ui->checkBox_LogoLink),
                            static_cast<QWidget *>(ui->line), static_cast<QWidget *>(ui->line_2),
                            static_cast<QWidget *>(ui->line_3), static_cast<QWidget *>(ui->line_4),
                            static_cast<QWidget *>(ui->line_5)})
        unused->hide();
    // The same picture file as the buttons page, beside the program.
    const QString picture = QCoreApplication::applicationDirPath() + QStringLiteral("/images/hidImages/Keyboard_")
        + modelName + QStringLiteral(".png");
    ui->frame_Mouse->setStyleSheet(QStringLiteral("border-image: url(\"%1\");").arg(picture));
    setToolTips();
}

DMouseLightPage::~DMouseLightPage() = default;

void DMouseLightPage::setToolTips()
{
    ui->toolButton_AroundType->setToolTip(tr("Light Around"));
    ui->toolButton_ScrollType->setToolTip(tr("Scroll"));
    ui->toolButton_LogoType->setToolTip(tr("Logo"));
}

void DMouseLightPage::loadMouseInfo(const QString &modelName)
{
    qDeleteAll(m_leds);
    m_leds.clear();
    mouseLayoutFile layout;
    if (!layout.loadModel(modelName))
        return;
    // One dot per LED, drawn or not: the engine addresses LEDs by position.
    for (const mouseLedInfo &led : layout.leds()) {
        auto *dot = new mouseLightButtonCustom(this);
        dot->setLedSize(led.Width, led.Height);
        dot->setGeometry(led.PosX, led.PosY, led.Width, led.Height);
        dot->setLedInfo(led.Index, led.validStatus, led.SidePosition);
        dot->show();
        m_leds.append(dot);
    }
}

void DMouseLightPage::setXmlInfo(const char *profilePath, xmlInterface *store)
{
    // A path cut to a fixed buffer would name another file.
    m_profilePath = profilePath ? QFile::decodeName(profilePath) : QString();
    m_store = store;
}

void DMouseLightPage::setProfileIndex(int index)
{
    m_profileIndex = index;
}

QByteArray DMouseLightPage::profileText() const
{
    return QByteArray::number(m_profileIndex);
}

void DMouseLightPage::loadLinkStatus()
{
    m_scrollLink = m_store ? m_store->getLightLinkStatus(m_profilePath, profileText(), Scroll) : 0;
    const bool scroll = m_scrollLink == kLinked;
    ui->toolButton_AroundType->setChecked(scroll);
    ui->toolButton_ScrollType->setChecked(scroll);
    ui->pushButton_LinkScroll->setChecked(scroll);
    emit sigScrollLinkStatus(m_scrollLink);

    m_logoLink = m_store ? m_store->getLightLinkStatus(m_profilePath, profileText(), Logo) : 0;
    const bool logo = m_logoLink == kLinked;
    ui->toolButton_AroundType->setChecked(logo);
    ui->toolButton_LogoType->setChecked(logo);
    ui->pushButton_LinkLogo->setChecked(logo);
    emit sigLogoLinkStatus(m_logoLink);

    ui->toolButton_AroundType->setChecked(true);
}

void DMouseLightPage::on_toolButton_AroundType_clicked()
{
    ui->toolButton_AroundType->setChecked(true);
    ui->toolButton_ScrollType->setChecked(m_scrollLink == kLinked);
    ui->toolButton_LogoType->setChecked(m_logoLink == kLinked);
    m_currentZone = Around;
    emit sigSelectMouseLightType(Around);
}

void DMouseLightPage::on_toolButton_ScrollType_clicked()
{
    ui->toolButton_ScrollType->setChecked(true);
    ui->toolButton_AroundType->setChecked(m_scrollLink == kLinked);
    ui->toolButton_LogoType->setChecked(m_scrollLink == kLinked && m_logoLink == kLinked);
    m_currentZone = Scroll;
    emit sigSelectMouseLightType(Scroll);
}

void DMouseLightPage::on_toolButton_LogoType_clicked()
{
    ui->toolButton_LogoType->setChecked(true);
    ui->toolButton_AroundType->setChecked(m_logoLink == kLinked);
    ui->toolButton_ScrollType->setChecked(m_scrollLink == kLinked && m_logoLink == kLinked);
    m_currentZone = Logo;
    emit sigSelectMouseLightType(Logo);
}

void DMouseLightPage::storeLink(int zone, int linked)
{
    // A state that cannot be stored goes on as chosen; the store logs it.
    if (m_store)
        m_store->setLightLinkStatus(m_profilePath, profileText(), zone, linked);
}

void DMouseLightPage::on_pushButton_LinkScroll_clicked()
{
    const int linked = ui->pushButton_LinkScroll->isChecked() ? kLinked : 0;
    storeLink(Scroll, linked);
    m_scrollLink = linked;
    emit sigScrollLinkStatus(linked);

    if (linked == kLinked) {
        if (m_currentZone == Logo) {
            on_toolButton_LogoType_clicked();
        } else {
            ui->toolButton_AroundType->setChecked(true);
            ui->toolButton_ScrollType->setChecked(true);
            on_toolButton_AroundType_clicked();
        }
        ui->pushButton_LinkScroll->setChecked(true);
        if (m_logoLink == kLinked)
            ui->toolButton_LogoType->setChecked(true);
        return;
    }
    ui->toolButton_ScrollType->setChecked(false);
    ui->pushButton_LinkScroll->setChecked(false);
    if (m_logoLink == kLinked)
        return;
    if (ui->toolButton_LogoType->isChecked()) {
        m_currentZone = Logo;
    } else {
        m_currentZone = Around;
        ui->toolButton_AroundType->setChecked(true);
    }
}

void DMouseLightPage::on_pushButton_LinkLogo_clicked()
{
    const int linked = ui->pushButton_LinkLogo->isChecked() ? kLinked : 0;
    storeLink(Logo, linked);
    m_logoLink = linked;
    emit sigLogoLinkStatus(linked);

    if (linked == kLinked) {
        if (m_currentZone == Scroll) {
            on_toolButton_ScrollType_clicked();
        } else {
            ui->toolButton_AroundType->setChecked(true);
            ui->toolButton_LogoType->setChecked(true);
            on_toolButton_AroundType_clicked();
        }
        ui->pushButton_LinkLogo->setChecked(true);
        if (m_scrollLink == kLinked)
            ui->toolButton_ScrollType->setChecked(true);
        return;
    }
    ui->toolButton_LogoType->setChecked(false);
    ui->pushButton_LinkLogo->setChecked(false);
    if (m_scrollLink == kLinked)
        return;
    if (ui->toolButton_ScrollType->isChecked()) {
        m_currentZone = Scroll;
    } else {
        m_currentZone = Around;
        ui->toolButton_AroundType->setChecked(true);
    }
}

void DMouseLightPage::retranslate()
{
    setToolTips();
    ui->retranslateUi(this);
}

void DMouseLightPage::updateTheme()
{
    const QString background = themeColorInfo::cssColor(DDataManager::instance()->getThemeColor().DeviceMouseBgColor);
    ui->frame_bg->setStyleSheet(
        QStringLiteral("QFrame#frame_bg{border:1px solid %1;background-color:%1;}").arg(background));
}

void DMouseLightPage::setLightDisabled(int off)
{
    ui->frame_4->setEnabled(off != 1);
}
