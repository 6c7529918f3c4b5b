#include "DCatchKeyAndMouseItem.h"

#include "DDataManager.h"
#include "macroStyle.h"
#include "macroEventRules.h"

#include "ui_DCatchKeyAndMouseItem.h"

#include <QMouseEvent>

namespace {

// Black with alpha 1 of 255: all but transparent.

// The row's one style sheet: a table is rebuilt row by row, and every sheet
// set on a part of a row polishes that part again. The look, the kind and
// the down/up state are properties, so a change repolishes only the parts
// it restyles.
const char kEventRowStyle[] =
    "QFrame#frame{border: none; border-bottom: 1px solid %1; background-color: %2;} "
    "QFrame#frame_2{border: none; border-right: 1px solid %1; background-color: %3;} "
    "QLabel#label_DelayTime, QLabel#label_CatchEventExplain{color: %4; font: bold 10pt \"%5\";} "
    "QFrame#frame[look=\"plain\"], QFrame#frame_2[look=\"plain\"]{background-color: %2;} "
    "QFrame#frame[look=\"hovered\"], QFrame#frame_2[look=\"hovered\"], "
    "QFrame#frame[look=\"selected\"], QFrame#frame_2[look=\"selected\"]{background-color: %6;} "
    "QLabel#label_DelayTime[look=\"selected\"], QLabel#label_CatchEventExplain[look=\"selected\"]{color: %7;} "
    "QLabel#label_2, QLabel#label_MarkNum{color: rgb(0, 170, 0); font: 14pt;} "
    "QPushButton#pushButton_EventSelect{border-image:url(:/images/macro/keyboardSel.png);} "
    "QPushButton#pushButton_EventSelect[kind=\"mouse\"]{border-image:url(:/images/macro/mouseSel.png);} "
    "QPushButton#pushButton_EventSelect[kind=\"other\"]{border-image:url(:/images/macro/timeSel.png);} "
    "QPushButton#pushButton_EventStatus{border-image:url(:/images/macro/keyUpDef.png);} "
    "QPushButton#pushButton_EventStatus[state=\"down\"]{border-image:url(:/images/macro/keyDownSel.png);} "
    "QPushButton#pushButton_Delete{border-image:url(:/images/macro/deleteDef.png);} "
    "QPushButton#pushButton_Delete:hover, QPushButton#pushButton_Delete:pressed"
    "{border-image:url(:/images/macro/deleteSel.png);}";

const char *const kLooks[] = {"", "plain", "hovered", "selected"};

} // namespace

DCatchKeyAndMouseItem::DCatchKeyAndMouseItem(const QString &mark, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DCatchKeyAndMouseItem>())
    , m_mark(mark)
{
    // Styled before the parts exist, so that none of them is styled twice.
    const themeColorInfo theme = DDataManager::instance()->getThemeColor();
    const auto css = [](const QString &text) { return themeColorInfo::cssColor(text); };
    // Texts keep the theme's colours where they read on the row, plain or
    // hovered (the same highlight), else the nearest shade that does.
    const QString text = themeColorInfo::readableText(
        theme.MacroListItemTextColor, QStringList{theme.MacroCenterBgColor, theme.MacroListItemSelectedColor});
    const QString selected = themeColorInfo::readableText(theme.TextCheckedColor, theme.MacroListItemSelectedColor);
    setStyleSheet(QString::fromLatin1(kEventRowStyle)
                      .arg(css(theme.MacroBorderColor), css(theme.MacroCenterBgColor),
                           css(QLatin1String(kNearlyTransparent)), css(text), theme.TextFont,
                           css(theme.MacroListItemSelectedColor), css(selected)));
    ui->setupUi(this);
    ui->pushButton_Delete->hide();
    ui->label_2->hide();
    ui->label_MarkNum->hide();
    ui->label_MarkNum->setText(mark);
}

DCatchKeyAndMouseItem::~DCatchKeyAndMouseItem() = default;

void DCatchKeyAndMouseItem::setItemInfo(int delay, const QString &type, int keyCode, const QString &codeName,
                                        const QString &operateExplain)
{
    const bool key = type == QLatin1String(macroEventRules::KeyType);
    const bool mouse = type == QLatin1String(macroEventRules::MouseType);
    setStyleProperty(ui->pushButton_EventSelect, "kind", key ? "key" : mouse ? "mouse" : "other");
    if (key || mouse) {
        if (operateExplain == QLatin1String(macroEventRules::Down))
            setStyleProperty(ui->pushButton_EventStatus, "state", "down");
        else if (operateExplain == QLatin1String(macroEventRules::Up))
            setStyleProperty(ui->pushButton_EventStatus, "state", "up");
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
    applyLook(on ? Look::Hovered : Look::Plain);
}

void DCatchKeyAndMouseItem::setSelectedStatus(bool on)
{
    applyLook(on ? Look::Selected : Look::Plain);
}

void DCatchKeyAndMouseItem::applyLook(Look look)
{
    if (look == m_look)
        return;
    m_look = look;
    const char *value = kLooks[static_cast<int>(look)];
    for (QWidget *part : {static_cast<QWidget *>(ui->frame), static_cast<QWidget *>(ui->frame_2),
                          static_cast<QWidget *>(ui->label_DelayTime), static_cast<QWidget *>(ui->label_CatchEventExplain)})
        setStyleProperty(part, "look", value);
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
