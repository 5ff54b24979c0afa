#pragma once

#include <ctime>
#include <string>
#include <vector>

// A file written as a game goes: opened new, appended to and pushed to the disk, so that
// what was written survives the game's end, however it ends. An append that fails is cut
// back off, so the file ends where the last whole append did.
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
    // Appends the bytes and hands them to the system; false, with the reason, on failure
    // (the file is then closed, without the bytes).
    bool append(const std::string& bytes, std::string& error);
    void close();
    bool open() const { return fd >= 0; }

private:
    int fd = -1;
    long long size = 0; // bytes written whole
};

// The name of a replay recorded at that calendar time: "2026-12-08_19-30-05.replay"
// (local time), in the folder.
std::string replayPathAt(const std::string& folder, std::time_t when);
// True for a name the game gives a recording: a date as above, perhaps "_2" to "_9" after it.
bool isDatedReplayName(const std::string& name);

// Makes the folder when it is missing; false, with the reason, when it cannot be used.
bool makeFolder(const std::string& folder, std::string& error);

// The list of the recordings the game made in the folder, oldest first: only these are ever
// removed, so a file the player named or moved in stays.
constexpr const char* kRecordedList = ".recorded";
// Adds a recording's file name to the folder's list; false, with the reason, on failure.
bool noteRecording(const std::string& folder, const std::string& name, std::string& error);
// The game's own recordings still in the folder, oldest first, each once.
std::vector<std::string> recordedReplays(const std::string& folder);
// The newest of them; empty when there is none.
std::string newestRecordedReplay(const std::string& folder);
// Removes the game's own oldest recordings (of the list, with dated names) beyond the newest
// `keep`, never `current`; the list keeps only what is left.
void keepNewestReplays(const std::string& folder, std::size_t keep, const std::string& current);

// Copies the file over `to` through a temporary file renamed into place; false, with the
// reason, when it cannot be done.
bool copyFileWhole(const std::string& from, const std::string& to, std::string& error);
