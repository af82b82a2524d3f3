// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "floatingpointguard.h"

#include "runtimeerror.h"

#include <cmath>

// Where there are no exception flags (WebAssembly has none), a fault is found
// from the values: overflow, division by zero and invalid operations all give
// a result that is not finite, which every later operation keeps so, up to
// the checked result. A division by zero is therefore reported as an overflow.
namespace runtime {

FloatingPointGuard::FloatingPointGuard() : pending_(0) {}

FloatingPointGuard::~FloatingPointGuard() = default;

double FloatingPointGuard::checked(double value) const
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    return value;
}

float FloatingPointGuard::checked(float value) const
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    return value;
}

} // namespace runtime
