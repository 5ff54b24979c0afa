#pragma once

#include <string>

// Where the keyboard focus is, as seen from one window.
enum class WindowFocus
{
    Here,      // the window (or one inside it) has it
    Elsewhere, // another window has it
    Unknown    // nobody decides it: keys go wherever the pointer is
};

// What the game asks of the desktop besides the engine: a blocking sleep, a sound started
// in the background, a modal error box, its own small files and the keyboard focus.
// Tests stand in for it with a recorder.
class Platform
{
public:
    virtual ~Platform() = default;

    // Blocks the calling thread for the given time.
    virtual void sleepMilliseconds(int milliseconds) = 0;

    // Starts the WAV file at the game's path (".\resources\x.wav") and returns at once;
    // a sound still playing is cut off. A missing file or audio device means silence.
    virtual void playSound(const std::string& path) = 0;

    // Gets a sound ready before play begins, so its first start costs no frame time; says
    // why it will stay silent (a missing, damaged or huge file, no audio device), or
    // nothing when it is ready.
    virtual std::string preloadSound(const std::string& /*path*/) { return ""; }

    // Shows the text in a modal box with one button and waits until it is dismissed.
    virtual void showError(const std::string& caption, const std::string& text) = 0;

    // Reads one of the game's own small files (the best score) in its working folder;
    // false, with the reason in `error`, when it is missing or cannot be read.
    virtual bool readGameFile(const std::string& name, std::string& text, std::string& error) = 0;

    // Replaces that file whole, never leaving it half-written; false, with the reason in
    // `error`, when it cannot be written.
    virtual bool writeGameFile(const std::string& name, const std::string& text,
                               std::string& error) = 0;

    // True when something (readable or not) stands at that name in the working folder.
    virtual bool gameFileExists(const std::string& name) = 0;

    // Gives the file another name in the working folder, replacing what had it; false,
    // with the reason in `error`, when it cannot be done.
    virtual bool renameGameFile(const std::string& from, const std::string& to,
                                std::string& error) = 0;

    // Removes that file; false when there was none or it cannot be removed.
    virtual bool removeGameFile(const std::string& name) = 0;

    // Where the focus is, for the X window `window` on `display` (an Xlib Display*).
    virtual WindowFocus focusOf(void* display, unsigned long window) = 0;

    // The size in pixels of the screen that window is on; false when it cannot be told.
    virtual bool screenSize(void* display, unsigned long window, unsigned& width,
                            unsigned& height) = 0;
};
