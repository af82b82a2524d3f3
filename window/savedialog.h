// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStandardPaths>
#include <QString>
#include <QStringList>

class QSaveFile;
class QWidget;

namespace runtime {
class RuntimeError;
}

// Where the user chose to save, and as which of the offered kinds of file.
struct SaveChoice
{
    QString path;
    QString filter;
};

// The one save dialog, for every file the program writes: over its window,
// in the folder given, suggesting the file name, asking before it replaces
// a file and closing with the window. Nothing chosen when it is cancelled.
SaveChoice askWhereToSave(QWidget *window, const QString &title, const QString &fileName,
                          QStandardPaths::StandardLocation folder, const QStringList &filters);

// The run-time error for a file that cannot be written, with its name and why.
runtime::RuntimeError cannotSave(const QString &path, const QString &reason);

// Saving writes a new file and renames it over the chosen one, which must
// not replace a device or a pipe (after following links): throws the
// run-time error that says so for such a path.
void refuseToReplaceSpecialFile(const QString &path);

// Puts the complete file in place of the chosen one and hands it to the user.
void commitSave(QSaveFile &file, const QString &path);
