#pragma once

#include "rules/Fish.h"
#include "rules/Rect.h"

#include <string>

// Makes the fish's node with its two pictures (billboard sets "Fish<n>" and "Fish<n+1>")
// at (x, y) and stores its size, speed, direction, tank and scene manager.
void createFishVisuals(Fish& fish, int direction, int speed, Ogre::SceneManager* sceneManager,
                       Panel* tank, std::string leftMaterial, std::string rightMaterial, int x,
                       int y, int width, int height);

// Stores the direction and brings the matching picture in front of the backdrop
// (0 and below: facing left).
void faceDirection(Fish& fish, int direction);

// Puts the fish's corner at (x, y), at the depth every fish swims at.
void placeFish(Fish& fish, float x, float y);

// The fish's rectangle: its node's position is the bottom-left corner. Every rule that
// asks where a fish is reads it here.
Rect fishRect(const Fish& fish);

// True when the two fish's rectangles overlap or share an edge or a corner.
bool fishesOverlap(Fish a, Fish b);

float centreX(const Fish& fish);
float centreY(const Fish& fish);

// Takes the fish out of the scene: both pictures, both child nodes and its own node.
void destroyFishVisuals(const Fish& fish);
