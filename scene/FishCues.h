#pragma once

#include "rules/Fish.h"
#include "rules/Rect.h"

#include <vector>

// The marker over the player's fish, so it is never taken for another fish, and a cue
// under every other fish: a plus in a green disc for one the player may eat, an
// exclamation mark in a red triangle for one that would end the game, and for the hook
// while it is in the water. The cue follows the
// very rule that decides a touch, so it is never wrong. One billboard set, refreshed each
// frame; none while the player's fish is gone.
class FishCues
{
public:
    FishCues(Ogre::SceneManager* sceneManager, const Panel& tank);
    ~FishCues();
    FishCues(const FishCues&) = delete;
    FishCues& operator=(const FishCues&) = delete;

    void show(bool shown);
    bool shown() const;
    // Puts the marker and the cues where the fish (and the hook, when given) are now, with
    // the player's size now.
    void update(const Fish& player, const std::vector<Fish>& others, const Rect* hook = nullptr);

    // Which cell of the cues' picture a billboard shows.
    enum class Cell
    {
        Marker,
        Eat,
        Danger
    };
    // What the set shows now, in order: the marker first, then one cue per other fish, then
    // the hook's.
    std::vector<Cell> cells() const;

private:
    Ogre::SceneManager* sceneManager;
    Rect water; // the tank, which the marker and the cues stay inside
    Ogre::SceneNode* node;
    Ogre::BillboardSet* set;
};
