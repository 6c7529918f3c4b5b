#pragma once

#include <QList>
#include <QSet>
#include <QString>

// The four selection lists of the device page's side panels: which row
// stands for which key function or effect, in both directions, and which
// rows a device is offered. Plain tables; the page puts them on its buttons.
class selectionLists
{
public:
    enum List { KeyFunction, KeyEffect, SideEffect, ScrollAndLogo };

    // A number column of a list: the binding kind of a key function, the
    // effect number of a zone. Rows that do not serve a column hold NoNumber.
    enum Column { OperateType, KeyboardEffect, MouseAroundEffect, SideLightEffect, ScrollOrLogoEffect };

    static constexpr int NoNumber = -1000;
    // The binding kind of a key without binding.
    static constexpr int NoBinding = -1;

    struct Row
    {
        int id;                 // button-group id
        const char *objectName; // the form's button
        const char *caption;    // source text, context "DDevicePage"
        const char *picture;    // normal picture; the button derives its "Sel" twin
        int numbers[2];         // first and second number column of the list (NoNumber: not offered)
    };

    // Rows from top to bottom.
    static QList<Row> rows(List list);
    // The list's rows in the order the page registers them in the group: by id.
    static QList<Row> rowsById(List list);
    static const Row *rowById(List list, int id);
    static const Row *rowByName(List list, const QString &objectName);

    // Number of a row in a column; NoNumber when the id has no row or the
    // row does not serve that column.
    static int numberForId(Column column, int id);
    // Row id of a number; -1 when no row holds it.
    static int idForNumber(Column column, int number);

    // The key-function row a stored binding marks: no binding is Default.
    // -1 for kinds outside 0 to 9.
    static int keyFunctionIdForBinding(int operateType);

    // Ids of the key-effect rows a keyboard shows for its reported key
    // effects: Custom and Musical Rhythm always, and the row of each
    // reported number.
    static QSet<int> visibleKeyboardEffectIds(const QList<int> &reported);
    // Ids of the side rows for the reported side effects.
    static QSet<int> visibleSideEffectIds(const QList<int> &reported);
    // The zone tabs exist only for a keyboard that reports side effects.
    static bool sideTabsVisible(const QList<int> &reported);
    // Ids of the key-effect rows the mouse shows for its Around list.
    static QSet<int> visibleMouseAroundIds(const QList<int> &reported);
    // The Scroll-and-Logo rows are never hidden.
    static QSet<int> visibleScrollAndLogoIds();
    // Key-function rows hidden while a keyboard is in the on-board mode.
    static QSet<int> onboardHiddenKeyFunctionIds();

    static List listOf(Column column);
};
