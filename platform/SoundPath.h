#pragma once

#include <string>

// The game names its sounds the way it was first written for, ".\resources\gulp.wav":
// relative to the working directory with backslashes. Returns the same file as a
// path this system opens: "resources/gulp.wav".
std::string soundPathOnDisk(const std::string& gamePath);
