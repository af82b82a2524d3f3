#pragma once

#include <QtGlobal>
#include <cstddef>
#include <vector>

namespace bench {

// The moment each segment of a flight began to be drawn. The buffer is
// reserved and touched up front, so recording allocates nothing.
class SegmentStamps
{
public:
    explicit SegmentStamps(std::size_t capacity);

    void clear() { stamps_.clear(); }
    void record();
    std::size_t count() const { return stamps_.size(); }

    // The mean time from one segment to the next, first to last, in µs.
    double perSegmentMicroseconds() const;
    // The median time from one segment to the next among segments [first, last), in µs.
    double medianIntervalMicroseconds(std::size_t first, std::size_t last) const;

    // Under callgrind, counts instructions from the start of segment first
    // to the start of segment last, and nothing outside that span; an empty
    // span counts nothing.
    void countInstructionsBetween(std::size_t first, std::size_t last)
    {
        countFrom_ = first;
        countTo_ = last;
    }

private:
    std::vector<qint64> stamps_;
    std::size_t countFrom_ = 0;
    std::size_t countTo_ = 0;
};

} // namespace bench
