#include "macroListRules.h"

#include "FixedText.h"
#include "TextNumber.h"

#include <QFileInfo>
#include <QSet>

#include <climits>

namespace {

// A file name's limit on Linux file systems, less ".xml".
constexpr int kMaxFileNameBytes = 255 - 4;

QByteArray cutUtf8(const QByteArray &utf8, int limit)
{
    return utf8.left(static_cast<int>(
        fixedTextFitLength(utf8.constData(), static_cast<std::size_t>(utf8.size()), static_cast<std::size_t>(limit))));
}

} // namespace

QList<int> macroListRules::indexesOf(const xmlIndexNameList &list)
{
    QList<int> indexes;
    for (const auto &pair : list)
        indexes << textToInt(pair.first.constData());
    return indexes;
}

int macroListRules::freeIndex(const QList<int> &indexes)
{
    const QSet<int> taken(indexes.begin(), indexes.end());
    int index = 1;
    while (taken.contains(index))
        ++index;
    return index;
}

int macroListRules::nextIndex(const QList<int> &indexes)
{
    int highest = 0;
    for (int index : indexes)
        highest = qMax(highest, index);
    // Past the top there is no next: take a gap instead.
    return highest == INT_MAX ? freeIndex(indexes) : highest + 1;
}

QString macroListRules::defaultName(int index)
{
    return QStringLiteral("Macro%1").arg(index);
}

QByteArray macroListRules::cappedName(const QString &name)
{
    return cutUtf8(name.toUtf8(), MaxNameBytes);
}

QByteArray macroListRules::importName(const QString &filePath, int index)
{
    const QString fileName = QFileInfo(filePath).fileName();
    const QString base = fileName.section(QLatin1Char('.'), 0, 0);
    return cappedName(base.isEmpty() ? defaultName(index) : base);
}

QString macroListRules::exportFileName(const QString &name, int index)
{
    QString component;
    component.reserve(name.size());
    for (const QChar c : name) {
        const bool unsafe = c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
        component += unsafe ? QLatin1Char('_') : c;
    }
    component = QString::fromUtf8(cutUtf8(component.toUtf8(), kMaxFileNameBytes));
    if (component.isEmpty() || component == QLatin1String(".") || component == QLatin1String(".."))
        return defaultName(index);
    return component;
}
