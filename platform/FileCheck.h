#pragma once

#include <string>

#include <cstddef>
#include <cstdint>

// What the game says of a folder, or of a pipe or device, where it needs a plain file.
std::string folderInTheWay(const std::string& path);
std::string notAPlainFile(const std::string& path);

// Why the game cannot read the file at this path, in words that name it: a folder or a
// pipe where a file should be, a file it may not read, or one larger than `largest` bytes.
// Empty when the path is a readable regular file, or is missing and `mayBeMissing` says
// that is fine. Never opens the path, so a pipe cannot make the game wait.
std::string unreadableFileReason(const std::string& path, bool mayBeMissing,
                                 std::size_t largest = SIZE_MAX);

// The folder itself when it cannot be listed, else the first entry in it (not its
// subfolders) that is neither a folder nor a readable regular file, with the reason;
// empty when there is none.
std::string unreadableEntryReason(const std::string& folder);
