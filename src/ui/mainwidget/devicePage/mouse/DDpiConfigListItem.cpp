#include "DDpiConfigListItem.h"

#include "DDataManager.h"
#include "ui_DDpiConfigListItem.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

namespace {

// The sniper caption's size, as its sheet sets it.
constexpr int kSniperPointSize = 8;

// Nearly transparent, so the row still takes the mouse over its whole area.
const QString kNormalBackground = QStringLiteral("0,0,0,1");

QString labelSheet(const QString &color, const QString &family)
{
    return QStringLiteral("color:%1;font:bold 8pt \"%2\";").arg(themeColorInfo::cssColor(color), family);
}

} // namespace

DDpiConfigListItem::DDpiConfigListItem(int level, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DDpiConfigListItem>())
    , m_level(level)
{
    ui->setupUi(this);
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    m_normalBg = kNormalBackground;
    m_hoverBg = theme.DeviceMouseDpiConfigItemHoverColor;
    m_selectedBg = theme.DeviceMouseDpiConfigItemSelectedColor;
    // The rows lie on the panel's colour, lit when hovered or selected: the
    // theme's text colours, or the nearest shade that reads on all of them.
    const QStringList rowBackgrounds{theme.DeviceBottomBgColor, m_hoverBg, m_selectedBg};
    m_textColor = themeColorInfo::readableText(theme.TextDefaultColor, rowBackgrounds);
    m_checkedColor = themeColorInfo::readableText(theme.TextCheckedColor, rowBackgrounds);
    m_fontFamily = theme.TextFont;

    ui->frame_3->hide();
    ui->checkBox_Select->setEnabled(true);
    ui->radioButton_hasSet->setEnabled(false);
    // One radio button per row: the view decides which row is active, so the
    // button must be able to show unchecked again.
    ui->radioButton_hasSet->setAutoExclusive(false);
    ui->stackedWidget_2->setCurrentWidget(level == SniperLevel ? ui->page_Sniper : ui->page_Select);
    if (level == SniperLevel) {
        ui->label_Sniper->setStyleSheet(labelSheet(m_checkedColor, m_fontFamily));
    }
    // The first column holds the sniper row's caption: a translation wider
    // than the column ("Francotirador") widens it in every row alike, so the
    // rows stay aligned.
    QFont sniperFont(m_fontFamily);
    sniperFont.setPointSize(kSniperPointSize);
    sniperFont.setBold(true);
    const int captionWidth = QFontMetrics(sniperFont).horizontalAdvance(ui->label_Sniper->text());
    if (captionWidth > ui->stackedWidget_2->maximumWidth()) {
        ui->stackedWidget_2->setMaximumWidth(captionWidth);
        ui->stackedWidget_2->setMinimumWidth(captionWidth);
    }
    setSelected(false);
    styleSwatch();
}

DDpiConfigListItem::~DDpiConfigListItem() = default;

void DDpiConfigListItem::setDpiInfo(dpiConfigInfo info, int activeLevel)
{
    m_info = info;
    setXYMode(info.isXY);
    ui->label_XandY->setText(QString::number(info.dpiX));
    ui->label_X->setText(QString::number(info.dpiX));
    ui->label_Y->setText(QString::number(info.dpiY));
    ui->checkBox_Select->setChecked(info.selectStatus != 0);
    if (info.selectStatus == 1)
        ui->radioButton_hasSet->setEnabled(true);
    ui->radioButton_hasSet->setChecked(false);
    if (info.index == activeLevel) {
        ui->checkBox_Select->hide();
        ui->radioButton_hasSet->setChecked(true);
    }
    m_color = QColor(info.dpiColorR, info.dpiColorG, info.dpiColorB, 255);
    styleSwatch();
}

