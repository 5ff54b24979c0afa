#pragma once

#include <OgreImage.h>

// The picture with its whole chain of mip-maps, each level half the size of the one
// before (down to 1x1) and made from it by averaging, on the processor.
Ogre::Image withMipmaps(const Ogre::Image& picture);

// Loads every picture the materials name before play, those asked to be mip-mapped with
// mip-maps made on the processor: a software renderer would otherwise compile a shader to
// make them, which costs more at start than the whole picture is worth. Pictures already
// loaded are left alone. A picture that is missing, damaged or cannot be read is an error
// that names it: the tank is never drawn with the engine's warning pattern.
void loadGamePictures();
