#pragma once

#include <cstdio>
#include <ctime>
#include <string>

// A file written as a game goes: opened new, appended to and pushed to the disk, so that
// what was written survives the game's end, however it ends.
class GrowingFile
{
public:
    GrowingFile() = default;
    ~GrowingFile();
    GrowingFile(const GrowingFile&) = delete;
    GrowingFile& operator=(const GrowingFile&) = delete;

    // Creates the file (never replacing one already there); false, with the reason in
    // `error`, when it cannot be made.
    bool create(const std::string& path, std::string& error);
    // Appends the bytes and hands them to the system; false, with the reason, on failure.
    bool append(const std::string& bytes, std::string& error);
    void close();
    bool open() const { return file != nullptr; }

private:
    std::FILE* file = nullptr;
};

// The name of a replay recorded at that calendar time: "2026-12-08_19-30-05.replay"
// (local time), in the folder.
std::string replayPathAt(const std::string& folder, std::time_t when);

// Makes the folder when it is missing; false, with the reason, when it cannot be used.
bool makeFolder(const std::string& folder, std::string& error);

// Removes the oldest recorded games in the folder beyond the newest `keep` (best.replay and
// files of other names stay).
void keepNewestReplays(const std::string& folder, std::size_t keep);

// Copies the file over `to` through a temporary file renamed into place; false, with the
// reason, when it cannot be done.
bool copyFileWhole(const std::string& from, const std::string& to, std::string& error);
