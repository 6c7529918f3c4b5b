#include "customLightRules.h"

#include "FixedText.h"

namespace customLightRules {

const char *const kUsing = "Using";
const char *const kUnUsing = "UnUsing";

QString defaultFileName(int keyCount)
{
    switch (keyCount) {
    case 84:
    case 98:
    case 68:
    case 61:
    case 34:
        return QStringLiteral("customLightDefaultConfig_%1.xml").arg(keyCount);
    default:
        return QStringLiteral("customLightDefaultConfig.xml");
    }
}

namespace {
bool isDeviceSlot(int slot)
{
    return slot == kSlotFirst || slot == kSlotSecond;
}
} // namespace

QList<slotChange> repairs(const QList<slotRow> &rows)
{
    QList<slotChange> changes;
    bool claimed[2] = {false, false};
    for (int i = 0; i < rows.size(); ++i) {
        const slotRow &row = rows.at(i);
        if (row.inUse && isDeviceSlot(row.slot) && !claimed[row.slot]) {
            claimed[row.slot] = true;
            continue;
        }
        if (row.inUse || row.slot != kNoSlot)
            changes.append({i, false, kNoSlot});
    }
    return changes;
}

slotPlan planUsingChange(const QList<slotRow> &rows, int sender, bool inUse)
{
    slotPlan plan;
    if (sender < 0 || sender >= rows.size())
        return plan;

    if (!inUse) {
        // The lighting leaves its slot, which is cleared on the device.
        const int left = rows.at(sender).slot;
        plan.changes.append({sender, false, kNoSlot});
        plan.uploadSlot = isDeviceSlot(left) ? left : kNoSlot;
        plan.blankOnly = true;
        return plan;
    }

    int inUseCount = 0;
    int holder[2] = {-1, -1};
    for (int i = 0; i < rows.size(); ++i) {
        if (i == sender || !rows.at(i).inUse)
            continue;
        ++inUseCount;
        if (isDeviceSlot(rows.at(i).slot))
            holder[rows.at(i).slot] = i;
    }

    int slot = kSlotFirst;
    if (inUseCount >= 2) {
        // Both slots taken: the lighting in the second one makes way.
        if (holder[kSlotSecond] >= 0)
            plan.changes.append({holder[kSlotSecond], false, kNoSlot});
        slot = kSlotSecond;
    } else if (inUseCount == 1) {
        slot = holder[kSlotFirst] < 0 ? kSlotFirst : (holder[kSlotSecond] < 0 ? kSlotSecond : kNoSlot);
    }
    plan.changes.append({sender, true, slot});
    plan.uploadSlot = isDeviceSlot(slot) ? slot : kNoSlot;
    return plan;
}

QByteArray storedCaption(int keyCode, const QString &rawCaption)
{
    if (keyCode == kQuoteKeyCode)
        return QByteArrayLiteral("' \"");
    QString caption = rawCaption;
    caption.remove(QLatin1Char('"'));
    return caption.toUtf8();
}

QList<customLightKeyInfo> paintedKeys(const grid &cells)
{
    QList<customLightKeyInfo> keys;
    for (int i = 0; i < kKeyGridCells; ++i) {
        const gridCell &cell = cells[static_cast<std::size_t>(i)];
        if (!cell.hasKey)
            continue;
        const QColor &c = cell.color;
        if (c.red() == 0 && c.green() == 0 && c.blue() == 0)
            continue;
        if (cell.keyCode < 0 && cell.keyCode != kFnKeyCode)
            continue;
        customLightKeyInfo key{};
        fixedTextCopy(key.keyCode, QByteArray::number(cell.keyCode));
        fixedTextCopy(key.codeName, storedCaption(cell.keyCode, cell.rawCaption));
        key.indexX = i / kKeyGridColumns;
        key.indexY = i % kKeyGridColumns;
        key.colorR = c.red();
        key.colorG = c.green();
        key.colorB = c.blue();
        key.transparentNum = kStoredAlpha;
        keys.append(key);
    }
    return keys;
}

void reportColors(const grid &cells, hidRgb (&colors)[kKeyGridCells])
{
    for (int i = 0; i < kKeyGridCells; ++i) {
        const gridCell &cell = cells[static_cast<std::size_t>(i)];
        colors[i] = hidRgb{};
        if (cell.hasKey) {
            colors[i].r = static_cast<unsigned char>(cell.color.red());
            colors[i].g = static_cast<unsigned char>(cell.color.green());
            colors[i].b = static_cast<unsigned char>(cell.color.blue());
        }
    }
}

bool isOnGrid(const customLightKeyInfo &key)
{
    return key.indexX >= 0 && key.indexX < kKeyGridRows && key.indexY >= 0 && key.indexY < kKeyGridColumns;
}

} // namespace customLightRules
