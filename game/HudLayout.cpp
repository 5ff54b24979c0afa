#include "game/HudLayout.h"

#include "input/OverlaySwitch.h"

#include <Overlay/OgreOverlayContainer.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreTextAreaOverlayElement.h>

#include <algorithm>

namespace
{
constexpr float kDesignWidth = 1024, kDesignHeight = 768;
} // namespace

HudLayout::HudLayout()
{
    const std::pair<const char*, Anchor> placed[] = {{"ScorePanel", Anchor::TopLeft},
                                                     {"BestPanel", Anchor::TopRight},
                                                     {"ReplayPanel", Anchor::TopRight},
                                                     {"HintPanel", Anchor::BottomLeft},
                                                     {"SoundOffPanel", Anchor::BottomRight},
                                                     {"PacePanel", Anchor::TopRight},
                                                     {"GameOverPanel", Anchor::AcrossTheMiddle},
                                                     {"NewBestPanel", Anchor::AcrossTheMiddle},
                                                     {"NewGamePanel", Anchor::Middle},
                                                     {"ControlsPanel", Anchor::Middle},
                                                     {"FamePanel", Anchor::Middle}};
    for (const auto& [name, anchor] : placed)
        if (Ogre::OverlayElement* element = findOverlayElement(name))
            take(element, anchor, true);
}

void HudLayout::take(Ogre::OverlayElement* element, Anchor anchor, bool topLevel)
{
    // Everything is laid out in pixels from here on, from the script's own numbers.
    const bool relative = element->getMetricsMode() == Ogre::GMM_RELATIVE;
    const float across = relative ? kDesignWidth : 1, down = relative ? kDesignHeight : 1;
    Piece piece{element,
                anchor,
                element->getLeft() * across,
                element->getTop() * down,
                element->getWidth() * across,
                element->getHeight() * down,
                0,
                0,
                false,
                topLevel};
    if (topLevel && element->getVerticalAlignment() == Ogre::GVA_BOTTOM)
        piece.top += kDesignHeight;
    if (element->getTypeName() == "TextArea")
    {
        auto* text = static_cast<Ogre::TextAreaOverlayElement*>(element);
        piece.charHeight = text->getCharHeight() * down;
        piece.spaceWidth = text->getSpaceWidth() * down;
        piece.centredText = text->getAlignment() == Ogre::TextAreaOverlayElement::Center;
    }
    element->setMetricsMode(Ogre::GMM_PIXELS);
    element->setHorizontalAlignment(Ogre::GHA_LEFT);
    element->setVerticalAlignment(Ogre::GVA_TOP);
    pieces.push_back(piece);
    if (auto* container = dynamic_cast<Ogre::OverlayContainer*>(element))
        for (const auto& [name, child] : container->getChildren())
            take(child, anchor, false);
}

void HudLayout::fitToDesign()
{
    fitTo(unsigned(kDesignWidth), unsigned(kDesignHeight));
}

void HudLayout::fitTo(unsigned windowWidth, unsigned windowHeight)
{
    const float width = float(windowWidth), height = float(windowHeight);
    const float scale = std::min(width / kDesignWidth, height / kDesignHeight);
    float parentWidth = width;
    for (const Piece& piece : pieces)
    {
        float left = piece.left * scale, top = piece.top * scale;
        float pieceWidth = piece.width * scale;
        if (piece.topLevel)
        {
            const bool right =
                piece.anchor == Anchor::TopRight || piece.anchor == Anchor::BottomRight;
            const bool bottom =
                piece.anchor == Anchor::BottomLeft || piece.anchor == Anchor::BottomRight;
            const bool middle =
                piece.anchor == Anchor::Middle || piece.anchor == Anchor::AcrossTheMiddle;
            if (right)
                left = width - (kDesignWidth - piece.left) * scale;
            if (bottom)
                top = height - (kDesignHeight - piece.top) * scale;
            if (middle)
            {
                left = width / 2 - (kDesignWidth / 2 - piece.left) * scale;
                top = height / 2 - (kDesignHeight / 2 - piece.top) * scale;
            }
            if (piece.anchor == Anchor::AcrossTheMiddle)
            {
                left = 0;
                pieceWidth = width;
            }
            parentWidth = pieceWidth;
        }
        else if (piece.centredText && piece.anchor == Anchor::AcrossTheMiddle)
            left = parentWidth / 2; // centred in a strip as wide as the window
        piece.element->setPosition(left, top);
        piece.element->setDimensions(pieceWidth, piece.height * scale);
        if (piece.charHeight > 0)
        {
            auto* text = static_cast<Ogre::TextAreaOverlayElement*>(piece.element);
            text->setCharHeight(piece.charHeight * scale);
            text->setSpaceWidth(piece.spaceWidth * scale);
        }
    }
}
