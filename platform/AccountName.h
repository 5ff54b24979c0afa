#pragma once

#include <string>

// The player's name as the account gives it: the full name, else the login name; empty when
// neither is known.
std::string accountName();
