#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

class QAbstractButton;
class QFontMetrics;
class QLabel;
class QPushButton;
class QWidget;

// Keeps a panel's texts inside their widgets in
// every language: radio and check box texts break into lines, push buttons
// the form holds to a width widen up to their text and elide past the room
// they get, push buttons across the page break into lines, one-line labels
// elide. A shortened text carries the whole text as its tool tip, unless the
// widget has a tool tip of its own.
//
// The fitter keeps each widget's whole text; a text set from outside (a
// re-translation, a key caption) is taken as the new whole text at the next
// refit(). Widths and fonts are watched, so a resize or a theme refits alone.
class pageTextFitter : public QObject
{
    Q_OBJECT

public:
    // With a form size, the page is a key-function page fitted into the key
    // panel's column, which is narrower than the page's form: the form's
    // height stays, its width is only the most the page takes, and the
    // page's own side margins go (the column has its own).
    explicit pageTextFitter(QWidget *page, const QSize &formSize = QSize());

    // Picks up texts set since the last fit (call after re-translating or
    // setting a caption).
    void refit();

    // The lines that fit a width: words go to the next line when the line is
    // full; a word wider than the width breaks where its script allows, and
    // a piece still wider is elided.
    static QStringList wrapLines(const QString &text, const QFontMetrics &metrics, int width);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QString whole; // the text as set from outside
        QString shown; // what the fitter last put on the widget
        bool ownToolTip = false; // the fitter set the tool tip
        QSize formMinimum; // a push button's least and most sizes as the form set them
        QSize formMaximum;
    };

    void watch(QWidget *widget);
    void fit(QWidget *widget);
    QString currentText(const QWidget *widget) const;
    void setShownText(QWidget *widget, Entry &entry, const QString &text);
    QString fittedButtonText(QAbstractButton *button, const QString &whole) const;
    QString fittedLabelText(QLabel *label, const QString &whole) const;
    void sizeButtonFromText(QPushButton *button, const Entry &entry) const;

    QPointer<QWidget> m_page;
    QHash<QWidget *, Entry> m_entries;
    bool m_fitting = false;
};
