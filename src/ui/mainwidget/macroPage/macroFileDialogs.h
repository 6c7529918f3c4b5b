#pragma once

#include <QString>

class QWidget;

// The two file dialogs of the macro page, behind an interface so that tests
// can answer them. An empty result means the user cancelled.
class macroFileDialogs
{
public:
    virtual ~macroFileDialogs() = default;

    // A macro file to import.
    virtual QString openMacroFile(QWidget *parent, const QString &startFolder) = 0;
    // The folder an export goes to.
    virtual QString chooseExportFolder(QWidget *parent, const QString &startFolder) = 0;
};
