#pragma once

#include <QPoint>
#include <QString>

// What every owner of a toast calls to show a message. The centre is in the
// parent's coordinates (screen coordinates without a parent); the null point
// selects the notice's default centre.
class CbNoticeInterface
{
public:
    virtual ~CbNoticeInterface() = default;

    // The current text again, at the default centre.
    virtual void showNotice() = 0;
    virtual void showNotice(const QString &text) = 0;
    virtual void showNotice(const QString &text, const QPoint &centre) = 0;
};
