// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

namespace runtime {

// Watches one computing routine for floating-point faults. Construct it where
// the routine starts: it clears the overflow, divide-by-zero and invalid flags.
// Pass the routine's result through checked(): a flag raised by any operation
// since then (the flags are sticky), or a result that is not finite, raises
// the floating-point run-time error. Underflow and inexact are ignored.
//
// Guards nest: faults pending when a guard starts are raised again when it
// ends, so a routine that calls another still sees its own earlier faults.
// Where there are no flags, only values are checked: a routine passes each
// value through checked() where a later operation could make a fault's
// infinity or NaN finite again.
class FloatingPointGuard
{
public:
    FloatingPointGuard();
    ~FloatingPointGuard();
    FloatingPointGuard(const FloatingPointGuard &) = delete;
    FloatingPointGuard &operator=(const FloatingPointGuard &) = delete;

    double checked(double value) const;
    float checked(float value) const;

private:
    [[maybe_unused]] int pending_; // the flags' side only
};

} // namespace runtime
