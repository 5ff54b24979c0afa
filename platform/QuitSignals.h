#pragma once

// SIGINT, SIGTERM and SIGHUP (the terminal closed) end the game the way Escape does: the
// render loop stops at the next frame and everything, the keyboard first, is given back
// in order.
void installQuitSignals();

// Gives those signals their usual effect again once there is no render loop to end.
void removeQuitSignals();

// True once one of them has arrived; quitSignal() says which (0 for none).
bool quitSignalled();
int quitSignal();

// A file that grows past the process's size limit is then a write error the game reports,
// not a signal that kills it mid-game.
void ignoreFileSizeSignal();

// A write to a pipe nobody reads any more (the game's output piped into a program that has
// ended) fails as a write instead of ending the game.
void ignoreBrokenPipes();
