#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

// A translucent black overlay over the main window while one of a set of
// named dialogs is shown, so the dialog stands out. It watches the events of
// the whole application; the main widget is not owned, and one destroyed
// reads as none (the overlay then covers the whole desktop).
class MaskWidget : public QWidget
{
    Q_OBJECT

public:
    explicit MaskWidget(QWidget *parent = nullptr);

public slots:
    void setMainWidget(QWidget *mainWidget);
    // Object names compared case-sensitively with the shown widgets'.
    void setDialogNames(const QStringList &dialogNames);
    void setBgColor(const QColor &bgColor);
    void setOpacity(double opacity);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isNamedDialog(const QObject *object) const;

    QPointer<QWidget> m_mainWidget;
    QStringList m_dialogNames;
};
