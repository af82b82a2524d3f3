// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "pacedpump.h"

#include <optional>

// What the command line asks of the window it opens.
struct WindowOptions
{
    runtime::Pace pace = runtime::Pace::AsFastAsPossible;
};

// Answers what the command line asks before the toolkit starts, so that
// --help and --version work without a display and nothing aborts for the
// lack of one. Prints the answer and returns the program's exit status, or
// nothing when the window is to open, with the options it takes.
std::optional<int> answerCommandLine(int argc, char *argv[], WindowOptions &options);
