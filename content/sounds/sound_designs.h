// The nine sounds the game program carries as WAVE resources 103 to 111, each synthesised
// from a fixed recipe (and fixed noise seeds) so every build makes the same bytes.
#pragma once

#include <optional>
#include <vector>

#include "content/sounds/wave_file.h"

namespace content {

struct SynthSound {
  WaveFormat format;
  std::vector<double> samples;  // interleaved, in [-1, 1]
};

// 103 ball holed, 104 shot refused, 105 soft tick, 106 wall knock, 107 stroke limit,
// 108 button click, 109 aim placed, 110 soft pop, 111 splash; nullopt for any other id.
std::optional<SynthSound> DesignSound(int id);

}  // namespace content
