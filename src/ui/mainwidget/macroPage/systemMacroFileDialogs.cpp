#include "systemMacroFileDialogs.h"

#include <QFileDialog>

QString systemMacroFileDialogs::openMacroFile(QWidget *parent, const QString &startFolder)
{
    return QFileDialog::getOpenFileName(parent, tr("Open macro file"), startFolder, tr("Macro files(*.xml)"));
}

QString systemMacroFileDialogs::chooseExportFolder(QWidget *parent, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(parent, tr("Save directory"), startFolder,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}
