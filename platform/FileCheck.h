#pragma once

#include <string>

// Why the game cannot read the file at this path, in words that name it: a folder or a
// pipe where a file should be, or a file it may not read. Empty when the path is a
// readable regular file, or is missing and `mayBeMissing` says that is fine. Never opens
// the path, so a pipe cannot make the game wait.
std::string unreadableFileReason(const std::string& path, bool mayBeMissing);

// The folder itself when it cannot be listed, else the first entry in it (not its
// subfolders) that is neither a folder nor a readable regular file, with the reason;
// empty when there is none.
std::string unreadableEntryReason(const std::string& folder);
