// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "runtimeerror.h"

namespace runtime {

RuntimeError::RuntimeError(int number, const std::string &description)
    : std::runtime_error(description), number_(number)
{
}

RuntimeError RuntimeError::overflow()
{
    return {6, "Overflow"};
}
RuntimeError RuntimeError::divisionByZero()
{
    return {11, "Division by zero"};
}
RuntimeError RuntimeError::outOfMemory()
{
    return {7, "Out of memory"};
}
RuntimeError RuntimeError::outOfStackSpace()
{
    return {28, "Out of stack space"};
}
RuntimeError RuntimeError::internal(const std::string &what)
{
    return {51, "Internal error: " + what};
}

} // namespace runtime
