#pragma once

// True when an X display can be opened: without one the engine's OpenGL plug-in fails
// while the engine is still starting, before any error could be shown properly.
bool desktopDisplayAvailable();
