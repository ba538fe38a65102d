// The sprites generator: the ball and the sink animation frames, with their masks.
#include <string>

#include "content/art/generator.h"
#include "content/sprites/ball_sprites.h"

namespace {

std::optional<content::Bytes> Make(const content::ManifestEntry& e) {
  std::string name = e.name;
  const bool mask = name.starts_with("m_");
  if (mask) name.erase(0, 2);
  std::optional<content::Sprite> sprite;
  if (name == "pt_ball.bmp") {
    sprite = content::BallSprite();
  } else if (name.size() == 18 && name.starts_with("pt_sink_anim_") && name.ends_with(".bmp")) {
    const int frame = name[13] - 'a';
    if (frame < 0 || frame > 4) return std::nullopt;
    sprite = content::SinkFrame(frame, e.width > 0 ? e.width : 16);
  }
  if (!sprite) return std::nullopt;
  return content::PictureBytes(e, mask ? sprite->mask : sprite->picture);
}

}  // namespace

int main(int argc, char** argv) {
  return content::RunGenerator(argc, argv, "sprites", Make);
}
