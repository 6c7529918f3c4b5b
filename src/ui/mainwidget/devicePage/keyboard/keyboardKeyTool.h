#pragma once

#include <QWidget>

class QLabel;

// The content of the keyboard view's hover pop-up: the key's caption, large
// and centred.
class keyboardKeyTool : public QWidget
{
    Q_OBJECT

public:
    explicit keyboardKeyTool(QWidget *parent = nullptr);

    void setLabelStyle(const QString &style);
    void setLabelText(const QString &text);

private:
    QLabel *m_label;
};
