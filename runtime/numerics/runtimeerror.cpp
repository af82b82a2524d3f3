// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "runtimeerror.h"

namespace runtime {

RuntimeError::RuntimeError(Number number, const std::string &description)
    : std::runtime_error(description), number_(number)
{
}

RuntimeError RuntimeError::overflow()
{
    return {Overflow, "Overflow"};
}
RuntimeError RuntimeError::divisionByZero()
{
    return {DivisionByZero, "Division by zero"};
}
RuntimeError RuntimeError::outOfMemory()
{
    return {OutOfMemory, "Out of memory"};
}
RuntimeError RuntimeError::outOfStackSpace()
{
    return {OutOfStackSpace, "Out of stack space"};
}
RuntimeError RuntimeError::internal(const std::string &what)
{
    return {Internal, "Internal error: " + what};
}
RuntimeError RuntimeError::fileAccess(const std::string &description)
{
    return {FileAccess, description};
}

} // namespace runtime
