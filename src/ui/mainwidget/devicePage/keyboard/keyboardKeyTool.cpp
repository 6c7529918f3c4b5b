#include "keyboardKeyTool.h"

#include <QLabel>
#include <QVBoxLayout>

keyboardKeyTool::keyboardKeyTool(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
{
    m_label->setFixedSize(170, 60);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setStyleSheet(QStringLiteral("color: rgb(245, 245, 245); font: bold 14pt \"微软雅黑\";"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
}

void keyboardKeyTool::setLabelStyle(const QString &style)
{
    m_label->setStyleSheet(style);
}

void keyboardKeyTool::setLabelText(const QString &text)
{
    m_label->setText(text);
}
