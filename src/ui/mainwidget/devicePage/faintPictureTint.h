#pragma once

#include <QColor>
#include <QObject>
#include <QString>

class QAbstractButton;
class QGraphicsEffect;

// A strip button's picture drawn in a readable shade where its own colour
// would be faint on the strip's theme colour; the checked picture, which
// has its own colour, is left as it is.
class faintPictureTint : public QObject
{
    Q_OBJECT

public:
    faintPictureTint(QAbstractButton *button, const QString &picture);

    // The strip's theme colour text; the tint follows.
    void setBackground(const QString &background);
    // The shade the picture is drawn in, invalid while it is drawn as it is.
    QColor tint() const { return m_tint; }

    // The average colour of a picture's visible pixels.
    static QColor pictureColour(const QString &picture);

private:
    void follow(bool checked);

    QAbstractButton *m_button;
    QColor m_pictureColour;
    QColor m_tint;
    QGraphicsEffect *m_effect = nullptr;
};
