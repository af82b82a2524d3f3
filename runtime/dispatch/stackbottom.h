// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace runtime {

// The lowest address of the calling thread's stack, which grows down toward
// it; 0 where the system does not say.
std::uintptr_t stackBottom();

} // namespace runtime
