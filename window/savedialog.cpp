// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "savedialog.h"

#include "extensioniconprovider.h"
#include "runtimeerror.h"
#include "savedfilehandover.h"
#include "windowdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The first of these folders that is there: a home folder whose name is not
// valid UTF-8 cannot be reached by Qt's file names, and a dialog started in
// a folder it cannot show would save a bare name in the current directory,
// which is then the next best folder to show.
QDir startingFolder(QStandardPaths::StandardLocation folder)
{
    for (const QString &path :
         {QStandardPaths::writableLocation(folder), QDir::homePath(), QDir::currentPath()})
        if (QDir(path).exists() && QDir::isAbsolutePath(path))
            return QDir(path);
    return QDir::root();
}

} // namespace

SaveChoice askWhereToSave(QWidget *window, const QString &title, const QString &fileName,
                          QStandardPaths::StandardLocation folder, const QStringList &filters)
{
    QFileDialog dialog(window, title, startingFolder(folder).filePath(fileName),
                       filters.join(";;"));
    ExtensionIconProvider icons;
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(fileName).suffix());
    if (runtime::execForWindow(dialog, window) != QDialog::Accepted)
        return {};
    return {dialog.selectedFiles().value(0), dialog.selectedNameFilter()};
}

runtime::RuntimeError cannotSave(const QString &path, const QString &reason)
{
    return runtime::RuntimeError::fileAccess(QStringLiteral("Cannot save %1: %2")
                                                 .arg(QDir::toNativeSeparators(path), reason)
                                                 .toStdString());
}

void commitSave(QSaveFile &file, const QString &path)
{
    if (!file.commit())
        throw cannotSave(path, file.errorString());
    handOverSavedFile(path);
}

void refuseToReplaceSpecialFile(const QString &path)
{
    if (const QFileInfo target(path); target.exists() && !target.isFile())
        throw cannotSave(path, QStringLiteral("not a regular file"));
}
