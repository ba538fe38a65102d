// A hole as the game screen composes it (frame, background, block pictures, straight wall
// lines, cup, ball on the tee), for reviewing course designs without running the game.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "content/art/canvas.h"
#include "golf/course_entry.h"

namespace content {

// Finds a generated picture by its archive entry name.
using PictureLookup = std::function<std::optional<Canvas>(const std::string& name)>;

enum class WallOverlay { kGameLook, kAllWalls };

// The 240x268 game screen of hole `hole` (0..17) of course `course` (0..4). kAllWalls also
// draws the diagonal and arc walls (which the game shows only through block pictures) in red,
// and every wall end that the ball can hit as a corner as a red dot.
Canvas RenderHole(const golf::HoleRecord& record, int course, int hole,
                  const PictureLookup& picture, WallOverlay overlay);

}  // namespace content
