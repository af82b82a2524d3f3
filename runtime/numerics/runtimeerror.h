// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// The program's one kind of failure: a numbered run-time error that abandons
// the running event handler. Nothing below the dispatch point catches it.
class RuntimeError : public std::runtime_error
{
public:
    // The numbers reported, as users of the program know them.
    enum Number : int {
        Overflow = 6,
        OutOfMemory = 7,
        DivisionByZero = 11,
        OutOfStackSpace = 28,
        Internal = 51,
        FileAccess = 75,
    };

    RuntimeError(Number number, const std::string &description);

    int number() const { return number_; }
    std::string description() const { return what(); }

    static RuntimeError overflow();
    static RuntimeError divisionByZero();
    static RuntimeError outOfMemory();
    static RuntimeError outOfStackSpace();
    static RuntimeError internal(const std::string &what);
    // A file that could not be read or written, and why.
    static RuntimeError fileAccess(const std::string &description);

private:
    int number_;
};

} // namespace runtime
