#include "instructioncounter.h"

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define TREVANE_HAS_CALLGRIND 1
#endif

namespace bench {

#ifdef TREVANE_HAS_CALLGRIND
void InstructionCounter::start()
{
    CALLGRIND_TOGGLE_COLLECT;
}
void InstructionCounter::stop()
{
    CALLGRIND_TOGGLE_COLLECT;
}
void InstructionCounter::dump(const std::string &name)
{
    CALLGRIND_DUMP_STATS_AT(name.c_str());
}
bool InstructionCounter::available()
{
    return true;
}
#else
void InstructionCounter::start() {}
void InstructionCounter::stop() {}
void InstructionCounter::dump(const std::string &) {}
bool InstructionCounter::available()
{
    return false;
}
#endif

} // namespace bench
