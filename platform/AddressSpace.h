#pragma once

#include <cstdint>
#include <string>

// The address space the game's renderer needs to start. A software OpenGL driver compiles
// its shaders with LLVM, which ends the whole process when an allocation fails instead of
// reporting it, so a limit below this (ulimit -v) is refused before the renderer starts.
// Measured: the game peaks at about 830 MiB of address space on Mesa's llvmpipe.
constexpr std::uint64_t kRendererAddressSpace = std::uint64_t(1) << 30;

// The process's address-space limit in bytes (the soft RLIMIT_AS), or 0 when it has none.
std::uint64_t addressSpaceLimit();

// Why a limit of `limit` bytes (0: none) is too small for `needed`, or empty when it is not.
std::string addressSpaceShortfall(std::uint64_t limit, std::uint64_t needed);
