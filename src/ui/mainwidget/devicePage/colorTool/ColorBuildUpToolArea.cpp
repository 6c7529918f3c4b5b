#include "ColorBuildUpToolArea.h"

#include "ColorBuildUpSlider.h"
#include "colorToolLog.h"
#include "gradientStops.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

using namespace gradientStops;

namespace {

constexpr int kBarTop = 35;
constexpr int kBarHeight = 35;

} // namespace

ColorBuildUpToolArea::ColorBuildUpToolArea(QWidget *parent)
    : QWidget(parent)
{
}

void ColorBuildUpToolArea::setColorBuildUp(const QList<colorStopPair> &pairs, int count)
{
    if (!isValidCount(count, pairs.size())) {
        qCWarning(lcColorTool) << "ColorBuildUpToolArea: refused" << count << "stops for" << pairs.size()
                   << "colour pairs (a gradient needs one pair per stop, at least 2)";
        return;
    }
    // A refill replaces the former stops rather than adding to them.
    qDeleteAll(m_handles);
    m_handles.clear();
    m_heldHandle = nullptr;
    m_holding = false;
    m_currentStop = -1;
    m_stopColors.clear();

    m_pairs = pairs;
    m_segments = count - 1;
    m_stopPositions = initialPositions(count);
    for (int j = 0; j < m_pairs.size(); ++j) {
        auto *handle = new ColorBuildUpSlider(j, this);
        handle->setColors(m_pairs.at(j).pointerColor, m_pairs.at(j).stopColor);
        connect(handle, &ColorBuildUpSlider::sigSelectSliderStatus, this, &ColorBuildUpToolArea::onSelectSliderStatus);
        m_handles.insert(j, handle);
        handle->setGeometry(initialHandleX(width(), count, j), kHandleTop, kHandleWidth, kHandleHeight);
        handle->show();
        m_stopColors.append(m_pairs.at(j).stopColor);
    }
    emit sigUpdataColorBuildUp(m_stopPositions, m_stopColors);
    update();
}

void ColorBuildUpToolArea::onSelectSliderStatus(bool selStatus)
{
    if (selStatus) {
        m_heldHandle = qobject_cast<ColorBuildUpSlider *>(sender());
        m_holding = m_heldHandle != nullptr;
    } else {
        m_holding = false;
        m_currentStop = -1;
    }
}

void ColorBuildUpToolArea::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_holding || !m_heldHandle)
        return;
    const int x = event->x();
    double t = 0.0;
    if (!dragPosition(x, width(), &t))
        return;
    m_heldHandle->setGeometry(x, kHandleTop, kHandleWidth, kHandleHeight);
    m_currentStop = m_heldHandle->index();
    m_stopPositions[m_currentStop] = t;
    emit sigUpdataColorBuildUp(m_stopPositions, m_stopColors);
    update();
}

void ColorBuildUpToolArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        qCDebug(lcColorTool) << "---------- RightButton ---------";
}

void ColorBuildUpToolArea::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    if (delta.y() != 0)
        qCDebug(lcColorTool) << "--------------------wheelEvent degrees:" << delta.y();
}

void ColorBuildUpToolArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QLinearGradient gradient(0, 10, width(), 10);
    for (int k = 0; k < m_pairs.size() && k < m_stopPositions.size(); ++k)
        gradient.setColorAt(m_stopPositions.at(k), m_pairs.at(k).stopColor);
    gradient.setSpread(QGradient::RepeatSpread);
    painter.setBrush(gradient);
    painter.drawRect(kBarInset, kBarTop, width() - 2 * kBarInset, kBarHeight);
}
