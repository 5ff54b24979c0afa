#pragma once

#include "rules/Panel.h"
#include "rules/Rect.h"

#include <OgreBillboardSet.h>
#include <OgreTextureUnitState.h>

#include <vector>

// Makes one flat rectangle of the tank: a node under the scene root carrying a billboard
// set with a single white billboard of the given size, origin and material.
Panel makePanel(Ogre::SceneManager* sceneManager, const char* setName, const char* material,
                int width, int height, Ogre::BillboardOrigin origin);

// The panel's rectangle, for panels whose node is their bottom-left corner (the backdrop,
// which is the tank).
Rect panelRect(const Panel& panel);

// Samples the panel's picture from its nearest texel instead of smoothing between four:
// the same look for a picture shown about its own size, for less work on every pixel. The
// panel then no longer follows the engine's default filtering, until:
void sampleNearest(const Panel& panel);

// Samples the panel's picture as the engine's defaults say again (the shared sampler
// that the filtering key changes).
void followDefaultSampling(const Panel& panel);

// The samplers the panel's picture is drawn with, one a texture unit, and putting them back
// (the water's sampling is shared by every tank drawn in the window).
std::vector<Ogre::SamplerPtr> panelSamplers(const Panel& panel);
void setPanelSamplers(const Panel& panel, const std::vector<Ogre::SamplerPtr>& samplers);

// Edges every picture that follows the engine's defaults by clamping, so that smoothing
// never blends in texels from the opposite edge.
void clampPicturesAtTheirEdges();
