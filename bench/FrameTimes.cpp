#include "FrameTimes.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <numeric>
#include <sstream>
#include <string>

double FrameTimes::mean() const
{
    if (times.empty())
        return 0;
    return std::accumulate(times.begin(), times.end(), 0.0) / double(times.size());
}

double FrameTimes::percentile(double share) const
{
    if (times.empty())
        return 0;
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    return sorted[std::size_t(share * double(sorted.size() - 1) + 0.5)];
}

double millisecondsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i) // field 22 is the start time, in ticks since boot
        fields >> field;
    const double startedSeconds = std::stod(field) / double(sysconf(_SC_CLK_TCK));
    double uptimeSeconds = 0;
    std::ifstream("/proc/uptime") >> uptimeSeconds;
    return (uptimeSeconds - startedSeconds) * 1000.0;
}
