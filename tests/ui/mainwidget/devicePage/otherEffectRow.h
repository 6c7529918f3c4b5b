#pragma once

#include "DDevicePage.h"
#include "selectionLists.h"

#include <QAbstractButton>

// A keyboard effect row the page shows, other than the one selected now:
// clicking it makes a lighting edit.
inline QAbstractButton *otherEffectRow(DDevicePage *page)
{
    for (const selectionLists::Row &row : selectionLists::rows(selectionLists::KeyEffect)) {
        auto *button = page->findChild<QAbstractButton *>(QLatin1String(row.objectName));
        if (button && button->isVisibleTo(page) && !button->isChecked())
            return button;
    }
    return nullptr;
}
