#pragma once

#include "rules/Panel.h"

#include <OgreRenderQueueListener.h>

// Does the side panels' work for less: while the tank's water, fish and hook are drawn,
// the renderer is kept to the columns between the two black panels, and the panels
// themselves are not drawn. What lies beyond is the window's black, as the panels were,
// and a fish swimming in or out is cut at the same edge; a software renderer is spared
// every pixel of both panels and of the fish behind them.
class SidePanelClip : public Ogre::RenderQueueListener
{
public:
    SidePanelClip(Ogre::Camera* camera, Panel& leftSide, Panel& rightSide);
    ~SidePanelClip() override;
    SidePanelClip(const SidePanelClip&) = delete;
    SidePanelClip& operator=(const SidePanelClip&) = delete;

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
