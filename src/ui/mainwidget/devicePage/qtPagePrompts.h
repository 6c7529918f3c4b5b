#pragma once

#include "pagePrompts.h"

// The prompts a person answers: QMessageBox, QFileDialog, QMenu.
class qtPagePrompts : public pagePrompts
{
public:
    int question(QWidget *parent, const QString &title, const QString &text,
                 const QStringList &buttons) override;
    QString existingFolder(QWidget *parent, const QString &title, const QString &startFolder,
                           QFileDialog::Options options) override;
    QString openFile(QWidget *parent, const QString &title, const QString &startFolder,
                     const QString &filter) override;
    QAction *runMenu(QMenu *menu, const QPoint &globalPos) override;
};
