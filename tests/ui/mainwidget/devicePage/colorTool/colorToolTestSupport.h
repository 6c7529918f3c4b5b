#pragma once

#include "screenColorReader.h"
#include "xmlRecords.h"

#include <QApplication>
#include <QList>
#include <QMouseEvent>
#include <QWidget>

// Mouse events as a real drag delivers them: moves carry the held buttons
// (QTest's own moves carry none).
inline void sendMouse(QWidget *widget, QEvent::Type type, const QPointF &pos, Qt::MouseButton button,
                      Qt::MouseButtons held)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos.toPoint()), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void pressAt(QWidget *w, const QPointF &pos, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, pos, button, button);
}

inline void dragTo(QWidget *w, const QPointF &pos, Qt::MouseButton held = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseMove, pos, Qt::NoButton, held);
}

inline void releaseAt(QWidget *w, const QPointF &pos, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

// A screen that shows one colour everywhere, and remembers where it was read.
class fakeScreenReader : public screenColorReader
{
public:
    explicit fakeScreenReader(const QColor &color)
        : m_color(color)
    {
    }
    screenPixelResult readPixel(const QPoint &globalPos) const override
    {
        m_reads.append(globalPos);
        screenPixelResult r;
        r.ok = true;
        r.color = m_color;
        return r;
    }
    QList<QPoint> reads() const { return m_reads; }

private:
    QColor m_color;
    mutable QList<QPoint> m_reads;
};

// A screen that cannot be read.
class refusingScreenReader : public screenColorReader
{
public:
    screenPixelResult readPixel(const QPoint &) const override
    {
        screenPixelResult r;
        r.error = QStringLiteral("no screen here");
        return r;
    }
};

inline QList<int> fields(const colorInfoData &d)
{
    return {d.ledKeyboardOrSide, d.ledType, d.ledBrightness, d.ledSpeed, d.ledModeR, d.ledModeG, d.ledModeB,
            d.ledBgR,            d.ledBgG,  d.ledBgB,        d.ledDirection, d.ledModeType, d.ledOpenOrClose,
            d.ledUpdate};
}
