#pragma once

// What the key commands had set, and which once-a-press keys and buttons were down, when a
// game began: a recording keeps it, and a watched game begins from it.
struct ListenerState
{
    bool statsOn = true;
    int filtering = 1;
    unsigned anisotropy = 1;
    int sceneDetail = 0;
    float toggleDelay = 0;
    // Bit i: the i-th of F1, M, Return (or keypad Enter), H, F11 (or Alt+Return), and the
    // pad's Start, South and Back was down in the frame before.
    int heldKeys = 0;
};
