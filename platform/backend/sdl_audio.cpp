// SDL audio output: the device is opened on the first sound and fed through SDL's queue.
#include "backend/sdl_audio.h"

#include <vector>

#include "backend/wave.h"

namespace platform {

SdlAudio::~SdlAudio() {
  if (device_) SDL_CloseAudioDevice(device_);
  if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::Open() {
  if (device_) return true;
  if (failed_) return false;
  failed_ = true;  // until proven otherwise: a machine without sound stays silent
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  subsystem_ = true;
  SDL_AudioSpec want{};
  want.freq = 44100;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  SDL_AudioSpec have{};
  // No changes allowed: SDL converts from exactly this format if the hardware differs.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (!device_) return false;
  rate_ = have.freq;
  failed_ = false;
  return true;
}

void SdlAudio::Play(const uint8_t* data, size_t size) {
  if (!data || size == 0) {
    if (device_) SDL_ClearQueuedAudio(device_);
    return;
  }
  auto sound = ParseWave(data, size);
  if (!sound || !Open()) return;
  std::vector<int16_t> pcm = ConvertToStereo16(*sound, static_cast<unsigned>(rate_));
  SDL_ClearQueuedAudio(device_);
  SDL_QueueAudio(device_, pcm.data(), static_cast<Uint32>(pcm.size() * sizeof(int16_t)));
  SDL_PauseAudioDevice(device_, 0);
}

}  // namespace platform
