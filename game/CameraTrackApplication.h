#pragma once

#include "app/ExampleApplication.h"
#include "game/TankScene.h"
#include "scene/SolidDrawing.h"

#include <memory>

class CameraTrackListener;
class ReplayDice;
class SandboxPlatform;
struct ReplayTape;

// The fish-tank game: holds the tank's records (the player's fish, the panels, the hook and
// every other fish), builds the tank once, and wires the game's frame listener to them.
// The records go before the shell's part, which deletes the listener and then the engine.
class CameraTrackApplication : public ExampleApplication, protected TankRecords
{
public:
    // The dice decide every new fish and the hook's comings and goings; they outlive the game.
    // Every game is recorded into the replays folder; given a recorded game, the window
    // shows it instead.
    CameraTrackApplication(Platform& platform, ReplayDice& dice,
                           std::unique_ptr<ReplayTape> watched = nullptr);
    ~CameraTrackApplication() override;

    void makeFrameListener() override;
    void buildScene() override;
    std::string keepProgress() override;
    void endPlay() override;
    void noteError() override;

protected:
    ReplayDice& dice;
    std::unique_ptr<ReplayTape> watched;
    // While a recorded game is watched, the game's files live here, never on the disk.
    std::unique_ptr<SandboxPlatform> sandbox;
    // The frame listener, as the game's own; owned by the shell.
    CameraTrackListener* game = nullptr;
    // Made with the tank; goes before the engine does.
    std::unique_ptr<SolidDrawing> solidDrawing;
};
