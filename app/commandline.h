// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pacedpump.h"

#include <QStringList>
#include <optional>
#include <string_view>

// What the command line asks of the window it opens.
struct WindowOptions
{
    runtime::Pace pace = runtime::Pace::AsFastAsPossible;
};

// Answers what must be answered before the toolkit starts: --help and
// --version, which need no display, and a display that is missing or named
// without a value, for which Qt would abort or guess. Prints the answer and
// returns the exit status, or nothing when the application is to be made.
std::optional<int> answerBeforeToolkit(int argc, char *argv[]);

// Reads what the QApplication left of the command line once it has taken
// every option of its own. Returns the exit status when it refuses something,
// or nothing when the window is to open, with the options it takes.
std::optional<int> readWindowOptions(const QStringList &arguments, WindowOptions &options);

// The value last given to Qt's option -name (or --name), as Qt reads it, or
// null when none is.
const char *qtOptionValue(int argc, char *argv[], std::string_view name);
