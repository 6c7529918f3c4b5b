#pragma once

#include "CbNoticeInterface.h"

#include <QColor>
#include <QGraphicsWidget>

class QPropertyAnimation;

// The toast as an item of a graphics scene: the same box, run and signals as
// the widget notice, with its own colours and a fixed one-second fade.
class CbGraphicsNotice : public QGraphicsWidget, public CbNoticeInterface
{
    Q_OBJECT

public:
    explicit CbGraphicsNotice(QGraphicsItem *parent = nullptr);
    ~CbGraphicsNotice() override;

    void showNotice() override;
    void showNotice(const QString &text) override;
    void showNotice(const QString &text, const QPoint &centre) override;

    void setFontPixelSize(int pixelSize);
    void setNoticeHeight(int height);
    void setBackgroundColor(const QColor &color);
    int textWidth() const;
    // Holds until the next show sets the run's duration again.
    void setAnimationDuration(int milliseconds);

    QPoint defaultCentre() const;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

signals:
    void sigFinished();

public slots:
    void onActiveHideAnimation();
    void onHideAnimotionFinish();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;

private:
    void showAt(const QPoint &centre);

    int m_noticeHeight = 40;
    int m_displayTime = 1300;
    QColor m_textColor{254, 254, 254, 255};
    QColor m_backgroundColor{25, 25, 25, 160};
    QString m_text;
    QPropertyAnimation *m_animation = nullptr;
};
