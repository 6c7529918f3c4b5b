#include "devicePageGeometry.h"

namespace {

constexpr int kOnboardRowHalfWidth = 380;
constexpr int kExplainWidth = 460;
constexpr int kExplainHeight = 510;
constexpr int kExplainArrowOffset = 403;
// The pop-up's left edge lies this far left of the button's centre, its top
// edge this far below the button's top.
constexpr int kExplainLeftOfCentre = 410;
constexpr int kExplainBelowTop = 5;

} // namespace

QPoint devicePageGeometry::noticePoint(const QRect &pageRect, int sideBarWidth, int customPanelWidth,
                                       bool customPanelShown)
{
    const int panel = customPanelShown ? customPanelWidth : 0;
    return QPoint(pageRect.center().x() + sideBarWidth / 2 + panel / 2, NoticeY);
}

int devicePageGeometry::onboardLeftMargin(int keyboardAreaWidth)
{
    return keyboardAreaWidth / 2 - kOnboardRowHalfWidth;
}

QSize devicePageGeometry::explainPopupSize()
{
    return QSize(kExplainWidth, kExplainHeight);
}

int devicePageGeometry::explainArrowOffset()
{
    return kExplainArrowOffset;
}

QPoint devicePageGeometry::explainPopupPos(const QPoint &buttonTopLeft, const QSize &buttonSize)
{
    const QPoint bottomCentre = buttonTopLeft + QPoint(buttonSize.width() / 2, buttonSize.height());
    return bottomCentre - QPoint(kExplainLeftOfCentre, buttonSize.height() - kExplainBelowTop);
}
