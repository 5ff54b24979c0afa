#include "game/GameRecorder.h"

#include <OgreLogManager.h>

#include <cmath>
#include <ctime>
#include <filesystem>

namespace
{
void log(const std::string& line)
{
    Ogre::LogManager::getSingleton().logMessage(line);
}
} // namespace

GameRecorder::GameRecorder(std::string folder_) : folder(std::move(folder_)) {}

GameRecorder::~GameRecorder()
{
    flush();
}

void GameRecorder::begin(const ReplayHeader& header)
{
    file.close();
    writer.reset();
    gameTime = keptSeconds = 0;
    checksDone = 0;
    lastPath.clear();
    stopped.clear();
    if (broken)
    {
        stopped = "the replays folder cannot be written";
        return;
    }
    if (!std::isfinite(header.toggleDelay) || std::fabs(header.toggleDelay) > kMaxFrameSeconds)
    {
        stopped = "the game's key timer cannot be kept";
        log("This game is not recorded: " + stopped);
        return;
    }
    writer = std::make_unique<ReplayWriter>(header);
    std::string error;
    bool made = makeFolder(folder, error);
    // Two games begun in one second get a number after the date.
    const std::string dated = replayPathAt(folder, std::time(nullptr));
    for (int n = 1; made && n <= 9; ++n)
    {
        const std::string path =
            n == 1 ? dated
                   : dated.substr(0, dated.size() - 7) + "_" + std::to_string(n) + ".replay";
        if (file.create(path, error))
        {
            lastPath = path;
            std::string listError;
            if (!noteRecording(folder, path.substr(folder.size() + 1), listError))
                log("This game will never be removed to make room: " + listError);
            write(writer->flush());
            return;
        }
    }
    writer.reset();
    broken = true;
    stopped = error;
    log("Games are not recorded: " + error);
}

bool GameRecorder::frame(const ReplayFrame& f)
{
    if (!writer)
        return false;
    if (!keepableFrameTime(f.dt))
    {
        // The rules took the frame, but its time could not be read back: the file keeps
        // everything before it.
        stop("a frame of " + std::to_string(f.dt) + " seconds cannot be kept");
        return false;
    }
    writer->frame(f);
    gameTime += f.dt;
    if (writer->waiting() >= kPieceRecordBytes)
        write(writer->flush());
    return long(gameTime) > checksDone;
}

void GameRecorder::check(const ReplayCheck& c)
{
    if (!writer)
        return;
    checksDone = long(gameTime);
    writer->check(c);
    write(writer->flush());
}

void GameRecorder::end(const ReplayEnd& e, bool newBest)
{
    if (!writer)
        return;
    write(writer->finish(e));
    writer.reset();
    file.close();
    if (lastPath.empty())
        return;
    if (newBest)
        keepAsBest();
    keepNewestReplays(folder, kReplaysKept, lastPath.substr(folder.size() + 1));
}

void GameRecorder::flush(bool newBest)
{
    if (!writer)
        return;
    write(writer->flush());
    if (newBest && writer)
        keepAsBest();
}

bool GameRecorder::setsBest(int score, int bestBefore) const
{
    std::error_code code;
    return score > bestBefore ||
           (score == bestBefore && !std::filesystem::exists(folder + "/" + kBestReplay, code));
}

void GameRecorder::keepAsBest()
{
    std::string error;
    if (stopped.empty() && !copyFileWhole(lastPath, folder + "/" + kBestReplay, error))
        log("The best game was not kept: " + error);
}

std::string GameRecorder::keptText() const
{
    if (lastPath.empty())
        return stopped.empty() ? "" : "This game was not recorded: " + stopped + ".";
    if (stopped.empty() && !writer)
        return "The last game, whole, is kept in " + lastPath +
               ": attach it to a report of this error.";
    if (stopped.empty())
        return "The game up to here is kept in " + lastPath +
               ": attach it to a report of this error.";
    if (long(keptSeconds) == 0)
        return "This game was not kept: " + stopped + ".";
    return "The game is kept up to second " + std::to_string(long(keptSeconds)) + " in " +
           lastPath + " (" + stopped + "): attach it to a report of this error.";
}

void GameRecorder::write(const std::string& bytes)
{
    std::string error;
    if (!file.open())
        return;
    if (file.append(bytes, error))
    {
        keptSeconds = gameTime;
        return;
    }
    stop("it could not be written: " + error);
}

void GameRecorder::stop(const std::string& why)
{
    if (writer && file.open())
        write(writer->flush()); // the frames before are kept
    writer.reset();
    file.close();
    if (stopped.empty())
        stopped = why;
    log(long(keptSeconds) == 0 ? "The game is not kept: " + stopped
                               : "The game is kept only up to second " +
                                     std::to_string(long(keptSeconds)) + ": " + stopped);
}
