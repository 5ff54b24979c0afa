#include "scene/FishVisuals.h"

#include "rules/Collision.h"
#include "scene/SolidDrawing.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace
{
// Depths relative to the fish's node: the shown picture sits in front of the backdrop,
// the hidden one far behind it.
constexpr float kShownDepth = 1.0f;
constexpr float kHiddenDepth = -100.0f;
constexpr float kFishNodeDepth = 1.0f;
constexpr unsigned kBillboardPool = 20;

int fishNameCounter = 0;

std::string nextFishName()
{
    return "Fish" + std::to_string(fishNameCounter++);
}

Ogre::SceneNode* newChild(Ogre::SceneNode* parent)
{
    return parent->createChildSceneNode(Ogre::Vector3::ZERO, Ogre::Quaternion::IDENTITY);
}

Ogre::BillboardSet* newPicture(Ogre::SceneManager* sceneManager, const std::string& material,
                               float width, float height, Ogre::Billboard*& billboard)
{
    Ogre::BillboardSet* set = sceneManager->createBillboardSet(nextFishName(), kBillboardPool);
    set->setBillboardOrigin(Ogre::BBO_BOTTOM_LEFT);
    set->setMaterialName(material);
    set->setDefaultDimensions(width, height);
    billboard = set->createBillboard(Ogre::Vector3::ZERO, Ogre::ColourValue::White);
    return set;
}

void setDepth(Ogre::SceneNode* node, float depth)
{
    const Ogre::Vector3& position = node->getPosition();
    node->setPosition(Ogre::Vector3(position.x, position.y, depth));
}
} // namespace

void createFishVisuals(Fish& fish, int direction, int speed, Ogre::SceneManager* sceneManager,
                       Panel* tank, std::string leftMaterial, std::string rightMaterial, int x,
                       int y, int width, int height)
{
    fish.direction = direction;
    fish.tank = tank;
    fish.sceneManager = sceneManager;
    fish.speed = speed;

    fish.node = newChild(sceneManager->getRootSceneNode());
    fish.leftNode = newChild(fish.node);
    fish.width = float(width);
    fish.height = float(height);
    fish.leftSet =
        newPicture(sceneManager, leftMaterial, fish.width, fish.height, fish.leftBillboard);
    fish.leftNode->attachObject(fish.leftSet);
    fish.leftNode->setPosition(0, 0, kHiddenDepth);
    fish.node->setPosition(float(x), float(y), kFishNodeDepth);

    fish.rightNode = newChild(fish.node);
    fish.rightSet =
        newPicture(sceneManager, rightMaterial, fish.width, fish.height, fish.rightBillboard);
    fish.rightNode->attachObject(fish.rightSet);
    fish.rightNode->setPosition(0, 0, kShownDepth);

    faceDirection(fish, direction);
}

void faceDirection(Fish& fish, int direction)
{
    fish.direction = direction;
    const bool facesLeft = direction <= 0;
    setDepth(fish.leftNode, facesLeft ? kShownDepth : kHiddenDepth);
    setDepth(fish.rightNode, facesLeft ? kHiddenDepth : kShownDepth);
    // The picture behind the backdrop cannot be seen in solid drawing, which leaves it out.
    const Ogre::uint32 shown = Ogre::MovableObject::getDefaultVisibilityFlags();
    fish.leftSet->setVisibilityFlags(facesLeft ? shown : kFacingAwayPicture);
    fish.rightSet->setVisibilityFlags(facesLeft ? kFacingAwayPicture : shown);
}

void placeFish(Fish& fish, float x, float y)
{
    fish.node->setPosition(x, y, kFishNodeDepth);
}

Rect fishRect(const Fish& fish)
{
    const Ogre::Vector3& corner = fish.node->getPosition();
    return Rect{corner.x, corner.y, fish.width, fish.height};
}

bool fishesOverlap(Fish a, Fish b)
{
    return rectsTouch(fishRect(a), fishRect(b));
}

float centreX(const Fish& fish)
{
    return centreX(fishRect(fish));
}

float centreY(const Fish& fish)
{
    return centreY(fishRect(fish));
}

void destroyFishVisuals(const Fish& fish)
{
    // Destroying a node only orphans its children and leaves its objects behind, so
    // everything the fish made is released one by one, by pointer.
    Ogre::SceneManager* scene = fish.sceneManager;
    scene->destroyBillboardSet(fish.leftSet);
    scene->destroyBillboardSet(fish.rightSet);
    scene->destroySceneNode(fish.leftNode);
    scene->destroySceneNode(fish.rightNode);
    scene->destroySceneNode(fish.node);
}