void DDpiConfigListItem::setSelected(bool selected)
{
    if (selected) {
        ui->frame_DpiMain->setStyleSheet(
            QStringLiteral("QFrame#frame_DpiMain{background-color:%1;border-radius:5px;}")
                .arg(themeColorInfo::cssColor(m_selectedBg)));
    } else {
        ui->frame_DpiMain->setStyleSheet(QStringLiteral("QFrame#frame_DpiMain{background-color:%1;border-radius:5px;}"
                                                        "QFrame#frame_DpiMain:hover{background-color:%2;border-radius:5px;}")
                                             .arg(themeColorInfo::cssColor(m_normalBg),
                                                  themeColorInfo::cssColor(m_hoverBg)));
    }
    // Each value label carries its own sheet: the sheets of the panels
    // around the list do not decide its colour.
    const QString sheet = labelSheet(selected ? m_checkedColor : m_textColor, m_fontFamily);
    for (QLabel *label : valueLabels())
        label->setStyleSheet(sheet);
}

QList<QLabel *> DDpiConfigListItem::valueLabels() const
{
    return {ui->label, ui->label_X, ui->label_3, ui->label_Y, ui->label_8, ui->label_XandY};
}

void DDpiConfigListItem::setActive(bool active)
{
    ui->radioButton_hasSet->setChecked(active);
    ui->checkBox_Select->setVisible(!active);
}

void DDpiConfigListItem::setXYMode(int mode)
{
    m_info.isXY = mode;
    ui->stackedWidget->setCurrentWidget(mode == 1 ? ui->page_ConfigType2 : ui->page_ConfigType1);
}

void DDpiConfigListItem::setDpiXY(int value)
{
    m_info.dpiX = value;
    if (m_info.isXY == 0)
        m_info.dpiY = value;
    ui->label_XandY->setText(QString::number(value));
}

void DDpiConfigListItem::setDpiX(int value)
{
    m_info.dpiX = value;
    ui->label_X->setText(QString::number(value));
}

void DDpiConfigListItem::setDpiY(int value)
{
    m_info.dpiY = value;
    ui->label_Y->setText(QString::number(value));
}

void DDpiConfigListItem::setColor(const QColor &color)
{
    m_info.dpiColorR = color.red();
    m_info.dpiColorG = color.green();
    m_info.dpiColorB = color.blue();
    m_color = QColor(color.red(), color.green(), color.blue(), 255);
    styleSwatch();
    if (!m_pressed)
        emit sigDpiConfigHaveChanged();
}

void DDpiConfigListItem::setPressed(bool pressed)
{
    m_pressed = pressed;
}

void DDpiConfigListItem::emitItemClicked()
{
    emit sigDpiConfigItemMouseClicked(m_info.index);
}

void DDpiConfigListItem::emitSetToMouse()
{
    emit sigDpiConfigSetToMouse();
}

void DDpiConfigListItem::emitHaveChanged()
{
    emit sigDpiConfigHaveChanged();
}

void DDpiConfigListItem::mousePressEvent(QMouseEvent *event)
{
    emit sigDpiConfigItemMouseClicked(m_level);
    event->accept();
}

void DDpiConfigListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The press before it has chosen the row already.
    event->accept();
}

void DDpiConfigListItem::on_checkBox_Select_clicked()
{
    const bool enabled = ui->checkBox_Select->isChecked();
    m_info.selectStatus = enabled ? 1 : 0;
    ui->radioButton_hasSet->setEnabled(enabled);
    if (!enabled)
        ui->radioButton_hasSet->setChecked(false);
    emit sigDpiConfigHaveChanged();
}

void DDpiConfigListItem::on_radioButton_hasSet_clicked()
{
    emit sigDpiConfigSetToMouse();
}

void DDpiConfigListItem::styleSwatch()
{
    ui->frame_DpiColor->setStyleSheet(QStringLiteral("QFrame#frame_DpiColor{border-radius:3px;background-color:rgb(%1,%2,%3);}")
                                          .arg(m_color.red())
                                          .arg(m_color.green())
                                          .arg(m_color.blue()));
}
