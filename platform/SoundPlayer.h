#pragma once

#include <SDL_audio.h>

#include <cstdint>
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

    // Opens the audio device and reads the file now instead of at its first play; says why
    // the sound will stay silent, or nothing when it is ready.
    std::string preload(const std::string& file);

    // True once an audio device is open.
    bool hasDevice() const { return device != 0; }

private:
    bool openDevice();
    const std::vector<Uint8>& samplesOf(const std::string& file);

    bool triedDevice = false;
    SDL_AudioDeviceID device = 0;
    SDL_AudioSpec deviceSpec{};
    std::map<std::string, std::vector<Uint8>> clips;
    std::map<std::string, std::string> whySilent;
    static constexpr std::uintmax_t kLargestSound = 16u * 1024u * 1024u;
};
