#include "deleteBasicColorItemTool.h"

#include <QHBoxLayout>
#include <QPushButton>

deleteBasicColorItemTool::deleteBasicColorItemTool(QWidget *parent)
    : QWidget(parent)
    , m_button(new QPushButton(this))
{
    m_button->setFixedSize(18, 18);
    m_button->setStyleSheet(QStringLiteral(
        "QPushButton{border-image:url(:/images/macro/deleteDef.png);}"
        "QPushButton:hover{border-image:url(:/images/macro/deleteSel.png);}"
        "QPushButton:pressed{border-image:url(:/images/macro/deleteSel.png);}"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_button);
    connect(m_button, &QPushButton::clicked, this, &deleteBasicColorItemTool::sigDeleteBasicColor);
}
