#pragma once

#include <string>
#include <vector>

namespace Ogre
{
class OverlayElement;
}

// The HUD as drawn for a 1024x768 window, fitted to any window: every strip, panel and text
// keeps its shape and grows or shrinks with the window (by the smaller of its width and
// height ratios, so nothing overlaps or is cut from 640 pixels wide up), and stays in its
// corner, in the middle, or across the whole width, as it was placed.
class HudLayout
{
public:
    // Takes the HUD's pieces as the overlay scripts placed them; pieces the resources lack
    // are passed over.
    HudLayout();

    void fitTo(unsigned width, unsigned height);
    // Puts every piece back at its 1024x768 design place, for another HUD over the same
    // overlays (a game watched inside this one) to take them as the scripts placed them.
    void fitToDesign();

private:
    enum class Anchor
    {
        TopLeft,
        TopRight,
        BottomLeft,
        BottomRight,
        Middle,
        AcrossTheMiddle // as wide as the window
    };
    // A piece and its place in the 1024x768 design, in pixels.
    struct Piece
    {
        Ogre::OverlayElement* element;
        Anchor anchor;
        float left, top, width, height;
        float charHeight, spaceWidth; // text only
        bool centredText;
        bool topLevel;
    };
    void take(Ogre::OverlayElement* element, Anchor anchor, bool topLevel);

    std::vector<Piece> pieces;
};
