// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "applicationsetup.h"

#include <QApplication>
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
    // The icon lives in the resources linked into the executable.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/trevane.ico")));
}
