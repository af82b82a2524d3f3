// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "stackroom.h"

#include <emscripten.h>
#include <emscripten/stack.h>

#include <algorithm>

namespace runtime {

namespace {

// The browser runs the program's calls on a stack of its own as well as on
// the program's, and keeps its own far smaller (V8's is about 1 MB). The page
// cannot see that stack; it can count how many calls of a small script
// function still fit on it. That count, out of the count on a stack all but
// empty, is the share of the browser's stack left.
constexpr double browserStackSize = 1024 * 1024;

// (Written without arrow functions, which the preprocessor would split.)
EM_JS(double, scriptCallsThatFit, (), {
    let calls = 0;
    function probe()
    {
        ++calls;
        probe();
    }
    try {
        probe();
    } catch (stackFull) {
    }
    return calls;
});

// Counted from the first handler, near the stack's start, a few times over
// so that the count is of the function as the browser runs it once warm.
double callsOnEmptyStack()
{
    double most = 0;
    for (int warmUp = 0; warmUp < 4; ++warmUp)
        most = std::max(most, scriptCallsThatFit());
    return most;
}

std::size_t browserStackLeft()
{
    static const double emptyStackCalls = callsOnEmptyStack();
    return static_cast<std::size_t>(browserStackSize *
                                    std::min(1.0, scriptCallsThatFit() / emptyStackCalls));
}

// The program's own stack grows down from its base to its end; a frame past
// the end has no room at all.
std::size_t ownStackLeft()
{
    const std::uintptr_t here = emscripten_stack_get_current();
    const std::uintptr_t end = emscripten_stack_get_end();
    return here > end ? here - end : 0;
}

} // namespace

std::size_t stackLeft()
{
    return std::min(ownStackLeft(), browserStackLeft());
}

} // namespace runtime
