#include "scene/FishCues.h"

#include "rules/Growth.h"
#include "rules/Panel.h"
#include "scene/FishVisuals.h"
#include "scene/PanelVisuals.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace
{
// World units: the marker floats over the fish, a cue hangs under it.
constexpr float kMarkerWidth = 14, kMarkerHeight = 14, kMarkerGap = 2;
constexpr float kCueSize = 12, kCueGap = 1;
// In front of every fish and the hook (at depth 2), behind nothing of the tank's.
constexpr float kCueDepth = 2.5f;
constexpr unsigned kFirstPool = 32;

Ogre::FloatRect cellRect(FishCues::Cell cell)
{
    const float third = 1.0f / 3.0f;
    const float left = float(int(cell)) * third;
    return Ogre::FloatRect(left, 0, left + third, 1);
}
} // namespace

FishCues::FishCues(Ogre::SceneManager* sceneManager_, const Panel& tank)
    : sceneManager(sceneManager_)
{
    // Blended pictures are drawn farthest first, measured from their node: a node over the
    // middle of the tank, in front of the fish, keeps the cues drawn after every fish.
    water = panelRect(tank);
    node = sceneManager->getRootSceneNode()->createChildSceneNode(
        Ogre::Vector3(water.x + water.width / 2, water.y + water.height / 2, kCueDepth));
    set = sceneManager->createBillboardSet(kFirstPool);
    set->setAutoextend(true);
    set->setMaterialName("Fishtank/Cues");
    // Every cue stays in the water: bounded by it from the start, the set is never culled as
    // the empty box it was when its node was first placed (a watched game's first frame).
    const Ogre::Vector3 half(water.width / 2 + kMarkerWidth, water.height / 2 + kMarkerHeight, 1);
    set->setBounds(Ogre::AxisAlignedBox(-half, half), half.length());
    node->attachObject(set);
}

FishCues::~FishCues()
{
    sceneManager->destroyBillboardSet(set);
    sceneManager->destroySceneNode(node);
}

void FishCues::show(bool shown)
{
    set->setVisible(shown);
}

bool FishCues::shown() const
{
    return set->getVisible();
}

void FishCues::update(const Fish& player, const std::vector<Fish>& others, const Rect* hook)
{
    set->clear();
    if (!player.alive)
        return;
    const Ogre::Vector3 origin = node->getPosition();
    const auto place = [this, &origin](Cell cell, float x, float y, float width, float height)
    {
        Ogre::Billboard* billboard =
            set->createBillboard(Ogre::Vector3(x - origin.x, y - origin.y, 0));
        billboard->setDimensions(width, height);
        billboard->setTexcoordRect(cellRect(cell));
    };
    const Rect me = fishRect(player);
    // Each stays in the water: at an edge it overlaps its fish instead.
    const float waterTop = water.y + water.height, waterBottom = water.y;
    place(Cell::Marker, centreX(me),
          std::min(me.y + me.height + kMarkerGap + kMarkerHeight / 2, waterTop - kMarkerHeight / 2),
          kMarkerWidth, kMarkerHeight);
    // Under the part of the thing that is in the water: a fish swimming in is told as soon
    // as enough of it shows.
    const auto cueUnder = [&](const Rect& them, Cell cell)
    {
        const float left = std::max(them.x, water.x);
        const float right = std::min(them.x + them.width, water.x + water.width);
        const float x = right - left >= kCueSize ? (left + right) / 2 : centreX(them);
        place(cell, x, std::max(them.y - kCueGap - kCueSize / 2, waterBottom + kCueSize / 2),
              kCueSize, kCueSize);
    };
    for (const Fish& other : others)
        cueUnder(fishRect(other),
                 playerCanEat(player.width, other.width, other.isShark) ? Cell::Eat : Cell::Danger);
    if (hook != nullptr)
        cueUnder(*hook, Cell::Danger);
}

std::vector<FishCues::Cell> FishCues::cells() const
{
    std::vector<Cell> shown;
    for (int i = 0; i < set->getNumBillboards(); ++i)
    {
        const float left = set->getBillboard(i)->getTexcoordRect().left;
        shown.push_back(Cell(int(left * 3.0f + 0.5f)));
    }
    return shown;
}
