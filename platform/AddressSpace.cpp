#include "platform/AddressSpace.h"

#include <sys/resource.h>

std::uint64_t addressSpaceLimit()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return 0;
    return std::uint64_t(limit.rlim_cur);
}

std::string addressSpaceShortfall(std::uint64_t limit, std::uint64_t needed)
{
    if (limit == 0 || limit >= needed)
        return "";
    const std::uint64_t mebibyte = 1024 * 1024;
    return "The game needs " + std::to_string(needed / mebibyte) +
           " MiB of address space to start its renderer, but this process may use only " +
           std::to_string(limit / mebibyte) + " MiB (see ulimit -v)";
}
