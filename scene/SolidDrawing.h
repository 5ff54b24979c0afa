#pragma once

#include "rules/Panel.h"

#include <OgreRenderQueueListener.h>
#include <OgreSceneManager.h>

// Visibility flags of the pictures that solid drawing leaves out: a fish's picture that
// faces away (behind the backdrop) and the two black side panels.
constexpr Ogre::uint32 kFacingAwayPicture = 1u << 30;
constexpr Ogre::uint32 kSidePanelPicture = 1u << 29;

// What the scene manager draws in a polygon mode: in solid mode everything but the
// pictures above; in wireframe and points the whole scene as it stands.
Ogre::uint32 drawnPictures(Ogre::PolygonMode mode);

// Does the solid tank's work for less, while the camera draws solid polygons. The picture
// a fish faces away with lies behind the opaque water and is not drawn at all. The side
// panels' work is done by keeping the renderer to the columns between them while the
// water, fish and hook are drawn: what lies beyond is the window's black, as the panels
// were, and a fish swimming in or out is cut at the same edge. A software renderer is
// spared every pixel of both. In wireframe and points, where everything shows through,
// the scene is drawn whole.
class SolidDrawing : public Ogre::RenderQueueListener, public Ogre::SceneManager::Listener
{
public:
    SolidDrawing(Ogre::Camera* camera, Panel& leftSide, Panel& rightSide);
    ~SolidDrawing() override;
    SolidDrawing(const SolidDrawing&) = delete;
    SolidDrawing& operator=(const SolidDrawing&) = delete;

    void preFindVisibleObjects(Ogre::SceneManager* source,
                               Ogre::SceneManager::IlluminationRenderStage stage,
                               Ogre::Viewport* viewport) override;
    void renderQueueStarted(Ogre::uint8 queueGroupId, const Ogre::String& invocation,
                            bool& skipThisInvocation) override;
    void renderQueueEnded(Ogre::uint8 queueGroupId, const Ogre::String& invocation,
                          bool& repeatThisInvocation) override;

private:
    Ogre::Camera* camera;
    Panel& leftSide;
    Panel& rightSide;
    bool clipping = false;
};
