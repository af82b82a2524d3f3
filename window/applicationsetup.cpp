// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "applicationsetup.h"
#include "keyrepeat.h"
#include "trevaneversion.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

namespace {

// Made before the application, so that -style and QT_STYLE_OVERRIDE still
// replace it; the application deletes only the style it keeps.
QPointer<QStyle> defaultStyle;

// As Qt chooses a platform theme: the one named, or GTK's on desktops built on GTK.
bool mayLoadGtkTheme(int argc, char *argv[])
{
    QByteArray theme = qgetenv("QT_QPA_PLATFORMTHEME");
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "-platformtheme") == 0 || qstrcmp(argv[i], "--platformtheme") == 0)
            theme = argv[i + 1];
    if (!theme.isEmpty())
        return theme.startsWith("gtk");
    const QList<QByteArray> gtkDesktops{"GNOME", "X-CINNAMON", "UNITY", "MATE", "XFCE", "LXDE"};
    for (const QByteArray &desktop : qgetenv("XDG_CURRENT_DESKTOP").toUpper().split(':'))
        if (gtkDesktops.contains(desktop))
            return true;
    return false;
}

} // namespace

void prepareApplication(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB") && !mayLoadGtkTheme(argc, argv))
        qputenv("QT_NO_GLIB", "1");
    defaultStyle = QStyleFactory::create(QStringLiteral("Fusion"));
    QApplication::setStyle(defaultStyle);
}

void setUpApplication()
{
    if (defaultStyle && QApplication::style() != defaultStyle)
        delete defaultStyle; // replaced, by -style or QT_STYLE_OVERRIDE, and owned by no one
    QApplication::setApplicationName(QStringLiteral("Trevane"));
    QApplication::setApplicationVersion(QStringLiteral(TREVANE_VERSION));
    // Ties the window to its desktop entry, for the taskbar's icon and name.
    QApplication::setDesktopFileName(QStringLiteral("org.trevane.Trevane"));
    runtime::markKeyRepeats();
    // Every size of the desktop's icons, from the resources linked into the
    // executable, so that docks and task switchers need not scale one up.
    QIcon icon;
    for (const QFileInfo &size : QDir(QStringLiteral(":/icons")).entryInfoList())
        icon.addFile(size.filePath() + QStringLiteral("/trevane.png"));
    QApplication::setWindowIcon(icon);
}
