#pragma once

#include <string>

// Shows a modal error box with one OK button and waits until it is dismissed. The text
// also goes to standard error, which is all there is when no display can be opened.
void showErrorBox(const std::string& caption, const std::string& text);

// The box's text: the error's words wrapped to lines that fit any screen.
std::string errorBoxMessage(const std::string& text);
