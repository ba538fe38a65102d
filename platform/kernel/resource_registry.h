// The program's resources, embedded at build time (pt_embed_resources) and registered at start-up.
// FindResourceW and friends search this table; the headless backend names played sounds with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// A resource type or name: an integer id, or a string compared without regard to ASCII case.
struct ResourceKey {
  bool isId = true;
  unsigned id = 0;
  std::wstring name;  // upper-cased when !isId

  static ResourceKey FromId(unsigned id) { return ResourceKey{true, id, {}}; }
  // "123" (all digits) is an id; anything else a name.
  static ResourceKey FromText(std::string_view text);
  // A Win32 name argument: MAKEINTRESOURCE(id), "#123", or a string.
  static ResourceKey FromWin32(const wchar_t* text);
  bool operator==(const ResourceKey&) const = default;
};

struct EmbeddedResource {
  ResourceKey type;
  ResourceKey name;
  const uint8_t* data = nullptr;
  size_t size = 0;
};

// Adds a resource; the bytes must live as long as the process. A later registration of the same
// type and name replaces the earlier one. Returns true so that it can initialise a static.
bool RegisterResource(std::string_view type, std::string_view name, const uint8_t* data,
                      size_t size);

enum class ResourceLookup { kFound, kTypeNotFound, kNameNotFound };

// The resource of that type and name, or null with the reason.
const EmbeddedResource* FindEmbeddedResource(const ResourceKey& type, const ResourceKey& name,
                                             ResourceLookup* result = nullptr);
// True when `entry` is a resource of the table (for checking handles).
bool IsEmbeddedResource(const void* entry);
// The resource whose bytes start at `data`, or null.
const EmbeddedResource* ResourceAt(const void* data);

}  // namespace platform
