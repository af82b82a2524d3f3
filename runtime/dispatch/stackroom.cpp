// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "stackroom.h"

#include <cstdint>
#include <limits>
#include <pthread.h>

namespace runtime {

namespace {

// The lowest address of this thread's stack, which grows down toward it.
std::uintptr_t stackBottom()
{
    pthread_attr_t attributes;
    if (pthread_getattr_np(pthread_self(), &attributes) != 0)
        return 0;
    void *bottom = nullptr;
    std::size_t size = 0;
    pthread_attr_getstack(&attributes, &bottom, &size);
    pthread_attr_destroy(&attributes);
    return reinterpret_cast<std::uintptr_t>(bottom);
}

} // namespace

std::size_t stackLeft()
{
    thread_local const std::uintptr_t bottom = stackBottom();
    const auto here = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
    return bottom == 0 || here < bottom ? std::numeric_limits<std::size_t>::max() : here - bottom;
}

} // namespace runtime
