#pragma once

#include <string>

// What the game asks of the desktop besides the engine: a blocking sleep, a sound started
// in the background and a modal error box. Tests stand in for it with a recorder.
class Platform
{
public:
    virtual ~Platform() = default;

    // Blocks the calling thread for the given time.
    virtual void sleepMilliseconds(int milliseconds) = 0;

    // Starts the WAV file at the game's path (".\resources\x.wav") and returns at once;
    // a sound still playing is cut off. A missing file or audio device means silence.
    virtual void playSound(const std::string& path) = 0;

    // Gets a sound ready before play begins, so its first start costs no frame time.
    virtual void preloadSound(const std::string& /*path*/) {}

    // Shows the text in a modal box with one button and waits until it is dismissed.
    virtual void showError(const std::string& caption, const std::string& text) = 0;
};
