#include "customLightView.h"

#include "deviceLightLog.h"
#include "keyboardButCustom.h"
#include "keyboardPage.h"

namespace customLightView {

void blankKeys(keyboardPage &view)
{
    for (int row = 0; row < keyboardPage::RowCount; ++row) {
        for (int column = 0; column < keyboardPage::ColumnCount; ++column) {
            if (keyboardButCustom *key = view.keyButtonGrid[row][column])
                key->setKeyColor(QColor(0, 0, 0, kBlankAlpha));
        }
    }
}

void showKeys(keyboardPage &view, const QList<customLightKeyInfo> &keys, int alpha)
{
    for (const customLightKeyInfo &key : keys) {
        if (!customLightRules::isOnGrid(key)) {
            // A hand-edited file: the cell does not exist.
            qCWarning(lcDeviceLighting).noquote()
                << QStringLiteral("custom light key %1 at row %2 column %3 is off the key grid: skipped")
                       .arg(QString::fromUtf8(key.keyCode))
                       .arg(key.indexX)
                       .arg(key.indexY);
            continue;
        }
        if (keyboardButCustom *button = view.keyButtonGrid[key.indexX][key.indexY])
            button->setKeyColor(QColor(qBound(0, key.colorR, 255), qBound(0, key.colorG, 255),
                                       qBound(0, key.colorB, 255), alpha));
    }
}

customLightRules::grid cellsOf(const keyboardPage &view)
{
    customLightRules::grid cells;
    for (int row = 0; row < keyboardPage::RowCount; ++row) {
        for (int column = 0; column < keyboardPage::ColumnCount; ++column) {
            const keyboardButCustom *key = view.keyButtonGrid[row][column];
            if (!key)
                continue;
            customLightRules::gridCell &cell = cells[static_cast<std::size_t>(row * keyboardPage::ColumnCount + column)];
            cell.hasKey = true;
            cell.keyCode = key->getKeyCode();
            cell.rawCaption = key->getKeyText();
            cell.color = key->getKeyColor();
        }
    }
    return cells;
}

} // namespace customLightView
