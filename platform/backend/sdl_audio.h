// Sound output through SDL audio: WAVE images converted to the device's 16-bit stereo and
// queued, a new sound replacing the one playing. Without an audio device sounds are skipped.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>

namespace platform {

class SdlAudio {
 public:
  SdlAudio() = default;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;
  ~SdlAudio();

  // Plays the image (cutting the current sound); null or empty just stops.
  void Play(const uint8_t* data, size_t size);

 private:
  bool Open();

  SDL_AudioDeviceID device_ = 0;
  int rate_ = 0;
  bool subsystem_ = false;
  bool failed_ = false;
};

}  // namespace platform
