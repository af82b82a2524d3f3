// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

// The end of a 10000-twip arm at an angle in degrees, in whole twips,
// measured upward and to the right of where the arm starts. An angle whose
// cosine or sine cannot be computed raises the floating-point run-time error.
double NeedleX(double angle);
double NeedleY(double angle);
