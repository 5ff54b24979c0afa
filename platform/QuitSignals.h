#pragma once

// SIGINT and SIGTERM end the game the way Escape does: the render loop stops at the next
// frame and everything, the keyboard grab first, is given back in order.
void installQuitSignals();

// Gives SIGINT and SIGTERM their usual effect again once there is no render loop to end.
void removeQuitSignals();

// True once SIGINT or SIGTERM has arrived.
bool quitSignalled();
