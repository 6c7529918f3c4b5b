#include "DDeviceListItem.h"
#include "ui_DDeviceListItem.h"

#include "DDataManager.h"
#include "FixedText.h"
#include "deviceNames.h"
#include "hidStructInfo.h"

#include <QDebug>
#include <QFontMetrics>

namespace {

const QSize kRowSize(190, 30);
constexpr int kRowNamePointSize = 12;
constexpr int kNameRoom = 150;

} // namespace

DDeviceListItem::DDeviceListItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DDeviceListItem)
{
    ui->setupUi(this);
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::CustomContextMenu);
    ui->frame->hide();
    setFixedSize(kRowSize);
}

DDeviceListItem::~DDeviceListItem()
{
    delete ui;
}

void DDeviceListItem::setDeviceInfo(int vid, int pid, QString hidPath, QString manufacturer, QString product,
                                    QString hidName, int hidType, QString information)
{
    m_vid = vid;
    m_pid = pid;
    m_hidPath = hidPath;
    m_manufacturer = manufacturer;
    m_product = product;
    m_hidName = hidName;
    m_hidType = hidType;
    m_information = information;

    // Any other type keeps the form's keyboard logo.
    if (hidType == kHidTypeKeyboard)
        ui->pushButton_DeviceLogo->setStyleSheet(
            QStringLiteral("QPushButton{border-image:url(:/images/softKeyboardDef.png);}"));
    else if (hidType == kHidTypeMouse)
        ui->pushButton_DeviceLogo->setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/images/MouseDef.png);}"));

    m_productName = deviceProductName(hidName);
    showProductName(ui->label_ProductName, m_productName, kRowNamePointSize);
    m_showName = deviceDisplayName(hidName);
    ui->label_DeviceName->setFont(deviceNameFont(kDeviceNameFontKind, kRowNamePointSize));
    ui->label_DeviceName->setText(elideText(ui->label_DeviceName->font(), m_showName, kNameRoom));

    const QString toolTip = m_productName + QLatin1Char(' ') + m_showName;
    ui->label_ProductName->setToolTip(toolTip);
    ui->label_DeviceName->setToolTip(toolTip);
}

void DDeviceListItem::setSelected(bool selected)
{
    ui->frame->setVisible(selected);
}

void DDeviceListItem::updateThemeStyle()
{
    const themeColorInfo colors = DDataManager::instance()->getThemeColor();
    ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame{ background-color: rgb(%1); }").arg(colors.DeviceListItemHorizontalBgColor));
    // The names keep the theme's text colour where it reads on the strip and
    // on a hovered row, else the nearest shade that reads on both.
    const QString text =
        themeColorInfo::readableText(colors.TextDefaultColor, QStringList{colors.DeviceListAreaDefaultBgColor,
                                                                          colors.DeviceListItemHoverBgColor});
    ui->frame_Device->setStyleSheet(QStringLiteral("QFrame#frame_Device:hover{background-color: rgb(%1);}"
                                                   "QLabel{color: rgb(%2);}")
                                        .arg(colors.DeviceListItemHoverBgColor, text));
    ui->label_ProductName->setFont(deviceNameFont(kProductNameFontKind, kRowNamePointSize));
    ui->label_DeviceName->setFont(deviceNameFont(kDeviceNameFontKind, kRowNamePointSize));
}

QString DDeviceListItem::getChipName() const
{
    for (const hidSupportInfo &support : DDataManager::instance()->getSupportHidList()) {
        bool vidOk = false;
        bool pidOk = false;
        const int vid = fixedText(support.Vid).toInt(&vidOk, 16);
        const int pid = fixedText(support.Pid).toInt(&pidOk, 16);
        if (vidOk && pidOk && vid == m_vid && pid == m_pid)
            return fixedText(support.nucName);
    }
    return QString();
}

QString DDeviceListItem::elideText(const QFont &font, const QString &text, int width)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) < width)
        return text;
    // The metrics keep a text that fits exactly whole; one pixel less cuts it.
    QString elided = metrics.elidedText(text, Qt::ElideRight, width);
    if (elided == text)
        elided = metrics.elidedText(text, Qt::ElideRight, width - 1);
    return elided;
}

void DDeviceListItem::on_pushButton_DeviceLogo_clicked()
{
    emit sigDeviceItemPressed();
}

void DDeviceListItem::mousePressEvent(QMouseEvent *)
{
    qDebug() << "----------------- *** mousePressEvent *** --------------";
    emit sigDeviceItemPressed();
}

void DDeviceListItem::mouseDoubleClickEvent(QMouseEvent *)
{
}
