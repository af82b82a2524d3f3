// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "stackbottom.h"

#include <windows.h>

namespace runtime {

std::uintptr_t stackBottom()
{
    ULONG_PTR low = 0;
    ULONG_PTR high = 0;
    GetCurrentThreadStackLimits(&low, &high);
    return low;
}

} // namespace runtime
