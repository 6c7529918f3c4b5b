#pragma once

#include "CbNoticeInterface.h"

#include <QColor>
#include <QWidget>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

// The toast: a rounded, semi-transparent box with one line of text, shown
// centred on a point over its parent, fully opaque for the display time, then
// fading out over the fade time and hiding itself. Owners create one, restyle
// it and reuse it for every message; a new message restarts the run.
class CbNotice : public QWidget, public CbNoticeInterface
{
    Q_OBJECT

public:
    explicit CbNotice(QWidget *parent = nullptr);
    ~CbNotice() override;

    void showNotice() override;
    void showNotice(const QString &text) override;
    void showNotice(const QString &text, const QPoint &centre) override;

    void setFontPixelSize(int pixelSize);
    void setBackgroundColor(const QColor &color);
    void setTextColor(const QColor &color);
    void setTextFont(const QFont &font);
    void setNoticeHeight(int height);
    int noticeHeight() const { return m_noticeHeight; }
    // A negative time counts as 0: the box stays opaque and then goes at once.
    void setFadeDuration(int milliseconds);
    int fadeDuration() const { return m_fadeTime; }
    // The pixel width of the current text in the current font.
    int textWidth() const;
    // The message shown last.
    QString text() const { return m_text; }

    // Where a message goes when its owner gives no centre.
    QPoint defaultCentre() const;

signals:
    void sigFinished();

public slots:
    // Runs the fade from its current settings without showing the widget.
    void onActiveHideAnimation();
    void onHideAnimotionFinish();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void showAt(const QPoint &centre);

    int m_noticeHeight = 40;
    int m_displayTime = 1300;
    int m_fadeTime = 1000;
    QColor m_textColor{255, 49, 53, 255};
    QColor m_backgroundColor{25, 25, 25, 200};
    QString m_text;
    QGraphicsOpacityEffect *m_opacityEffect = nullptr;
    QPropertyAnimation *m_animation = nullptr;
};
