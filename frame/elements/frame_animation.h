// FrameAnimation: a short sequence of masked pictures played at one place over a clean
// background (the ball sinking into the cup); its owner calls Step until it ends.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "frame/elements/picture.h"

namespace frame {

class FrameAnimation {
 public:
  // Frame i is the entry "<base>_<'a'+i>.bmp" with the mask "m_<base>_<'a'+i>.bmp".
  FrameAnimation(const char* baseName, int count, DWORD interval, DrawingSurface* background);
  // Frames made elsewhere, in playing order.
  FrameAnimation(std::vector<std::unique_ptr<MaskedPicture>> frames, DWORD interval,
                 DrawingSurface* background);
  ~FrameAnimation();
  FrameAnimation(const FrameAnimation&) = delete;
  FrameAnimation& operator=(const FrameAnimation&) = delete;

  void SetPosition(int x, int y) {
    x_ = x;
    y_ = y;
  }
  void Start();
  // Advances one frame once the interval has passed: erases the previous frame from the
  // background and draws the next. The first picture shown is the second one, one interval
  // after Start; past the last frame the background is restored and true is returned.
  bool Step(DrawingSurface& surface);
  bool IsFinished() const;

  int CurrentFrame() const { return current_; }
  int X() const { return x_; }
  int Y() const { return y_; }
  size_t FrameCount() const { return frames_.size(); }

 private:
  void RestoreUnder(DrawingSurface& surface, const Picture& frame);
  void Stop();

  std::vector<std::unique_ptr<MaskedPicture>> frames_;
  DrawingSurface* background_;
  DWORD lastStep_ = 0;
  DWORD interval_;
  int current_ = -1;
  int x_ = -1;
  int y_ = -1;
};

}  // namespace frame
