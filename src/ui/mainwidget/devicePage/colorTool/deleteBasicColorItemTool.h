#pragma once

#include <QWidget>

class QPushButton;

// The content of a user swatch's delete pop-up: one delete button.
class deleteBasicColorItemTool : public QWidget
{
    Q_OBJECT

public:
    explicit deleteBasicColorItemTool(QWidget *parent = nullptr);

    QPushButton *deleteButton() const { return m_button; }

signals:
    void sigDeleteBasicColor();

private:
    QPushButton *m_button;
};
