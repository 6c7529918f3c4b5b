#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class onboardKeyboardKeyTool;
}

// The content of the on-board page's hover tip: one centred label.
class onboardKeyboardKeyTool : public QWidget
{
    Q_OBJECT

public:
    explicit onboardKeyboardKeyTool(QWidget *parent = nullptr);
    ~onboardKeyboardKeyTool() override;

    void setLabelText(const QString &text);
    void setLabelStyle(const QString &styleSheet);
    QString labelText() const;

private:
    std::unique_ptr<Ui::onboardKeyboardKeyTool> m_ui;
};
