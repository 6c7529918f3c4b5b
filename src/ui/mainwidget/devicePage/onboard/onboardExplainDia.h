#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class onboardExplainDia;
}

// The help panel of the on-board area: what the APP mode and the on-board
// editor keep where, and the keyboard's two layers. Built with the theme of
// the moment; the device page builds a new one for each showing.
class onboardExplainDia : public QWidget
{
    Q_OBJECT

public:
    explicit onboardExplainDia(QWidget *parent = nullptr);
    ~onboardExplainDia() override;

private:
    std::unique_ptr<Ui::onboardExplainDia> m_ui;
};
