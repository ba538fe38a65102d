// PlaySoundW: finds the WAVE image (a resource or memory), checks that it is PCM we can play,
// and hands it to the backend. Synchronous calls wait on the device clock for the sound's length.
#include <windows.h>

#include <mmsystem.h>

#include "backend/backend.h"
#include "backend/wave.h"
#include "kernel/resource_registry.h"

namespace {

constexpr DWORD kResourceBit = 0x00040000;  // SND_RESOURCE without its SND_MEMORY bit
constexpr DWORD kUnsupported = SND_LOOP | SND_NOSTOP | SND_ALIAS | SND_FILENAME | SND_APPLICATION;

struct Image {
  const uint8_t* data = nullptr;
  size_t size = 0;
};

bool FindImage(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound, Image& image) {
  if (fdwSound & kResourceBit) {
    HRSRC info = FindResourceW(hmod, pszSound, L"WAVE");
    if (!info) return false;
    image.data = static_cast<const uint8_t*>(LockResource(LoadResource(hmod, info)));
    image.size = SizeofResource(hmod, info);
    return image.data != nullptr;
  }
  // SND_MEMORY: the caller vouches for the image; its RIFF header gives its length.
  image.data = reinterpret_cast<const uint8_t*>(pszSound);
  image.size = platform::RiffImageSize(image.data);
  return image.size != 0;
}

}  // namespace

BOOL WINAPI PlaySoundW(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound) {
  platform::Backend& backend = platform::CurrentBackend();
  if (!pszSound || (fdwSound & SND_PURGE)) {
    backend.PlayWave(nullptr, 0);
    return TRUE;
  }
  if (fdwSound & kUnsupported) return FALSE;
  if (!(fdwSound & (kResourceBit | SND_MEMORY))) return FALSE;  // an alias or a file name

  Image image;
  if (!FindImage(pszSound, hmod, fdwSound, image)) return FALSE;
  auto sound = platform::ParseWave(image.data, image.size);
  if (!sound) return FALSE;
  backend.PlayWave(image.data, image.size);
  if (!(fdwSound & SND_ASYNC)) backend.Sleep(sound->DurationMs());
  return TRUE;
}
