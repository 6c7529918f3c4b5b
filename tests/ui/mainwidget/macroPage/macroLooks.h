#pragma once

// How the macro page's rows look on screen, read from what they paint.

#include "themeColorInfo.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QWidget>

// A theme colour text as a colour (its alpha, if any, left out).
inline QColor themeRgb(const QString &text)
{
    return themeColorInfo::opaqueColor(text);
}

inline bool nearColor(const QColor &a, const QColor &b, int tolerance = 3)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

// The colour painted at a point of a part of top.
inline QColor paintedAt(QWidget *top, QWidget *part, const QPoint &inPart)
{
    return top->grab().toImage().pixelColor(part->mapTo(top, inPart));
}

inline QColor textColor(QWidget *label)
{
    return label->palette().color(QPalette::WindowText);
}

// True when the button shows the resource picture over its background.
inline bool showsPicture(QWidget *top, QWidget *button, const QString &resource)
{
    const QRect area(button->mapTo(top, QPoint(0, 0)), button->size());
    const QImage painted = top->grab().toImage().copy(area);
    QImage expected(area.size(), QImage::Format_ARGB32);
    expected.fill(painted.pixelColor(0, 0));
    {
        QPainter painter(&expected);
        painter.drawImage(QRect(QPoint(0, 0), area.size()), QImage(resource));
    }
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            if (!nearColor(painted.pixelColor(x, y), expected.pixelColor(x, y), 8))
                return false;
        }
    }
    return true;
}
