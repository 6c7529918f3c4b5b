#include "promptCaller.h"

#include "DTipInfoDia.h"

#include <QTimer>
#include <QVBoxLayout>

PromptCaller::PromptCaller()
{
    m_mainWindow.resize(900, 600);
    m_mainWindow.move(60, 40);
    auto *layout = new QVBoxLayout(&m_mainWindow);
    m_page = new QWidget(&m_mainWindow);
    layout->addWidget(m_page);
    m_prompt = new DTipInfoDia(m_page);
    connect(m_prompt, &DTipInfoDia::sigTipInfoDiaClose, this, &PromptCaller::onTipInfoDiaClose);
}

PromptCaller::~PromptCaller() = default;

int PromptCaller::ask(const std::function<void()> &whileShown)
{
    delete m_overlay;
    m_overlay = new QWidget(&m_mainWindow);
    m_overlay->setWindowFlags(Qt::FramelessWindowHint);
    m_overlay->setObjectName(QStringLiteral("widget"));
    m_overlay->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 120);}"));
    m_overlay->setGeometry(0, 0, m_mainWindow.width(), m_mainWindow.height());
    m_overlay->show();

    m_prompt->updateTheme();
    const QPoint origin = m_mainWindow.pos();
    m_prompt->move(origin.x() + (m_mainWindow.width() - m_prompt->width()) / 2,
                   origin.y() + (m_mainWindow.height() - m_prompt->height()) / 2);
    m_prompt->setWindowModality(Qt::WindowModal);
    m_prompt->clearAnswer();
    QTimer::singleShot(0, m_prompt, whileShown);
    // Only a broken ending reaches this: the test fails instead of hanging.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, m_prompt, [this] {
        m_timedOut = true;
        m_prompt->done(QDialog::Rejected);
    });
    guard.start(5000);
    m_timedOut = false;
    m_prompt->exec();
    return m_prompt->answer();
}

void PromptCaller::onTipInfoDiaClose()
{
    if (m_overlay)
        m_overlay->hide();
}
