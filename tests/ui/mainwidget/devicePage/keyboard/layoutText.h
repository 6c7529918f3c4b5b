#pragma once

// Builds key-layout texts the way the shipped files are written: member
// order, CR LF, tabs.

#include <QByteArray>
#include <QList>

namespace layoutText {

inline QByteArray keyCell(int x, int y, int w, int h, int dec, int qtDec, const QByteArray &characterJson)
{
    return "\t\t{\"PosX\":" + QByteArray::number(x) + ", \"PosY\":" + QByteArray::number(y)
           + ", \"Width\":" + QByteArray::number(w) + ", \"Height\":" + QByteArray::number(h)
           + ", \"Dec\":" + QByteArray::number(dec) + ", \"qtDec\":" + QByteArray::number(qtDec)
           + ", \"Character\":" + characterJson + "}";
}

// A key with a plain caption.
inline QByteArray key(int x, int y, int w, int h, int dec, const QByteArray &caption)
{
    return keyCell(x, y, w, h, dec, 1, "\"" + caption + "\"");
}

inline QByteArray emptyCell()
{
    return keyCell(-1, -1, 0, 0, 0, 0, "\"-\"");
}

inline QByteArray row(int number, const QList<QByteArray> &cells)
{
    QByteArray out = "\t\"EveryKeyInfo_Row0" + QByteArray::number(number) + "\":[\r\n";
    for (int i = 0; i < cells.size(); ++i)
        out += cells.at(i) + (i + 1 < cells.size() ? ",\r\n" : "\r\n");
    return out + "\t]";
}

// A row of `count` cells; cell i is a key with code base + i.
inline QList<QByteArray> keyRow(int count, int base, int y = 0)
{
    QList<QByteArray> cells;
    for (int i = 0; i < count; ++i)
        cells << keyCell(30 * i, y, 27, 27, base + i, 65 + i, "\"K" + QByteArray::number(base + i) + "\"");
    return cells;
}

inline QList<QByteArray> emptyRow()
{
    QList<QByteArray> cells;
    for (int i = 0; i < 22; ++i)
        cells << emptyCell();
    return cells;
}

inline QByteArray header(const QByteArray &members)
{
    return "\t\"Keyboard\":{" + members + "}";
}

inline QByteArray defaultHeader(int sideLightHave = 0, int specialEnter = 0, int shape = 0,
                                const QByteArray &introduction = "104Key")
{
    return header("\"KeyboardIntroduction\":\"" + introduction + "\", \"sideLightHave\":"
                  + QByteArray::number(sideLightHave) + ", \"supportOnboard\":1, \"specialEnterKey\":"
                  + QByteArray::number(specialEnter) + ", \"showOnboardSelect\":1, \"specialEnterKeyShape\":"
                  + QByteArray::number(shape) + ", \"sideLightNum\":0, \"flag\":\"true\"");
}

inline QByteArray document(const QList<QByteArray> &members)
{
    QByteArray out = "{\r\n";
    for (int i = 0; i < members.size(); ++i)
        out += members.at(i) + (i + 1 < members.size() ? ",\r\n" : "\r\n");
    return out + "}\r\n";
}

inline QByteArray gridRows(int firstCode = 10)
{
    QList<QByteArray> rows;
    for (int r = 1; r <= 6; ++r)
        rows << row(r, keyRow(22, firstCode + 22 * (r - 1), 30 * r));
    return rows.join(",\r\n");
}

inline QByteArray sideLightCell(int index, int valid)
{
    return "\t\t{\"PosX\":" + QByteArray::number(-12) + ", \"PosY\":" + QByteArray::number(10 * index)
           + ", \"Width\":10, \"Height\":31, \"Index\":" + QByteArray::number(index)
           + ", \"validStatus\":" + QByteArray::number(valid) + ", \"SidePosition\":1, \"Mark\":\"0x"
           + QByteArray::number(index).rightJustified(2, '0') + "\"}";
}

// LEDs 1..count, the odd ones valid.
inline QList<QByteArray> sideLightRow(int count)
{
    QList<QByteArray> cells;
    for (int i = 1; i <= count; ++i)
        cells << sideLightCell(i, i % 2);
    return cells;
}

} // namespace layoutText
