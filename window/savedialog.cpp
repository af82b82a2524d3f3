// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "savedialog.h"

#include "runtimeerror.h"
#include "windowdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {
constexpr int fileAccessError = 75;
}

SaveChoice askWhereToSave(QWidget *window, const QString &title, const QString &fileName,
                          QStandardPaths::StandardLocation folder, const QStringList &filters)
{
    const QDir start(QStandardPaths::writableLocation(folder));
    QFileDialog dialog(window, title, start.filePath(fileName), filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(fileName).suffix());
    if (runtime::execForWindow(dialog, window) != QDialog::Accepted)
        return {};
    return {dialog.selectedFiles().value(0), dialog.selectedNameFilter()};
}

runtime::RuntimeError cannotSave(const QString &path, const QString &reason)
{
    return runtime::RuntimeError(fileAccessError, QStringLiteral("Cannot save %1: %2")
                                                      .arg(QDir::toNativeSeparators(path), reason)
                                                      .toStdString());
}
