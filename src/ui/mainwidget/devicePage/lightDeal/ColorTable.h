#pragma once

#include <QColor>
#include <QRgb>

// A read-only view of one built-in colour table. Entries are opaque RGB
// colours kept as 0xRRGGBB; a per-key grid is stored row by row with
// rowLength() entries per row (22, or 24 for the wide line rainbows).
// Reads outside the table give opaque black, so a reader that walks past the
// end of a short list never touches foreign memory.
class ColorTable
{
public:
    constexpr ColorTable() = default;
    constexpr ColorTable(const QRgb *entries, int size, int rowLength)
        : m_entries(entries), m_size(size), m_rowLength(rowLength)
    {
    }

    constexpr int size() const { return m_size; }
    constexpr bool isEmpty() const { return m_size == 0; }
    // Entries per row; a plain list is one row.
    constexpr int rowLength() const { return m_rowLength; }

    // 0xRRGGBB of entry index, 0 (black) outside the table.
    constexpr QRgb rgb(int index) const
    {
        return (index >= 0 && index < m_size) ? m_entries[index] : 0u;
    }
    // Entry index as an opaque colour.
    QColor at(int index) const;
    // Cell (row, column) of a grid; columns past the row length are black.
    QColor cell(int row, int column) const;

private:
    const QRgb *m_entries = nullptr;
    int m_size = 0;
    int m_rowLength = 0;
};
