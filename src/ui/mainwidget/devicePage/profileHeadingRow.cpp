#include "profileHeadingRow.h"

#include <QBoxLayout>
#include <QLabel>

void giveProfileHeadingRoom(QBoxLayout *row, QLabel *title)
{
    row->setSpacing(kProfileHeadingSpacing);
    QMargins margins = row->contentsMargins();
    margins.setRight(kProfileHeadingRightMargin);
    row->setContentsMargins(margins);
    // The title, not the spacer beside it, takes what is left, so a title
    // once cut gets its width back when the text or font changes.
    for (int i = 0; i < row->count(); ++i) {
        if (QSpacerItem *spacer = row->itemAt(i)->spacerItem())
            spacer->changeSize(0, spacer->sizeHint().height(), QSizePolicy::Minimum, QSizePolicy::Minimum);
    }
    row->setStretchFactor(title, 1);
    row->invalidate();
}
