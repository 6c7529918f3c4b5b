#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QToolButton>

class QPainter;

// One key of the keyboard view, one per cell of the 6 x 22 grid (empty cells
// included). It draws no caption: the model's picture lies behind it and the
// button only paints a frame or a fill over its key, in one of three looks:
// key mode (assignment page), custom-light mode (per-key colour editing) or
// light display (the lighting engine's colours).
class keyboardButCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit keyboardButCustom(QWidget *parent = nullptr);

    void setKeySize(int width, int height);
    void setKeyPosition(int x, int y);
    void setKeyInfo(int keyCode, const QString &rawCaption);
    void setCell(int row, int column);
    void setSpecialEnter(bool special);
    void setEnterShape(int shape);
    // Must follow setKeySize: the lower part's size derives from the key size.
    void setEnterNotch(int x, int y);
    void setThemeColors(const QColor &clicked, const QColor &haveCustom);
    void setKeyAssigned(bool assigned);
    void setSelected(bool selected, bool repaint);
    void setKeyColor(const QColor &color);
    void setColorRefreshEnabled(bool enabled);
    void setKeyMode(bool keyMode);
    void setCustomLightMode(bool customLightMode);
    void setDragCaught(bool caught);

    QString getKeyText() const { return m_rawCaption; }
    int getKeyCode() const { return m_keyCode; }
    int getRow() const { return m_row; }
    int getColumn() const { return m_column; }
    QColor getKeyColor() const { return m_lightColor; }
    bool isSelected() const { return m_selected; }
    bool isKeyAssigned() const { return m_assigned; }
    int getPosX() const { return m_posX; }
    int getPosY() const { return m_posY; }

signals:
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawKey(QPainter &painter, const QColor &fill, const QColor &border);
    void drawPlainKey(QPainter &painter, const QColor &fill, const QColor &border);
    void drawNotchedEnter(QPainter &painter, const QColor &fill, const QColor &border);
    bool drawsNotchedEnter() const { return m_specialEnter && m_enterShape == 1; }
    void updateEnterMask();

    bool m_hovered = false;
    int m_width = 34;
    int m_height = 38;
    bool m_assigned = false;
    bool m_selected = false;
    int m_posX = 0;
    int m_posY = 0;
    int m_row = 0;
    int m_column = 0;
    int m_keyCode = 0;
    QString m_rawCaption;
    QPoint m_position;
    int m_enterShape = 0;
    bool m_specialEnter = false;
    int m_notchX = 0;
    int m_notchY = 0;
    int m_lowerWidth = 0;
    int m_lowerHeight = 0;
    bool m_keyMode = true;
    bool m_customLightMode = false;
    bool m_colorRefresh = false;
    QColor m_hoverFill{255, 49, 53, 50};
    QColor m_hoverBorder{255, 49, 53, 255};
    QColor m_selectedFill{255, 128, 0, 50};
    QColor m_selectedBorder{255, 128, 0, 255};
    QColor m_assignedFill{255, 49, 53, 50};
    QColor m_assignedBorder{255, 49, 53, 255};
    QColor m_lightColor{0, 0, 0, 0};
    QColor m_highlight{255, 49, 53, 255};
    bool m_dragCaught = false;
};
