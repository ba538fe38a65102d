// FrameAnimation: frame names, timing and erasing.
#include "frame/elements/frame_animation.h"

#include <string>

namespace frame {

FrameAnimation::FrameAnimation(const char* baseName, int count, DWORD interval,
                               DrawingSurface* background)
    : background_(background), interval_(interval) {
  for (int i = 0; i < count; ++i) {
    const std::string picture = std::string(baseName) + "_" + static_cast<char>('a' + i) + ".bmp";
    const std::string mask = "m_" + picture;
    frames_.push_back(std::make_unique<MaskedPicture>(picture.c_str(), mask.c_str()));
  }
}

FrameAnimation::FrameAnimation(std::vector<std::unique_ptr<MaskedPicture>> frames, DWORD interval,
                               DrawingSurface* background)
    : frames_(std::move(frames)), background_(background), interval_(interval) {}

FrameAnimation::~FrameAnimation() {
  while (!frames_.empty()) frames_.pop_back();
}

void FrameAnimation::Start() {
  current_ = 0;
  lastStep_ = GetTickCount();
}

bool FrameAnimation::IsFinished() const {
  return current_ < 0 || current_ >= static_cast<int>(frames_.size());
}

void FrameAnimation::Stop() {
  current_ = -1;
  x_ = -1;
  y_ = -1;
}

void FrameAnimation::RestoreUnder(DrawingSurface& surface, const Picture& frame) {
  if (background_ != nullptr) {
    surface.Blit(*background_, x_, y_, frame.Width(), frame.Height(), x_, y_, SRCCOPY);
  }
}

bool FrameAnimation::Step(DrawingSurface& surface) {
  // A stopped animation (never started, finished, or without frames) has nothing to erase.
  if (IsFinished()) {
    if (current_ >= 0) Stop();
    return true;
  }
  const DWORD now = GetTickCount();
  if (now - lastStep_ < interval_) return false;
  lastStep_ = now;
  const Picture& previous = *frames_[current_];
  ++current_;
  RestoreUnder(surface, previous);
  if (current_ >= static_cast<int>(frames_.size())) {
    Stop();
    return true;
  }
  frames_[current_]->Draw(surface, x_, y_, SRCCOPY);
  return false;
}

}  // namespace frame
