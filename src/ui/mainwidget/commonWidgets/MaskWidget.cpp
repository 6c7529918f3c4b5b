#include "MaskWidget.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>

namespace {

constexpr double kWidgetOpacity = 0.7;

QRect desktopGeometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualGeometry() : QRect();
}

} // namespace

MaskWidget::MaskWidget(QWidget *parent)
    : QWidget(parent)
{
    setOpacity(kWidgetOpacity);
    setBgColor(QColor(0, 0, 0, 255));
    setGeometry(desktopGeometry());
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    qApp->installEventFilter(this);
}

void MaskWidget::setMainWidget(QWidget *mainWidget)
{
    if (m_mainWidget != mainWidget)
        m_mainWidget = mainWidget;
}

void MaskWidget::setDialogNames(const QStringList &dialogNames)
{
    if (m_dialogNames != dialogNames)
        m_dialogNames = dialogNames;
}

void MaskWidget::setBgColor(const QColor &bgColor)
{
    QPalette p = palette();
    p.setBrush(QPalette::Window, QBrush(bgColor));
    setPalette(p);
}

void MaskWidget::setOpacity(double opacity)
{
    setWindowOpacity(opacity);
}

void MaskWidget::showEvent(QShowEvent *event)
{
    setGeometry(m_mainWidget ? m_mainWidget->geometry() : desktopGeometry());
    QWidget::showEvent(event);
}

// An unnamed object is never one of the dialogs, even if the list holds an
// empty name.
bool MaskWidget::isNamedDialog(const QObject *object) const
{
    const QString name = object->objectName();
    return !name.isEmpty() && m_dialogNames.contains(name, Qt::CaseSensitive);
}

bool MaskWidget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        if (isNamedDialog(watched)) {
            show();
            activateWindow();
            if (watched->isWidgetType())
                static_cast<QWidget *>(watched)->activateWindow(); // the dialog ends up above the overlay
        }
        break;
    case QEvent::Hide:
        if (isNamedDialog(watched))
            hide();
        break;
    case QEvent::WindowActivate:
        // Keeps the overlay above the main window when the user clicks it.
        if (m_mainWidget && m_mainWidget->objectName() == watched->objectName() && isVisible())
            activateWindow();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
