// pt-gen-help: copies the help page, written by hand beside this program, into the build's
// entries so that it is installed with the game.  Usage: pt-gen-help MANIFEST OUTDIR
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

#include "content/art/generator.h"

int main(int argc, char** argv) {
  return content::RunGenerator(
      argc, argv, "help", [](const content::ManifestEntry& e) -> std::optional<content::Bytes> {
        if (e.kind != content::EntryKind::kPage) return std::nullopt;
        const std::string source = std::string(PT_HELP_SOURCE_DIR) + "/" + e.name;
        std::ifstream in(source, std::ios::binary);
        if (!in) throw std::runtime_error("cannot read " + source);
        return content::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      });
}
