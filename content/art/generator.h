// The common shape of a content generator program: `GEN MANIFEST OUTDIR` makes every manifest
// entry of its own group, checks picture sizes against the manifest, and writes each atomically.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "content/art/canvas.h"
#include "content/art/manifest.h"

namespace content {

using Bytes = std::vector<uint8_t>;

// Makes the bytes of one entry; nullopt when the generator does not know the entry.
using MakeEntry = std::function<std::optional<Bytes>(const ManifestEntry&)>;

// Runs a generator: returns the process exit status (0, or 1 with a message on stderr).
// Files in OUTDIR that the manifest no longer names for this group are removed, so the packer
// never picks up a stale entry.
int RunGenerator(int argc, char** argv, std::string_view group, const MakeEntry& make);

// A picture entry's bytes, checked against the manifest's size when it fixes one.
Bytes PictureBytes(const ManifestEntry& e, const Canvas& canvas);

}  // namespace content
