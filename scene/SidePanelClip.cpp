#include "scene/SidePanelClip.h"

#include "rules/ScreenSpan.h"

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

SidePanelClip::SidePanelClip(Ogre::Camera* camera_, Panel& leftSide_, Panel& rightSide_)
    : camera(camera_), leftSide(leftSide_), rightSide(rightSide_)
{
    leftSide.set->setVisible(false);
    rightSide.set->setVisible(false);
    camera->getSceneManager()->addRenderQueueListener(this);
}

SidePanelClip::~SidePanelClip()
{
    camera->getSceneManager()->removeRenderQueueListener(this);
    leftSide.set->setVisible(true);
    rightSide.set->setVisible(true);
}

void SidePanelClip::renderQueueStarted(Ogre::uint8 queueGroupId, const Ogre::String&, bool&)
{
    Ogre::Viewport* viewport = camera->getViewport();
    if (queueGroupId != Ogre::RENDER_QUEUE_MAIN || !viewport)
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

void SidePanelClip::renderQueueEnded(Ogre::uint8 queueGroupId, const Ogre::String&, bool&)
{
    if (queueGroupId != Ogre::RENDER_QUEUE_MAIN || !clipping)
        return;
    Ogre::Root::getSingleton().getRenderSystem()->setScissorTest(false);
    clipping = false;
}
