#include "app/FramePacing.h"

double restAfterFrame(bool windowVisible, bool paused, double frameSeconds)
{
    if (!windowVisible)
        return FramePacing::kHiddenRestSeconds;
    if (paused && frameSeconds < FramePacing::kPausedFrameSeconds)
        return FramePacing::kPausedFrameSeconds - frameSeconds;
    return 0;
}
