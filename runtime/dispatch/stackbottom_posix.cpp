// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "stackbottom.h"

#include <pthread.h>

namespace runtime {

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

} // namespace runtime
