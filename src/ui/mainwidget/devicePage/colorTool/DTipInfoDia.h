#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class DTipInfoDia;
}

// The modal prompt shown when the user leaves the device page with a lighting
// edit not yet saved. The answer tells how it ended: 0 closed (close button,
// Escape or any other way without a button), 1 save, 2 discard.
//
// sigTipInfoDiaClose is emitted exactly once per showing, however it ends, so
// the caller's dimming overlay never outlives the prompt. A button emits it
// before storing its answer.
class DTipInfoDia : public QDialog
{
    Q_OBJECT

public:
    explicit DTipInfoDia(QWidget *parent = nullptr);
    ~DTipInfoDia() override;

    // Texts in the current language, then the theme's style sheets; called
    // before every showing.
    void updateTheme();
    void clearAnswer();
    int answer() const;

    void setVisible(bool visible) override;

signals:
    void sigTipInfoDiaClose();

private slots:
    void on_pushButton_Close_clicked();
    void on_pushButton_SaveChanged_clicked();
    void on_pushButton_Discard_clicked();

private:
    void finish(int answer);
    void emitCloseOnce();

    std::unique_ptr<Ui::DTipInfoDia> m_ui;
    int m_answer = 0;
    bool m_closeSignalled = false;
};
