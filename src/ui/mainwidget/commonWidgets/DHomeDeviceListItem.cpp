#include "DHomeDeviceListItem.h"
#include "ui_DHomeDeviceListItem.h"

#include "DDataManager.h"
#include "deviceNames.h"
#include "hidStructInfo.h"

#include <QCoreApplication>

namespace {

constexpr int kTileNamePointSize = 14;
constexpr int kMousePictureWidth = 80;

// Keyboards whose picture is narrower than the others get a fixed width.
// None of the shipped models needs one: their pictures are all wide.
struct FixedPictureWidth
{
    const char *hidName;
    int width;
};
constexpr FixedPictureWidth kFixedPictureWidths[] = {
    {"NarrowPad", 155},
    {"CompactPad", 125},
};

// A quoted url, so a path with blanks or brackets still parses.
QString styleSheetUrl(const QString &path)
{
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

DHomeDeviceListItem::DHomeDeviceListItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DHomeDeviceListItem)
{
    ui->setupUi(this);
    const themeColorInfo colors = DDataManager::instance()->getThemeColor();
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{background-color: rgb(%1); border-radius: 15px;}"
                                            "QFrame#frame:hover{border: 1px solid rgb(%2);}")
                                 .arg(colors.HomeDeviceItemBgColor, colors.HomeDeviceItemBorderColor));
    ui->frame_3->setStyleSheet(QStringLiteral("QLabel#label_ProductName{color: rgb(%1);}"
                                              "QLabel#label_DeviceName{color: rgb(%2);}")
                                   .arg(themeColorInfo::readableText(colors.HomeDeviceItemProductTextColor,
                                                                     colors.HomeDeviceItemBgColor),
                                        themeColorInfo::readableText(colors.HomeDeviceItemNameTextColor,
                                                                     colors.HomeDeviceItemBgColor)));
}

DHomeDeviceListItem::~DHomeDeviceListItem()
{
    delete ui;
}

int DHomeDeviceListItem::pictureWidth(int hidType, const QString &hidName)
{
    if (hidType == kHidTypeMouse)
        return kMousePictureWidth;
    if (hidType == kHidTypeKeyboard) {
        for (const FixedPictureWidth &entry : kFixedPictureWidths) {
            if (hidName == QLatin1String(entry.hidName))
                return entry.width;
        }
    }
    return -1;
}

QString DHomeDeviceListItem::picturePath(const QString &hidName)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images/hidImages/Keyboard_") + hidName
        + QStringLiteral(".png");
}

void DHomeDeviceListItem::setDeviceInfo(int vid, int pid, QString hidPath, QString manufacturer, QString product,
                                        QString hidName, int hidType)
{
    m_vid = vid;
    m_pid = pid;
    m_hidPath = hidPath;
    m_manufacturer = manufacturer;
    m_product = product;
    m_hidName = hidName;
    m_hidType = hidType;

    // A missing file leaves the frame empty.
    ui->frame_DeviceLogo->setStyleSheet(
        QStringLiteral("QFrame#frame_DeviceLogo{border-image: url(%1);}").arg(styleSheetUrl(picturePath(hidName))));
    const int width = pictureWidth(hidType, hidName);
    if (width >= 0)
        ui->frame_DeviceLogo->setFixedWidth(width);

    showProductName(ui->label_ProductName, deviceProductName(hidName), kTileNamePointSize);
    ui->label_DeviceName->setFont(deviceNameFont(kDeviceNameFontKind, kTileNamePointSize));
    ui->label_DeviceName->setText(deviceDisplayName(hidName));
}

void DHomeDeviceListItem::mousePressEvent(QMouseEvent *)
{
    emit sigHomeDeviceListItemMouseClicked(m_hidPath);
}
