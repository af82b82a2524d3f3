// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>

namespace runtime {

// How many bytes of the calling thread's stack lie below the caller's frame:
// what the calls it makes may still use. In a web page, the browser's own
// stack, which holds the same calls, counts as well.
std::size_t stackLeft();

} // namespace runtime
