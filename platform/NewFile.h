#pragma once

#include <string>

// The outcome of saving a numbered file.
struct SavedFile
{
    bool saved = false;
    std::string name; // the file written, or the one that was meant when it failed
    unsigned number = 0;
    std::string error; // why it failed, in words
};

// Saves the bytes as prefix + N + suffix in the working folder, with N the first number
// from `first` on whose name is free: a file, folder or link already there is never
// replaced or followed. The bytes go to a temporary file first and take their name only
// once they are all written, so a failure (a full disk, a folder that may not be written)
// leaves nothing behind.
SavedFile saveAsNewNumberedFile(const std::string& prefix, const std::string& suffix,
                                unsigned first, const std::string& bytes);
