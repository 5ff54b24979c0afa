#pragma once

// The X server's errors, handled the game's way instead of Xlib's (which ends the process
// with status 1): an error about a window (one destroyed by another program, say) is
// noted on standard error and ends the render loop; a lost connection to the X server
// (the server gone, the settings dialog killed by the window manager) ends the process
// at once with status 0 and a line on standard error, since nothing is left to give back.
void installXErrorHandlers();

// What must still be done when the connection is lost, before the process ends (the
// best score saved): `words` is called with `context`, on the game's thread, with no X
// server left to ask.
void setLastWordsOnLostDisplay(void (*words)(void*), void* context);
// Forgets the last words given with that context, if they are still the ones set.
void forgetLastWordsOnLostDisplay(void* context);

// True once the X server has reported an error since the handlers were installed.
bool xErrorReported();

// Waits until the X server has handled every request so far on the display (an Xlib
// Display*), then says whether it has reported an error.
bool xErrorAfterSync(void* display);
