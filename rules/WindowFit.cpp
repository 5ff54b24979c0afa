#include "rules/WindowFit.h"

#include <algorithm>

PixelSize fittedWindow(PixelSize asked, PixelSize usable)
{
    if (asked.width == 0 || asked.height == 0 ||
        (asked.width <= usable.width && asked.height <= usable.height))
        return asked;
    const double scale =
        std::min(double(usable.width) / asked.width, double(usable.height) / asked.height);
    return PixelSize{std::max(1u, unsigned(asked.width * scale)),
                     std::max(1u, unsigned(asked.height * scale))};
}
