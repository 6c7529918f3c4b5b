#include "hidDeviceIds.h"

#include <QList>
#include <QRegularExpression>

#include <cctype>

namespace {

// A hexadecimal field of at most eight digits; -1 when it is anything else.
int hexField(const QByteArray &text)
{
    if (text.isEmpty() || text.size() > 8)
        return -1;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return -1;
    }
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    return ok && value <= 0xFFFF ? static_cast<int>(value) : -1;
}

} // namespace

hidDeviceIds hidDeviceIds::fromHidIdProperty(const QByteArray &value)
{
    const QList<QByteArray> fields = value.trimmed().split(':');
    hidDeviceIds ids;
    if (fields.size() != 3 || hexField(fields.at(0)) < 0)
        return ids;
    const int vendor = hexField(fields.at(1));
    const int product = hexField(fields.at(2));
    if (vendor < 0 || product < 0)
        return ids;
    ids.vendorId = vendor;
    ids.productId = product;
    return ids;
}

hidDeviceIds hidDeviceIds::fromSysfsPath(const QString &path)
{
    static const QRegularExpression name(
        QStringLiteral("^([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4})\\.[0-9A-Fa-f]+$"));
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (auto it = parts.crbegin(); it != parts.crend(); ++it) {
        const QRegularExpressionMatch m = name.match(*it);
        if (!m.hasMatch())
            continue;
        hidDeviceIds ids;
        ids.vendorId = m.captured(2).toInt(nullptr, 16);
        ids.productId = m.captured(3).toInt(nullptr, 16);
        return ids;
    }
    return {};
}
