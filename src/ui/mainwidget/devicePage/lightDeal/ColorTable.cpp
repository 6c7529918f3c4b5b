#include "ColorTable.h"

QColor ColorTable::at(int index) const
{
    const QRgb value = rgb(index);
    return QColor(qRed(value), qGreen(value), qBlue(value), 255);
}

QColor ColorTable::cell(int row, int column) const
{
    if (row < 0 || column < 0 || column >= m_rowLength)
        return QColor(0, 0, 0, 255);
    return at(row * m_rowLength + column);
}
