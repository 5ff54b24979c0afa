#include "game/GameRecorder.h"

#include <OgreLogManager.h>

#include <ctime>

GameRecorder::GameRecorder(std::string folder_) : folder(std::move(folder_)) {}

GameRecorder::~GameRecorder()
{
    flush();
}

void GameRecorder::begin(const ReplayHeader& header)
{
    writer = std::make_unique<ReplayWriter>(header);
    gameTime = 0;
    checksDone = 0;
    lastPath.clear();
    if (broken)
        return;
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
            write(writer->flush());
            return;
        }
    }
    broken = true;
    Ogre::LogManager::getSingleton().logMessage("Games are not recorded: " + error);
}

bool GameRecorder::frame(const ReplayFrame& f)
{
    if (!writer)
        return false;
    writer->frame(f);
    gameTime += f.dt;
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
    std::string error;
    if (newBest && !copyFileWhole(lastPath, folder + "/" + kBestReplay, error))
        Ogre::LogManager::getSingleton().logMessage("The best game was not kept: " + error);
    keepNewestReplays(folder, kReplaysKept);
}

void GameRecorder::flush()
{
    if (writer)
        write(writer->flush());
}

void GameRecorder::write(const std::string& bytes)
{
    std::string error;
    if (!file.open() || file.append(bytes, error))
        return;
    file.close();
    if (!broken)
        Ogre::LogManager::getSingleton().logMessage("The game is no longer recorded: " + error);
    broken = true;
}
