#pragma once

#include <string>
#include <vector>

// Tells the desktop whose window it is: WM_CLASS (instance and class both `name`, which
// the desktop entry's StartupWMClass matches), _NET_WM_PID, and the icon task bars and
// Alt+Tab show (_NET_WM_ICON: width, height, then one 0xAARRGGBB value a pixel, row by
// row). `display` is an Xlib Display*.
void describeWindowToDesktop(void* display, unsigned long window, const std::string& name,
                             unsigned iconWidth, unsigned iconHeight,
                             const std::vector<unsigned long>& iconPixels);
