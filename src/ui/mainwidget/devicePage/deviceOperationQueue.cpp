#include "deviceOperationQueue.h"

#include "FixedText.h"

void deviceOperationQueue::deferList(const QList<hidStructInfo> &list)
{
    m_pending.hasList = true;
    m_pending.list = list;
}

void deviceOperationQueue::deferSelection(const QString &path, int from)
{
    m_pending.selection = path;
    m_pending.selectionFrom = from;
}

bool deviceOperationQueue::pendingListLacks(const QString &path) const
{
    if (!m_pending.hasList)
        return false;
    for (const hidStructInfo &record : m_pending.list) {
        if (fixedText(record.hidPath) == path)
            return false;
    }
    return true;
}

deviceOperationQueue::Pending deviceOperationQueue::take()
{
    Pending taken = m_pending;
    m_pending = Pending();
    return taken;
}
