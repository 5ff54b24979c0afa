#include "platform/SoundPlayer.h"

#include "platform/FileCheck.h"

#include <SDL.h>

#include <filesystem>

namespace
{
constexpr int kSampleRate = 22050;
constexpr Uint16 kBufferSamples = 1024;
} // namespace

SoundPlayer::~SoundPlayer()
{
    if (device != 0)
        SDL_CloseAudioDevice(device);
    if (triedDevice)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::openDevice()
{
    if (triedDevice)
        return device != 0;
    triedDevice = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = kBufferSamples;
    // No changes allowed: SDL converts to the hardware's format behind the device.
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &deviceSpec, 0);
    return device != 0;
}

const std::vector<Uint8>& SoundPlayer::samplesOf(const std::string& file)
{
    auto found = clips.find(file);
    if (found != clips.end())
        return found->second;

    std::vector<Uint8>& samples = clips[file];
    // A pipe or a folder in the sound's place would make the reader wait or fail oddly.
    const std::string unreadable = unreadableFileReason(file, false);
    if (!unreadable.empty())
    {
        whySilent[file] = unreadable;
        return samples;
    }
    // A short sound effect is a few kilobytes: a huge file would cost memory and start-up.
    std::error_code error;
    if (std::filesystem::file_size(file, error) > kLargestSound && !error)
    {
        whySilent[file] = file + " is larger than 16 MB, too large for a sound effect";
        return samples;
    }
    SDL_AudioSpec fileFormat{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(file.c_str(), &fileFormat, &buffer, &length) == nullptr)
    {
        whySilent[file] = file + " cannot be read as a WAV sound: " + SDL_GetError();
        return samples;
    }

    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, fileFormat.format, fileFormat.channels, fileFormat.freq,
                          deviceSpec.format, deviceSpec.channels, deviceSpec.freq) >= 0)
    {
        std::vector<Uint8> work(static_cast<size_t>(length) * static_cast<size_t>(cvt.len_mult));
        SDL_memcpy(work.data(), buffer, length);
        cvt.buf = work.data();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) == 0)
        {
            work.resize(static_cast<size_t>(cvt.len_cvt));
            samples.swap(work);
        }
    }
    SDL_FreeWAV(buffer);
    return samples;
}

std::string SoundPlayer::preload(const std::string& file)
{
    if (!openDevice())
        return "no audio device: the game is silent";
    samplesOf(file);
    const auto reason = whySilent.find(file);
    return reason == whySilent.end() ? "" : reason->second;
}

void SoundPlayer::play(const std::string& file)
{
    if (!openDevice())
        return;
    const std::vector<Uint8>& samples = samplesOf(file);
    SDL_ClearQueuedAudio(device);
    if (samples.empty())
        return;
    SDL_QueueAudio(device, samples.data(), static_cast<Uint32>(samples.size()));
    SDL_PauseAudioDevice(device, 0);
}
