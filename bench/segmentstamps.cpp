#include "segmentstamps.h"

#include "instructioncounter.h"
#include "processmetrics.h"
#include "statistics.h"

namespace bench {

SegmentStamps::SegmentStamps(std::size_t capacity)
{
    stamps_.resize(capacity);
    stamps_.clear();
}

void SegmentStamps::record()
{
    const std::size_t index = stamps_.size();
    if (countTo_ > countFrom_ && index == countFrom_)
        InstructionCounter::start();
    stamps_.push_back(monotonicNanoseconds());
    if (countTo_ > countFrom_ && index == countTo_)
        InstructionCounter::stop();
}

double SegmentStamps::perSegmentMicroseconds() const
{
    if (stamps_.size() < 2)
        return 0;
    return double(stamps_.back() - stamps_.front()) / 1e3 / double(stamps_.size() - 1);
}

double SegmentStamps::medianIntervalMicroseconds(std::size_t first, std::size_t last) const
{
    std::vector<double> intervals;
    intervals.reserve(last - first);
    for (std::size_t i = std::max<std::size_t>(first, 1); i < last && i < stamps_.size(); ++i)
        intervals.push_back(double(stamps_[i] - stamps_[i - 1]) / 1e3);
    return median(std::move(intervals));
}

} // namespace bench
