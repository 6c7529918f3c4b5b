#include "DCatchKeyAndMouseItem.h"

#include "DDataManager.h"
#include "cssColor.h"
#include "macroEventRules.h"

#include "ui_DCatchKeyAndMouseItem.h"

#include <QMouseEvent>

namespace {

// Black with alpha 1 of 255: all but transparent.
const char kNearlyTransparent[] = "0,0,0,1";

const char kFrameStyle[] = "QFrame#frame{border: none; border-bottom: 1px solid %1; background-color: %2;}";
const char kFrame2Style[] =
    "QFrame#frame_2{border: none; border-right: 1px solid %1; background-color: %2;}";
const char kLabelStyle[] = "QLabel{color: %1; font: bold 10pt \"%2\";}";
const char kButtonPicture[] = "QPushButton{ border-image:url(:/images/macro/%1);}";

QString picture(const char *name)
{
    return QString::fromLatin1(kButtonPicture).arg(QLatin1String(name));
}

} // namespace

DCatchKeyAndMouseItem::DCatchKeyAndMouseItem(const QString &mark, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DCatchKeyAndMouseItem>())
    , m_mark(mark)
{
    ui->setupUi(this);
    ui->pushButton_Delete->hide();
    ui->label_2->hide();
    ui->label_MarkNum->hide();
    ui->label_MarkNum->setText(mark);

    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    m_borderColor = cssColor(theme.MacroBorderColor);
    m_selectedColor = cssColor(theme.MacroListItemSelectedColor);
    m_centerBgColor = cssColor(theme.MacroCenterBgColor);
    m_textColor = cssColor(theme.MacroListItemTextColor);
    m_checkedColor = cssColor(theme.TextCheckedColor);
    m_textFont = theme.TextFont;
    applyStyle(m_centerBgColor, cssColor(QString::fromLatin1(kNearlyTransparent)), m_textColor);
}

DCatchKeyAndMouseItem::~DCatchKeyAndMouseItem() = default;

void DCatchKeyAndMouseItem::setItemInfo(int delay, const QString &type, int keyCode, const QString &codeName,
                                        const QString &operateExplain)
{
    const bool key = type == QLatin1String(macroEventRules::KeyType);
    const bool mouse = type == QLatin1String(macroEventRules::MouseType);
    ui->pushButton_EventSelect->setStyleSheet(picture(key ? "keyboardSel.png" : mouse ? "mouseSel.png" : "timeSel.png"));
    if (key || mouse) {
        if (operateExplain == QLatin1String(macroEventRules::Down))
            ui->pushButton_EventStatus->setStyleSheet(picture("keyDownSel.png"));
        else if (operateExplain == QLatin1String(macroEventRules::Up))
            ui->pushButton_EventStatus->setStyleSheet(picture("keyUpDef.png"));
    }
    setDelayTime(delay);

    QString description = codeName;
    if (type.contains(QLatin1String(macroEventRules::MouseType))) {
        if (codeName.contains(QLatin1String("Left")))
            description = tr("Left Click");
        else if (codeName.contains(QLatin1String("Center")))
            description = tr("Center Click");
        else if (codeName.contains(QLatin1String("Right")))
            description = tr("Right Click");
        // A name of no button (a hand-made file) is shown as it is.
    }
    ui->label_CatchEventExplain->setText(description);

    m_type = type;
    m_keyCode = QString::number(keyCode);
    m_codeName = codeName;
    m_operateExplain = operateExplain;
}

void DCatchKeyAndMouseItem::setDelayTime(int delay)
{
    m_delay = QString::number(delay);
    ui->label_DelayTime->setText(m_delay + QStringLiteral(" MS"));
}

void DCatchKeyAndMouseItem::setHoverStatus(bool on)
{
    const QString background = on ? m_selectedColor : m_centerBgColor;
    applyStyle(background, background, m_textColor);
}

void DCatchKeyAndMouseItem::setSelectedStatus(bool on)
{
    const QString background = on ? m_selectedColor : m_centerBgColor;
    applyStyle(background, background, on ? m_checkedColor : m_textColor);
}

void DCatchKeyAndMouseItem::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    emit sigKeyOrMouseEventClick(m_delay, m_type, m_keyCode, m_codeName, m_operateExplain);
}

void DCatchKeyAndMouseItem::enterEvent(QEvent *event)
{
    ui->pushButton_Delete->show();
    QWidget::enterEvent(event);
}

void DCatchKeyAndMouseItem::leaveEvent(QEvent *event)
{
    ui->pushButton_Delete->hide();
    QWidget::leaveEvent(event);
}

void DCatchKeyAndMouseItem::on_pushButton_Delete_clicked()
{
    emit sigDeleteKeyAndMouseEvent();
}

void DCatchKeyAndMouseItem::applyStyle(const QString &background, const QString &frame2Background,
                                       const QString &textColor)
{
    ui->frame->setStyleSheet(QString::fromLatin1(kFrameStyle).arg(m_borderColor, background));
    ui->frame_2->setStyleSheet(QString::fromLatin1(kFrame2Style).arg(m_borderColor, frame2Background));
    const QString label = QString::fromLatin1(kLabelStyle).arg(textColor, m_textFont);
    ui->label_DelayTime->setStyleSheet(label);
    ui->label_CatchEventExplain->setStyleSheet(label);
}
