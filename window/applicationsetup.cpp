// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "applicationsetup.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStyleFactory>

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Trevane"));
    QApplication::setApplicationVersion(QStringLiteral(TREVANE_VERSION));
    // Ties the window to its desktop entry, for the taskbar's icon and name.
    QApplication::setDesktopFileName(QStringLiteral("org.trevane.Trevane"));
    // Fusion unless the user names a style in QT_STYLE_OVERRIDE, which Qt applies itself.
    if (qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Every size of the desktop's icons, from the resources linked into the
    // executable, so that docks and task switchers need not scale one up.
    QIcon icon;
    for (const QFileInfo &size : QDir(QStringLiteral(":/icons")).entryInfoList())
        icon.addFile(size.filePath() + QStringLiteral("/trevane.png"));
    QApplication::setWindowIcon(icon);
}
