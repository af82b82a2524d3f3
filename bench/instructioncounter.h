#pragma once

#include <string>

namespace bench {

// Switches callgrind's instruction counting on and off around the code being
// measured; does nothing when the program does not run under callgrind.
class InstructionCounter
{
public:
    static void start();
    static void stop();
    // Writes what was counted since the last dump, under a name, and starts afresh.
    static void dump(const std::string &name);
    static bool available();
};

} // namespace bench
