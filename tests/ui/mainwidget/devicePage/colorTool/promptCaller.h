#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class DTipInfoDia;

// Stands in for the device page when it asks whether to save a lighting edit:
// a main window, a page inside it that owns the prompt, and the dimming
// overlay the page shows while the prompt is up and hides on the prompt's
// close signal.
class PromptCaller : public QObject
{
    Q_OBJECT

public:
    PromptCaller();
    ~PromptCaller() override;

    QWidget *mainWindow() { return &m_mainWindow; }
    DTipInfoDia *prompt() { return m_prompt; }
    QWidget *overlay() { return m_overlay; }

    // The page's ask steps: overlay, updateTheme, centring on the main
    // window, window-modal, clearAnswer, exec; returns the answer. whileShown
    // runs inside the modal loop (it ends the prompt).
    int ask(const std::function<void()> &whileShown);
    // The last ask ended only by the safety timer.
    bool timedOut() const { return m_timedOut; }

public slots:
    void onTipInfoDiaClose();

private:
    QWidget m_mainWindow;
    QWidget *m_page = nullptr;
    DTipInfoDia *m_prompt = nullptr;
    QPointer<QWidget> m_overlay;
    bool m_timedOut = false;
};
