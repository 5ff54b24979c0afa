#pragma once

#include "app/ExampleApplication.h"
#include "game/TankScene.h"
#include "scene/SolidDrawing.h"

#include <memory>

class CameraTrackListener;
class Dice;

// The fish-tank game: holds the tank's records (the player's fish, the panels, the hook and
// every other fish), builds the tank once, and wires the game's frame listener to them.
// The records go before the shell's part, which deletes the listener and then the engine.
class CameraTrackApplication : public ExampleApplication, protected TankRecords
{
public:
    // The dice decide every new fish and the hook's comings and goings; they outlive the game.
    CameraTrackApplication(Platform& platform, Dice& dice);

    void makeFrameListener() override;
    void buildScene() override;
    void keepProgress() override;

protected:
    Dice& dice;
    // The frame listener, as the game's own; owned by the shell.
    CameraTrackListener* game = nullptr;
    // Made with the tank; goes before the engine does.
    std::unique_ptr<SolidDrawing> solidDrawing;
};
