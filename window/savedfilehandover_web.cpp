// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "savedfilehandover.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

void handOverSavedFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QFileDialog::saveFileContent(file.readAll(), QFileInfo(path).fileName());
    file.remove();
}
