#include "scene/SolidDrawing.h"

#include "scene/ScreenSpan.h"

#include <OgreBillboardSet.h>
#include <OgreCamera.h>
#include <OgreRenderSystem.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreViewport.h>

namespace
{
// Where a point of the tank lands across the picture, -1 at the left edge to +1 at the right.
float acrossPicture(const Ogre::Camera& camera, const Ogre::Vector3& point)
{
    const Ogre::Vector3 projected = camera.getProjectionMatrix() * (camera.getViewMatrix() * point);
    return projected.x;
}
} // namespace

Ogre::uint32 drawnPictures(Ogre::PolygonMode mode)
{
    const Ogre::uint32 everything = 0xFFFFFFFF;
    return mode == Ogre::PM_SOLID ? everything & ~(kFacingAwayPicture | kSidePanelPicture)
                                  : everything;
}

SolidDrawing::SolidDrawing(Ogre::Camera* camera_, Panel& leftSide_, Panel& rightSide_)
    : camera(camera_), leftSide(leftSide_), rightSide(rightSide_)
{
    leftSide.set->setVisibilityFlags(kSidePanelPicture);
    rightSide.set->setVisibilityFlags(kSidePanelPicture);
    camera->getSceneManager()->addRenderQueueListener(this);
    camera->getSceneManager()->addListener(this);
}

SolidDrawing::~SolidDrawing()
{
    Ogre::SceneManager* scene = camera->getSceneManager();
    scene->removeListener(this);
    scene->removeRenderQueueListener(this);
    scene->setVisibilityMask(drawnPictures(Ogre::PM_WIREFRAME));
    leftSide.set->setVisibilityFlags(Ogre::MovableObject::getDefaultVisibilityFlags());
    rightSide.set->setVisibilityFlags(Ogre::MovableObject::getDefaultVisibilityFlags());
}

void SolidDrawing::preFindVisibleObjects(Ogre::SceneManager* source,
                                         Ogre::SceneManager::IlluminationRenderStage,
                                         Ogre::Viewport*)
{
    source->setVisibilityMask(drawnPictures(camera->getPolygonMode()));
}

void SolidDrawing::renderQueueStarted(Ogre::uint8 queueGroupId, const Ogre::String&, bool&)
{
    Ogre::Viewport* viewport = camera->getViewport();
    if (queueGroupId != Ogre::RENDER_QUEUE_MAIN || !viewport ||
        camera->getPolygonMode() != Ogre::PM_SOLID)
        return;
    // The left panel's right edge and the right panel's left edge, where they stand.
    const Ogre::Vector3 leftEdge = leftSide.node->_getDerivedPosition();
    const Ogre::Vector3 rightEdge = rightSide.node->_getDerivedPosition();
    const PixelSpan columns =
        columnsBetween(acrossPicture(*camera, leftEdge), acrossPicture(*camera, rightEdge),
                       viewport->getActualWidth());
    const long left = viewport->getActualLeft();
    const long top = viewport->getActualTop();
    Ogre::Root::getSingleton().getRenderSystem()->setScissorTest(
        true, Ogre::Rect(left + columns.first, top, left + columns.end,
                         top + viewport->getActualHeight()));
    clipping = true;
}

void SolidDrawing::renderQueueEnded(Ogre::uint8 queueGroupId, const Ogre::String&, bool&)
{
    if (queueGroupId != Ogre::RENDER_QUEUE_MAIN || !clipping)
        return;
    Ogre::Root::getSingleton().getRenderSystem()->setScissorTest(false);
    clipping = false;
}
