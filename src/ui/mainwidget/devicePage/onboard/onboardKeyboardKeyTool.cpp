#include "onboardKeyboardKeyTool.h"

#include "ui_onboardKeyboardKeyTool.h"

onboardKeyboardKeyTool::onboardKeyboardKeyTool(QWidget *parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::onboardKeyboardKeyTool>())
{
    m_ui->setupUi(this);
}

onboardKeyboardKeyTool::~onboardKeyboardKeyTool() = default;

void onboardKeyboardKeyTool::setLabelText(const QString &text)
{
    m_ui->label->setText(text);
}

void onboardKeyboardKeyTool::setLabelStyle(const QString &styleSheet)
{
    m_ui->label->setStyleSheet(styleSheet);
}

QString onboardKeyboardKeyTool::labelText() const
{
    return m_ui->label->text();
}
