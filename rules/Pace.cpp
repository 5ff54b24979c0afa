#include "rules/Pace.h"

#include <cmath>

float paceShare(int percent)
{
    for (int offered : kPaces)
        if (percent == offered)
            return float(percent) / 100.0f;
    return 1.0f;
}

int pacePercent(float share)
{
    return int(std::lround(share * 100.0f));
}

std::string paceCaption(int percent)
{
    return percent == 100 ? "" : "SPEED " + std::to_string(percent) + "%";
}
