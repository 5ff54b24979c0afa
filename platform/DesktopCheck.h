#pragma once

// True when an X display can be opened: without one the engine's OpenGL plug-in fails
// while the engine is still starting, before any error could be shown properly.
bool desktopDisplayAvailable();

// True when the X display has GLX, OpenGL's way onto it: without it no window can draw.
bool displayOffersOpenGL();

// The size in pixels of the screen the window is on, for full screen at the desktop's own
// size; false when the display (an Xlib Display*) cannot say.
bool xScreenSize(void* display, unsigned long window, unsigned& width, unsigned& height);

// Where windows may go on the default screen: the window manager's work area
// (_NET_WORKAREA, the screen less its panels) where there is one, else the whole screen.
// False when no display can be opened.
bool usableScreenArea(int& left, int& top, unsigned& width, unsigned& height);
