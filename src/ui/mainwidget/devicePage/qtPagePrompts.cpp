#include "qtPagePrompts.h"

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

int qtPagePrompts::question(QWidget *parent, const QString &title, const QString &text,
                            const QStringList &buttons)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> offered;
    for (const QString &caption : buttons)
        offered.append(box.addButton(caption, QMessageBox::ActionRole));
    if (!offered.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton *>(offered.first()));
    // QMessageBox refuses to close without an escape button; a hidden one
    // lets the title bar's close and Escape answer "closed".
    QPushButton *closer = box.addButton(QMessageBox::Cancel);
    closer->hide();
    box.setEscapeButton(closer);
    box.exec();
    return offered.indexOf(box.clickedButton());
}

QString qtPagePrompts::existingFolder(QWidget *parent, const QString &title, const QString &startFolder,
                                      QFileDialog::Options options)
{
    return QFileDialog::getExistingDirectory(parent, title, startFolder, options);
}

QString qtPagePrompts::openFile(QWidget *parent, const QString &title, const QString &startFolder,
                                const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, startFolder, filter);
}

QAction *qtPagePrompts::runMenu(QMenu *menu, const QPoint &globalPos)
{
    return menu ? menu->exec(globalPos) : nullptr;
}
