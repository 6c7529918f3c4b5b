#pragma once

#include <QColor>
#include <QPoint>
#include <QToolButton>

// One LED of the keyboard view's side-light strip: its light colour shown as
// a strip that fades out towards both ends.
class sideLightButtonCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit sideLightButtonCustom(QWidget *parent = nullptr);

    void setLightSize(int width, int height);
    void setLightPosition(int x, int y);
    void setIndexAndValid(int index, int validStatus);
    int getValidStatus() const { return m_validStatus; }
    int getIndex() const { return m_index; }
    void setLightColor(const QColor &color);
    QColor getLightColor() const { return m_lightColor; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_width = 10;
    int m_height = 10;
    int m_posX = 0;
    int m_posY = 0;
    int m_index = 0;
    int m_validStatus = 0;
    QPoint m_position;
    QColor m_lightColor;
};
