#include "platform/speech/SpeechOutput.h"

#include <SDL.h>

#include <cstdio>

namespace speech {

SpeechOutput::SpeechOutput(int sampleRate) {
    // Otherwise SDL turns SIGINT and SIGTERM into events that nothing here reads, and Ctrl+C,
    // `kill` and logging out no longer end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "speech: no audio (%s); speech is synthesised and dropped\n",
                     SDL_GetError());
        return;
    }
    m_initialized = true;
    SDL_AudioSpec wanted{};
    wanted.freq = sampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (m_device == 0) {
        std::fprintf(stderr, "speech: no audio device (%s); speech is synthesised and dropped\n",
                     SDL_GetError());
        return;
    }
    SDL_PauseAudioDevice(m_device, 0);
}

SpeechOutput::~SpeechOutput() {
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device);
    }
    if (m_initialized) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void SpeechOutput::Play(const short* samples, std::size_t count) {
    if (m_device != 0 &&
        SDL_QueueAudio(m_device, samples, static_cast<Uint32>(count * sizeof(short))) != 0) {
        // A lost block is a gap in the speech, not a reason to stop the game.
        std::fprintf(stderr, "speech: audio dropped (%s)\n", SDL_GetError());
    }
}

void SpeechOutput::Clear() {
    if (m_device != 0) {
        SDL_ClearQueuedAudio(m_device);
    }
}

}  // namespace speech
