// pt-gen-sounds: the game program's nine WAVE resources, "wave103.wav" to "wave111.wav".
// Usage: pt-gen-sounds MANIFEST OUTDIR
#include <optional>
#include <string>

#include "content/art/generator.h"
#include "content/sounds/sound_designs.h"

int main(int argc, char** argv) {
  return content::RunGenerator(
      argc, argv, "sounds", [](const content::ManifestEntry& e) -> std::optional<content::Bytes> {
        for (int id = 103; id <= 111; ++id) {
          if (e.name == "wave" + std::to_string(id) + ".wav") {
            const auto sound = content::DesignSound(id);
            return content::EncodeWave(sound->format, sound->samples);
          }
        }
        return std::nullopt;
      });
}
