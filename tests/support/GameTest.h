#pragma once

#include "support/EngineFixture.h"

#include <gtest/gtest.h>

// A test with the whole tank and its listener on fake devices.
class GameTest : public ::testing::Test, public PlayableTank
{
};
