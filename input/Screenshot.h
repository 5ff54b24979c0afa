#pragma once

#include <string>

namespace Ogre
{
class RenderWindow;
}

// Saves the window's picture as screenshot_<number>.png in the working folder, the number
// being `number` or, when a file has it already (an earlier game's), the next free one,
// which `number` then becomes. A picture that cannot be made or written (a full disk, a
// read-only folder) leaves no file behind. Returns the log's line on how it went.
std::string saveScreenshot(Ogre::RenderWindow& window, unsigned& number);
