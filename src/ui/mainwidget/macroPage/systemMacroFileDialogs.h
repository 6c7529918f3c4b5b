#pragma once

#include "macroFileDialogs.h"

#include <QCoreApplication>

// The standard file dialogs.
class systemMacroFileDialogs : public macroFileDialogs
{
    Q_DECLARE_TR_FUNCTIONS(DMacroPage)

public:
    QString openMacroFile(QWidget *parent, const QString &startFolder) override;
    QString chooseExportFolder(QWidget *parent, const QString &startFolder) override;
};
