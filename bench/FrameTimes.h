#pragma once

#include <cstddef>
#include <vector>

// Frame times in milliseconds, and what a player feels of them: the mean, and the times
// below which a share of the frames lie (the median, and the 99th percentile where
// stutter shows).
class FrameTimes
{
public:
    void add(double milliseconds) { times.push_back(milliseconds); }
    double mean() const;
    double percentile(double share) const;
    std::size_t count() const { return times.size(); }

private:
    std::vector<double> times;
};

// How long this process has been running, from the kernel's own record of its start (to
// the clock tick, 10 ms here).
double millisecondsSinceProcessStart();
