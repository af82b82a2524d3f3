// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include <QCoreApplication>
#include <QFontDatabase>

namespace {

// A page has no system fonts: the face the window's layout is measured in
// comes with the program, ready before the window is made.
void addWindowFont()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(addWindowFont)
