#include "platform/AddressSpace.h"

#include <gtest/gtest.h>

TEST(AddressSpace, OnlyALimitBelowTheNeedIsAShortfallAndTheMessageNamesBothInMebibytes)
{
    const std::uint64_t mebibyte = 1024 * 1024;
    EXPECT_EQ(addressSpaceShortfall(0, kRendererAddressSpace), "");
    EXPECT_EQ(addressSpaceShortfall(kRendererAddressSpace, kRendererAddressSpace), "");
    EXPECT_EQ(addressSpaceShortfall(4096 * mebibyte, kRendererAddressSpace), "");
    EXPECT_EQ(addressSpaceShortfall(600 * mebibyte + 123, kRendererAddressSpace),
              "The game needs 1024 MiB of address space to start its renderer, but this "
              "process may use only 600 MiB (see ulimit -v)");
}
