#pragma once

#include "hidStructInfo.h"

#include <QList>
#include <QString>

// The device page runs one device operation at a time (taking a device
// list, an arrival or removal, a selection with its load). An operation may
// wait for its device, and events run meanwhile: what they ask of the page
// is kept here and taken when the running operation ends. The latest list
// wins, and so does the latest selection.
class deviceOperationQueue
{
public:
    struct Pending
    {
        bool hasList = false;
        QList<hidStructInfo> list;
        bool reconcile = false; // an arrival or removal notice
        bool showFirst = false;
        QString selection;      // a path, empty for none
        int selectionFrom = 0;

        bool isEmpty() const { return !hasList && !reconcile && !showFirst && selection.isEmpty(); }
    };

    bool isBusy() const { return m_depth > 0; }
    void begin() { ++m_depth; }
    // True when the outermost operation ended: time to take what waits.
    bool end() { return --m_depth == 0; }

    void deferList(const QList<hidStructInfo> &list);
    void deferReconcile() { m_pending.reconcile = true; }
    void deferShowFirst() { m_pending.showFirst = true; }
    void deferSelection(const QString &path, int from);

    // Whether a list came meanwhile that no longer holds the path: the
    // device is leaving, whatever the page's rows say yet.
    bool pendingListLacks(const QString &path) const;

    // Everything that waits, once; the queue is empty afterwards.
    Pending take();

private:
    int m_depth = 0;
    Pending m_pending;
};
