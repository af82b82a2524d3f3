// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

// Guards the making of the QApplication: where Qt would abort because no
// window can be opened (a platform that is not there, a display that does not
// answer), says in one line what is wrong and ends the program with status 1.
// Qt's other messages meanwhile are held, and passed on when the guard ends.
class PlatformStartGuard
{
public:
    // Reads the platform and display asked for, before Qt takes its options.
    PlatformStartGuard(int argc, char *argv[]);
    ~PlatformStartGuard();

    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;

private:
    QtMessageHandler previous_;
};
