#pragma once

#include <string>

namespace Ogre
{
class RenderWindow;
class Root;
} // namespace Ogre

// The game's window as the benchmarks open it: the settings saved in ogre.cfg instead of the
// dialog, at the given size ("1920x1080") and with vsync off, since they measure how fast
// frames can be drawn. Throws when ogre.cfg is not in the working folder.
Ogre::RenderWindow* openBenchWindow(Ogre::Root& root, const std::string& size);
