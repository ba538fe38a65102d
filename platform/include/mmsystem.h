// Sound: PlaySoundW for WAVE resources and WAVE images in memory.
// Sounds play asynchronously on the device's sound output; a new sound cuts the one playing.
#pragma once

#include "windef.h"
#include "winerror.h"

#define SND_SYNC 0x0000
#define SND_ASYNC 0x0001
#define SND_NODEFAULT 0x0002
#define SND_MEMORY 0x0004
#define SND_LOOP 0x0008
#define SND_NOSTOP 0x0010
#define SND_PURGE 0x0040
#define SND_APPLICATION 0x0080
#define SND_NOWAIT 0x00002000L
#define SND_ALIAS 0x00010000L
#define SND_ALIAS_ID 0x00110000L
#define SND_FILENAME 0x00020000L
#define SND_RESOURCE 0x00040004L

// SND_RESOURCE: pszSound names a "WAVE" resource of hmod (MAKEINTRESOURCE(id) or a name).
// SND_MEMORY: pszSound points at a RIFF WAVE image. NULL or SND_PURGE stops the sound.
// Looping, aliases, files and SND_NOSTOP are not offered: such calls return FALSE.
BOOL WINAPI PlaySoundW(LPCWSTR pszSound, HMODULE hmod, DWORD fdwSound);

#define PlaySound PlaySoundW
