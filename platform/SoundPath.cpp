#include "platform/SoundPath.h"

#include <algorithm>

std::string soundPathOnDisk(const std::string& gamePath)
{
    std::string path = gamePath;
    std::replace(path.begin(), path.end(), '\\', '/');
    while (path.rfind("./", 0) == 0)
        path.erase(0, 2);
    return path;
}
