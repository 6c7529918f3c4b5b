#include "keyCaptionFit.h"

#include <QFontMetrics>

namespace {

constexpr qreal kSizeStep = 0.5;

struct TwoLines
{
    QString first;
    QString second;
};

QFont atSize(const QFont &font, qreal pointSize)
{
    QFont sized(font);
    sized.setPointSizeF(pointSize);
    return sized;
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('_');
}

// Scripts written without blanks between words break between any two
// characters.
bool breaksAnywhere(QChar c)
{
    switch (c.script()) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
        return true;
    default:
        return false;
    }
}

// Where a caption reads well when broken: at a blank, after a separator
// ("Ctrl+" "Z"), between words written together ("Num" "Lock"), between
// a word and a digit or sign ("Num" "1"), and beside a character of a
// script without word spaces. Never inside a word.
bool isNaturalBreak(const QString &text, int at)
{
    const QChar before = text.at(at - 1);
    const QChar after = text.at(at);
    if (before.isSpace() || after.isSpace())
        return true;
    if (breaksAnywhere(before) || breaksAnywhere(after))
        return true;
    if (isSeparator(before) && !isSeparator(after))
        return true;
    if (before.isLower() && after.isUpper())
        return true;
    return before.isLetter() && !after.isLetter() && !isSeparator(after);
}

TwoLines splitAt(const QString &text, int at)
{
    return {text.left(at).trimmed(), text.mid(at).trimmed()};
}

// Where the caption may break; none for a single word.
QList<int> breakPositions(const QString &text)
{
    QList<int> breaks;
    for (int at = 1; at < text.size(); ++at) {
        if (text.at(at - 1).isHighSurrogate() && text.at(at).isLowSurrogate())
            continue;
        const TwoLines lines = splitAt(text, at);
        if (lines.first.isEmpty() || lines.second.isEmpty())
            continue;
        if (isNaturalBreak(text, at))
            breaks.append(at);
    }
    return breaks;
}

// The largest size from `from` down to `to` at which the caption fits on
// one line; 0 if none does.
qreal oneLineSize(const QFont &font, const QString &caption, const QSize &room, qreal from, qreal to)
{
    for (qreal size = from; size >= to; size -= kSizeStep) {
        const QFontMetrics metrics(atSize(font, size));
        if (metrics.horizontalAdvance(caption) <= room.width() && metrics.height() <= room.height())
            return size;
    }
    return 0;
}

int widthOf(const QFontMetrics &metrics, const TwoLines &lines)
{
    return qMax(metrics.horizontalAdvance(lines.first), metrics.horizontalAdvance(lines.second));
}

bool twoLinesFitHeight(const QFontMetrics &metrics, const QSize &room)
{
    return metrics.height() + metrics.lineSpacing() <= room.height();
}

// Cut at the right with an ellipsis. Not QFontMetrics::elidedText: it leaves
// the ellipsis out when the font's own face lacks it, as the icon font the
// keys carry does, and the reader could not tell the text was cut.
QString elided(const QFontMetrics &metrics, const QString &text, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    for (int length = text.size() - 1; length > 0; --length) {
        if (text.at(length - 1).isHighSurrogate())
            continue;
        const QString cut = text.left(length).trimmed() + ellipsis;
        if (metrics.horizontalAdvance(cut) <= width)
            return cut;
    }
    return metrics.horizontalAdvance(ellipsis) <= width ? ellipsis : QString();
}

} // namespace

KeyCaptionFit fitKeyCaption(const QFont &font, const QString &caption, const QSize &room, qreal floorPointSize,
                            qreal wordFloorPointSize)
{
    const qreal normalSize = font.pointSizeF();
    KeyCaptionFit fit{caption, normalSize, false};
    if (caption.trimmed().isEmpty() || room.isEmpty() || normalSize <= 0)
        return fit;
    const qreal floorSize = qMin(floorPointSize, normalSize);

    if (const qreal size = oneLineSize(font, caption, room, normalSize, floorSize)) {
        fit.pointSize = size;
        return fit;
    }

    const QList<int> breaks = breakPositions(caption);
    for (qreal size = normalSize; size >= floorSize; size -= kSizeStep) {
        const QFontMetrics metrics(atSize(font, size));
        if (!twoLinesFitHeight(metrics, room))
            continue;
        int best = -1;
        int bestWidth = 0;
        for (int at : breaks) {
            const int width = widthOf(metrics, splitAt(caption, at));
            if (best < 0 || width < bestWidth) {
                best = at;
                bestWidth = width;
            }
        }
        if (best >= 0 && bestWidth <= room.width()) {
            const TwoLines lines = splitAt(caption, best);
            fit.text = lines.first + QLatin1Char('\n') + lines.second;
            fit.pointSize = size;
            return fit;
        }
    }

    // A single word has no break: smaller still on one line, then cut.
    qreal cutSize = floorSize;
    if (breaks.isEmpty()) {
        cutSize = qMin(wordFloorPointSize, floorSize);
        if (const qreal size = oneLineSize(font, caption, room, floorSize - kSizeStep, cutSize)) {
            fit.pointSize = size;
            return fit;
        }
    }

    // Too long even broken: keep as much as the key holds and cut the rest.
    const QFontMetrics metrics(atSize(font, cutSize));
    fit.pointSize = cutSize;
    fit.elided = true;
    if (twoLinesFitHeight(metrics, room)) {
        // The longest first line that fits, at a break, then the rest cut.
        for (int i = breaks.size() - 1; i >= 0; --i) {
            const TwoLines lines = splitAt(caption, breaks.at(i));
            if (metrics.horizontalAdvance(lines.first) <= room.width()) {
                fit.text = lines.first + QLatin1Char('\n') + elided(metrics, lines.second, room.width());
                return fit;
            }
        }
    }
    fit.text = elided(metrics, caption, room.width());
    return fit;
}

QString keyCaptionForButton(const QString &plain)
{
    QString shown(plain);
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
