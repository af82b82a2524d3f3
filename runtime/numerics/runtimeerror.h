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
    RuntimeError(int number, const std::string &description);

    int number() const { return number_; }
    std::string description() const { return what(); }

    static RuntimeError overflow();
    static RuntimeError divisionByZero();
    static RuntimeError outOfMemory();
    static RuntimeError outOfStackSpace();
    static RuntimeError internal(const std::string &what);

private:
    int number_;
};

} // namespace runtime
