#include "noticeGeometry.h"

namespace {

constexpr int kTallHeight = 38;
constexpr int kMediumHeight = 25;
constexpr int kTallRadius = 22;
constexpr int kMediumRadius = 12;
constexpr int kSmallRadius = 3;

} // namespace

QSize noticeBoxSize(int textAdvance, int noticeHeight)
{
    return QSize(textAdvance + kNoticeTextPadding, noticeHeight);
}

int noticeCornerRadius(int noticeHeight)
{
    if (noticeHeight >= kTallHeight)
        return kTallRadius;
    if (noticeHeight >= kMediumHeight)
        return kMediumRadius;
    return kSmallRadius;
}

QPoint noticeTopLeft(const QPoint &centre, const QSize &size)
{
    return QPoint(centre.x() - size.width() / 2, centre.y() - size.height() / 2);
}

QPoint noticeDefaultCentre(const QRect &area)
{
    return area.topLeft() + QPoint(area.width() / 2, area.height() * 2 / 3);
}
