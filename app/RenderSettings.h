#pragma once

#include "rules/WindowFit.h"

#include <OgrePrerequisites.h>

#include <string>

// The render settings of ogre.cfg, read so that no saved value can stop the game from
// starting: a file the engine rejects is set aside, and a value the render system does not
// offer here (a video mode it lacks, the fixed-function pipeline switched off) is replaced
// by its working default, logged. The dialog then shows what will be used. With nothing
// saved, the one render system there is comes preselected.
void restoreRenderSettings(Ogre::Root& root, const std::string& settingsFile);

// sRGB gamma conversion, saved or chosen in the dialog, is switched off and logged: the
// game's pictures are not stored as sRGB, so every colour would come out washed out.
void keepColoursTrue(Ogre::RenderSystem& renderer, const std::string& settingsFile);

// Saves the chosen settings; a file that cannot be written is logged, and the game plays
// with the settings all the same.
void saveRenderSettings(Ogre::Root& root, const std::string& settingsFile);

// Renames the settings file to settingsFile + ".rejected" so that the next start begins
// from the defaults; logs why.
void setRenderSettingsAside(const std::string& settingsFile, const std::string& reason);

// The largest side of a window the game asks for.
constexpr unsigned kLargestWindow = 16384;

// True for a window size in the engine's own form, "1024 x 768", with both sides from 1
// to kLargestWindow.
bool isWindowSize(const std::string& value);

// The width and height of a size in the engine's form ("1024 x 768"); 0 where unreadable.
PixelSize windowSizeOf(const std::string& value);

// True when a window of the first size (the engine's form) fits a screen of the second.
bool windowFits(const std::string& window, const std::string& screen);
