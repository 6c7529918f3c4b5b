#include "hidIdentification.h"

#include <cstring>

QString identificationAnswerText(const hidReportData &answer)
{
    const char *text = reinterpret_cast<const char *>(answer.data() + kHidPayloadOffset);
    return QString::fromLatin1(text, static_cast<int>(strnlen(text, kHidPayloadCapacity)));
}

QString identificationWorkingText(int counter, const QString &answerText)
{
    return QString::number(counter) + QLatin1Char('-') + answerText;
}

QString identificationModelName(const QString &workingText)
{
    const QStringList fields = workingText.split(QLatin1Char(','));
    return fields.size() >= 2 ? fields.at(fields.size() - 2) : QString();
}

QString identificationKey(const QString &workingText)
{
    const QStringList fields = workingText.split(QLatin1Char(','));
    QString prefix;
    for (int i = 0; i + 2 < fields.size(); ++i)
        prefix += fields.at(i);
    return prefix + QLatin1Char(',') + identificationModelName(workingText);
}

QString identificationInfoText(const QString &key)
{
    const int dash = key.indexOf(QLatin1Char('-'));
    const int comma = key.indexOf(QLatin1Char(','));
    if (dash < 0 || comma < 0 || comma <= dash)
        return QString();
    return key.mid(dash + 1, comma - dash - 1);
}

QString firmwareDateText(const QString &dateText)
{
    if (dateText.isEmpty())
        return QString();
    static const char *const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int month = 1;
    for (int i = 0; i < 12; ++i) {
        if (dateText.startsWith(QLatin1String(kMonths[i]))) {
            month = i + 1;
            break;
        }
    }
    const int comma = dateText.indexOf(QLatin1Char(','));
    const QString beforeComma = comma < 0 ? dateText : dateText.left(comma);
    const QString year = beforeComma.right(4);
    const QString day = dateText.mid(4, 2).remove(QLatin1Char(' '));
    const QString time = comma < 0 ? QString() : dateText.mid(comma + 1);
    return year + QLatin1Char('/') + QString::number(month) + QLatin1Char('/') + day
        + QLatin1Char(' ') + time;
}

QString identificationVersionText(const QString &answerText, const QString &dateText)
{
    return answerText.split(QLatin1Char(',')).last() + QStringLiteral("---")
        + firmwareDateText(dateText);
}

hidVersionInfo makeVersionInfo(const QString &answerText, const QString &path)
{
    hidVersionInfo info;
    std::memset(&info, 0, sizeof info);
    const QStringList fields = answerText.split(QLatin1Char(','));
    auto field = [&fields](int i) { return i < fields.size() ? fields.at(i) : QString(); };
    fixedTextCopy(info.field1, field(0).toLatin1());
    fixedTextCopy(info.field2, field(1).toLatin1());
    fixedTextCopy(info.field3, field(2).toLatin1());
    fixedTextCopy(info.field4, field(3).toLatin1());
    fixedTextCopy(info.field5, field(4).toLatin1());
    fixedTextCopy(info.version, field(5).toLatin1());
    fixedTextCopy(info.path, path);
    return info;
}
