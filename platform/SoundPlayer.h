#pragma once

#include <SDL_audio.h>

#include <map>
#include <string>
#include <vector>

// Plays one WAV file at a time in the background through SDL audio. The audio device
// is opened on the first sound; a machine without one stays silent. Each file is read
// and converted once, then kept for the next time.
class SoundPlayer
{
public:
    SoundPlayer() = default;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;
    ~SoundPlayer();

    // Starts the file, cutting off whatever is still playing. Never throws.
    void play(const std::string& file);

    // Opens the audio device and reads the file now instead of at its first play.
    void preload(const std::string& file);

    // True once an audio device is open.
    bool hasDevice() const { return device != 0; }

private:
    bool openDevice();
    const std::vector<Uint8>& samplesOf(const std::string& file);

    bool triedDevice = false;
    SDL_AudioDeviceID device = 0;
    SDL_AudioSpec deviceSpec{};
    std::map<std::string, std::vector<Uint8>> clips;
};
