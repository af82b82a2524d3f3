// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "stackbottom.h"

#include <emscripten/stack.h>

namespace runtime {

// The program's stack grows down from its base to its end, the lowest address.
std::uintptr_t stackBottom()
{
    return emscripten_stack_get_end();
}

} // namespace runtime
