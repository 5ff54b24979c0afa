#include "platform/AccountName.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

std::string accountName()
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr)
    {
        // The full name is the first of the comment's comma-separated fields.
        const std::string comment = found->pw_gecos != nullptr ? found->pw_gecos : "";
        const std::string full = comment.substr(0, comment.find(','));
        if (full.find_first_not_of(' ') != std::string::npos)
            return full;
        if (found->pw_name != nullptr && *found->pw_name != '\0')
            return found->pw_name;
    }
    const char* user = std::getenv("USER");
    return user != nullptr ? user : "";
}
