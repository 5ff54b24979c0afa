#pragma once

#include <cstddef>
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

// Replaces the file `name` in the working folder with the bytes, through a temporary file
// renamed over it once they are all written: a crash or a full disk never leaves it
// half-written. False, with the reason in `error`, when it could not be done.
bool replaceFileWhole(const std::string& name, const std::string& bytes, std::string& error);

// Reads the file `name` if it is a readable plain file of at most `limit` bytes; false,
// with the reason in `error`, when it is missing, odd, unreadable or larger.
bool readSmallFile(const std::string& name, std::size_t limit, std::string& text,
                   std::string& error);

// Writes all the bytes to the descriptor, going on after interruptions; false with errno
// set when the system takes no more (a full disk, a closed pipe).
bool writeWhole(int fd, const std::string& bytes);

// Opens the file `name` to be written from its start as the game's own file. A link planted
// at the name (symbolic, or a hard link that shares another file's bytes) is replaced by a
// new file and never written through; a pipe or a device is refused without waiting on it.
// Returns the descriptor (closed by the caller), or -1 with the reason in `error`.
// `replaced` names what was replaced, for the log (empty when nothing was).
int openOwnFile(const std::string& name, std::string& error, std::string& replaced);

// How written bytes are made sure to be on the disk before a file takes its name: fsync,
// or a stand-in for tests (null puts fsync back).
void syncFilesWith(int (*sync)(int));
