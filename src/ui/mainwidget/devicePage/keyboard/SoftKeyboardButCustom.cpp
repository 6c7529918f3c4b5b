#include "SoftKeyboardButCustom.h"

#include <QDebug>
#include <QEvent>
#include <QMouseEvent>

namespace {

constexpr int kLeftGuiKey = 227;
constexpr int kApplicationKey = 101;
constexpr int kHanjaKey = 145;
constexpr int kHanYeongKey = 144;
constexpr int kLeftAltKey = 226;
constexpr int kRightAltKey = 230;
constexpr int kSevenKey = 36;

// A lone ampersand would be taken as a mnemonic and vanish.
const QString kSevenShown = QStringLiteral("7&&");

bool showsIconGlyph(int keyCode)
{
    return keyCode == kLeftGuiKey || keyCode == kApplicationKey;
}

} // namespace

SoftKeyboardButCustom::SoftKeyboardButCustom(int kind, QWidget *parent)
    : QToolButton(parent)
    , m_kind(kind)
    , m_markedStyleOnScreen(
          QStringLiteral("color:#FF3135; font: bold 8pt; border-bottom: 1px solid #FF3135; border-radius:3px;"))
    , m_markedStyleOnboard(
          QStringLiteral("color:#FF3135; font: bold 8pt; border: 1px solid #FF3135; border-radius:3px;"))
    , m_normalStyleOnScreen(
          QStringLiteral("color:#c3c3c3; font: bold 8pt; border-bottom: 0px solid #7F8386; border-radius:3px;"))
    , m_normalStyleOnboard(
          QStringLiteral("color:#f5f5f5; font: bold 8pt; border-bottom: 0px solid #7F8386; border-radius:3px;"))
    , m_backgroundOnScreen(QStringLiteral("background-color:#4b4b4b;"))
    , m_backgroundOnboard(QStringLiteral("background-color:#1e1e1e;"))
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    showNormalLook();
    if (m_kind == OnboardKey)
        installEventFilter(this);
}

void SoftKeyboardButCustom::setButtonSize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(width, height);
}

void SoftKeyboardButCustom::setKeyInfo(int keyCode, const QString &caption)
{
    m_keyCode = keyCode;
    m_caption = caption;
    switch (keyCode) {
    case kLeftGuiKey:
    case kApplicationKey:
        showIconGlyph(keyCode);
        break;
    case kHanjaKey:
        setText(tr("Chinese"));
        break;
    case kHanYeongKey:
        setText(tr("Korean/English"));
        break;
    case kLeftAltKey:
    case kRightAltKey:
        setText(QStringLiteral("Alt"));
        break;
    case kSevenKey:
        setText(kSevenShown);
        break;
    default:
        setText(caption);
        break;
    }
}

void SoftKeyboardButCustom::setKeyText(const QString &text)
{
    m_text = text;
    if (text.isEmpty()) {
        setText(text);
        return;
    }
    if (m_kind == OnScreenKey) {
        if (showsIconGlyph(m_keyCode))
            showIconGlyph(m_keyCode);
        else
            setText(text);
        return;
    }
    setText(text == QLatin1String("7&") ? kSevenShown : text);
}

void SoftKeyboardButCustom::setButtonStatus(int status)
{
    if (status != 0 && status != 1)
        return;
    const bool marked = status == 1;
    if (m_kind == OnScreenKey)
        m_markedOnScreen = marked;
    else
        m_markedOnboard = marked;
    if (marked)
        showMarkedLook();
    else
        showNormalLook();
}

void SoftKeyboardButCustom::setRestoreOnLeave(bool restore)
{
    m_restoreOnLeave = restore;
}

void SoftKeyboardButCustom::updateTheme(const QString &textColour, const QString &markColour,
                                        const QString &buttonColour)
{
    m_markedStyleOnScreen =
        QStringLiteral("color:rgb(%1); font: bold 8pt; border-bottom: 1px solid rgb(%1); border-radius:3px;")
            .arg(markColour);
    m_markedStyleOnboard =
        QStringLiteral("color:rgb(%1); font: bold 8pt; border: 1px solid rgb(%1); border-radius:3px;").arg(markColour);
    const QString normal =
        QStringLiteral("color:rgb(%1); font: bold 8pt; border-bottom: 0px solid #7F8386; border-radius:3px;")
            .arg(textColour);
    m_normalStyleOnScreen = normal;
    m_normalStyleOnboard = normal;
    const QString background = QStringLiteral("background-color:rgb(%1);").arg(buttonColour);
    m_backgroundOnScreen = background;
    m_backgroundOnboard = background;
    if (isMarked())
        showMarkedLook();
    else
        showNormalLook();
}

void SoftKeyboardButCustom::enterEvent(QEvent *event)
{
    m_hovered = true;
    showMarkedLook();
    if (m_kind == OnboardKey)
        emit sigCustomButMouseEnter();
    QToolButton::enterEvent(event);
}

void SoftKeyboardButCustom::leaveEvent(QEvent *event)
{
    m_hovered = false;
    if (m_restoreOnLeave) {
        if (m_kind == OnScreenKey || !m_markedOnboard)
            showNormalLook();
    }
    if (m_kind == OnboardKey)
        emit sigCustomButMouseLeave();
    QToolButton::leaveEvent(event);
}

bool SoftKeyboardButCustom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
        emit sigButtonMouseRightKeyClicked(m_keyCode, m_caption);
    return QToolButton::eventFilter(watched, event);
}

void SoftKeyboardButCustom::showIconGlyph(int keyCode)
{
    qDebug() << "--------------------------Dec:" << keyCode;
    if (keyCode == kApplicationKey)
        setText(QString(QChar(DocumentGlyph)));
    else if (keyCode == kLeftGuiKey)
        setText(QString(QChar(WindowLogoGlyph)));
}

void SoftKeyboardButCustom::showNormalLook()
{
    if (m_kind == OnScreenKey)
        setStyleSheet(m_normalStyleOnScreen + m_backgroundOnScreen);
    else
        setStyleSheet(m_normalStyleOnboard + m_backgroundOnboard);
}

void SoftKeyboardButCustom::showMarkedLook()
{
    if (m_kind == OnScreenKey)
        setStyleSheet(m_markedStyleOnScreen + m_backgroundOnScreen);
    else
        setStyleSheet(m_markedStyleOnboard + m_backgroundOnboard);
}
