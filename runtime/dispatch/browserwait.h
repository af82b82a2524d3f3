// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

namespace runtime {

// Makes a call that suspends the program until the browser answers (a turn
// handed over, a promise kept): input that comes meanwhile is held, and
// handled once the call has returned, where what it starts may suspend in turn.
void waitOnBrowser(const std::function<void()> &suspendingCall);

} // namespace runtime
