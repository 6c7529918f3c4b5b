#include "SoftKeyboardButCustom.h"

#include "KeyLayoutFile.h"
#include "keyCaptionFit.h"

#include <QDebug>
#include <QEvent>
#include <QMouseEvent>

namespace {

constexpr int kLeftGuiKey = 227;
constexpr int kApplicationKey = 101;
constexpr int kLeftAltKey = 226;
constexpr int kRightAltKey = 230;

constexpr qreal kCaptionPointSize = 8; // the size the looks' style sheets give
// Room kept between a caption and the key's edge, where the marked look
// draws its 1 px border.
constexpr int kCaptionMarginX = 1;
constexpr int kCaptionMarginY = 1;

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
    fitCaption();
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
    case KeyLayoutFile::HanjaKey:
        showCaption(tr("Chinese"));
        break;
    case KeyLayoutFile::HanYeongKey:
        showCaption(tr("Korean/English"));
        break;
    case kLeftAltKey:
    case kRightAltKey:
        showCaption(QStringLiteral("Alt"));
        break;
    default:
        // The ampersand of "7&" is escaped when shown, like every other.
        showCaption(caption);
        break;
    }
}

void SoftKeyboardButCustom::setKeyText(const QString &text)
{
    m_text = text;
    if (!text.isEmpty() && m_kind == OnScreenKey && showsIconGlyph(m_keyCode))
        showIconGlyph(m_keyCode);
    else
        showCaption(text);
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

void SoftKeyboardButCustom::changeEvent(QEvent *event)
{
    QToolButton::changeEvent(event);
    // The page gives the key its font after the caption; the looks' own
    // size changes fire this too, and change no family.
    if (event->type() == QEvent::FontChange && font().family() != m_fittedFamily)
        fitCaption();
}

void SoftKeyboardButCustom::showIconGlyph(int keyCode)
{
    qDebug() << "--------------------------Dec:" << keyCode;
    if (keyCode == kApplicationKey)
        showGlyph(DocumentGlyph);
    else if (keyCode == kLeftGuiKey)
        showGlyph(WindowLogoGlyph);
}

void SoftKeyboardButCustom::showGlyph(ushort glyph)
{
    m_shownCaption.clear();
    m_shownGlyph = glyph;
    fitCaption();
}

void SoftKeyboardButCustom::showCaption(const QString &caption)
{
    m_shownCaption = caption;
    m_shownGlyph = 0;
    fitCaption();
}

void SoftKeyboardButCustom::fitCaption()
{
    m_fittedFamily = font().family();
    QString fontSize;
    QString toolTip;
    if (m_shownGlyph != 0) {
        setText(QString(QChar(m_shownGlyph)));
    } else if (m_width <= 0 || m_height <= 0) {
        // Not laid out: nothing to fit into.
        setText(keyCaptionForButton(m_shownCaption));
    } else {
        QFont captionFont(font());
        captionFont.setBold(true);
        captionFont.setPointSizeF(kCaptionPointSize);
        const QSize room(m_width - 2 * kCaptionMarginX, m_height - 2 * kCaptionMarginY);
        const KeyCaptionFit fit = fitKeyCaption(captionFont, m_shownCaption, room);
        setText(keyCaptionForButton(fit.text));
        if (!qFuzzyCompare(fit.pointSize, kCaptionPointSize))
            fontSize = QStringLiteral("font-size:%1pt;").arg(fit.pointSize);
        // The on-board kind shows the whole text in its hover tip already.
        if (fit.elided && m_kind == OnScreenKey)
            toolTip = m_shownCaption;
    }
    setToolTip(toolTip);
    if (fontSize != m_captionFontSize) {
        m_captionFontSize = fontSize;
        applyLook();
    }
}

void SoftKeyboardButCustom::showNormalLook()
{
    m_markedLookShown = false;
    applyLook();
}

void SoftKeyboardButCustom::showMarkedLook()
{
    m_markedLookShown = true;
    applyLook();
}

void SoftKeyboardButCustom::applyLook()
{
    // A fitted caption size follows the look's own font, so it wins.
    QString look;
    if (m_kind == OnScreenKey)
        look = (m_markedLookShown ? m_markedStyleOnScreen : m_normalStyleOnScreen) + m_backgroundOnScreen;
    else
        look = (m_markedLookShown ? m_markedStyleOnboard : m_normalStyleOnboard) + m_backgroundOnboard;
    setStyleSheet(look + m_captionFontSize);
}
