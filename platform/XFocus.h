#pragma once

#include "platform/Platform.h"

// Asks the X server where the keyboard focus is, as seen from `window` on `display` (an
// Xlib Display*): on the window or one of its children, on another window, or left to
// the pointer (no window manager gives focus out). A null display is Unknown.
WindowFocus xFocusOf(void* display, unsigned long window);
