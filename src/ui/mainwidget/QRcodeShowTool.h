#pragma once

#include <QWidget>

class QFrame;

// The picture box of the home page's pop-ups: one 145 x 145 frame that shows
// a picture as its border image.
class QRcodeShowTool : public QWidget
{
    Q_OBJECT

public:
    explicit QRcodeShowTool(QWidget *parent = nullptr);

    void setImagePath(const QString &path);
    QFrame *imageFrame() const { return m_frame; }

private:
    QFrame *m_frame = nullptr;
};
