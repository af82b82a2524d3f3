// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "floatingpointguard.h"

#include "runtimeerror.h"

#include <cfenv>
#include <cmath>

namespace runtime {

namespace {

constexpr int faultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;

void throwIfFaulted(bool finite)
{
    const int raised = std::fetestexcept(faultFlags);
    if (raised & FE_DIVBYZERO)
        throw RuntimeError::divisionByZero();
    if (raised || !finite)
        throw RuntimeError::overflow();
}

} // namespace

FloatingPointGuard::FloatingPointGuard() : pending_(std::fetestexcept(faultFlags))
{
    // Clearing reloads the whole x87 environment, far dearer than testing,
    // and the flags are nearly always clear already.
    if (pending_)
        std::feclearexcept(faultFlags);
}

FloatingPointGuard::~FloatingPointGuard()
{
    if (pending_)
        std::feraiseexcept(pending_);
}

double FloatingPointGuard::checked(double value) const
{
    throwIfFaulted(std::isfinite(value));
    return value;
}

float FloatingPointGuard::checked(float value) const
{
    throwIfFaulted(std::isfinite(value));
    return value;
}

} // namespace runtime
