// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "stackroom.h"
#include "stackbottom.h"

#include <limits>

namespace runtime {

std::size_t stackLeft()
{
    thread_local const std::uintptr_t bottom = stackBottom();
    const auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    return bottom == 0 || here < bottom ? std::numeric_limits<std::size_t>::max() : here - bottom;
}

} // namespace runtime
