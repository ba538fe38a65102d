// The headless backend: virtual clock, scripted input, screenshots, sound log.
#include <algorithm>

#include "backend/headless.h"
#include "backend/png_file.h"
#include "backend/screen.h"
#include "kernel/resource_registry.h"

namespace platform {

bool HeadlessBackend::NextEvent(InputEvent& event, uint32_t timeoutMs) {
  const uint32_t deadline = now_ + timeoutMs;  // used only for bounded waits
  bool stepped = false;
  for (;;) {
    if (!script_.empty() && script_.front().time <= now_) {
      Scripted next = std::move(script_.front());
      script_.pop_front();
      if (next.action) {
        next.action();
        continue;
      }
      event = std::move(next.event);
      return true;
    }
    const bool more = !script_.empty();
    const uint32_t nextTime = more ? script_.front().time : 0;
    if (timeoutMs == 0) {
      // The brief wait after an empty poll; what falls due during it is delivered.
      if (stepped) return false;
      stepped = true;
      now_ += more ? std::min(pollStep_, nextTime - now_) : pollStep_;
      continue;
    }
    if (timeoutMs == kForever) {
      if (!more) {
        // Nothing will ever come: end the program instead of hanging the test.
        ++autoQuits_;
        event = InputEvent{};
        event.kind = InputKind::kQuit;
        return true;
      }
      now_ = nextTime;
      continue;
    }
    if (!more || nextTime > deadline) {
      now_ = std::max(now_, deadline);
      return false;
    }
    now_ = nextTime;
  }
}

void HeadlessBackend::Present() {
  ++presentCalls_;
  uint64_t generation = TheScreen().generation;
  if (presentedOnce_ && generation == presentedGeneration_) return;
  presentedOnce_ = true;
  presentedGeneration_ = generation;
  ++frames_;
}

void HeadlessBackend::PlayWave(const uint8_t* data, size_t size) {
  PlayedSound sound;
  sound.time = now_;
  if (data && size) {
    const EmbeddedResource* resource = ResourceAt(data);
    if (resource && resource->name.isId) sound.resourceId = resource->name.id;
    sound.size = size;
  }
  sounds_.push_back(sound);
}

bool HeadlessBackend::Screenshot(const std::filesystem::path& file, std::string* error) const {
  const ScreenBuffer& screen = TheScreen();
  return WritePng(file, screen.pixels.data(), ScreenBuffer::kWidth, ScreenBuffer::kHeight, error);
}

uint32_t HeadlessBackend::SequenceTime(uint32_t delayMs) const {
  return std::max(now_, lastScripted_) + delayMs;
}

void HeadlessBackend::Insert(uint32_t time, Scripted entry) {
  // After every entry queued for the same time or earlier: ties keep queue order.
  auto later = std::upper_bound(script_.begin(), script_.end(), time,
                                [](uint32_t t, const Scripted& s) { return t < s.time; });
  script_.insert(later, std::move(entry));
  lastScripted_ = std::max(lastScripted_, time);
}

void HeadlessBackend::At(uint32_t time, InputEvent event) {
  Insert(time, Scripted{time, std::move(event), {}});
}

void HeadlessBackend::Do(uint32_t delayMs, std::function<void()> action) {
  uint32_t time = SequenceTime(delayMs);
  Insert(time, Scripted{time, InputEvent{}, std::move(action)});
}

void HeadlessBackend::After(uint32_t delayMs, InputEvent event) {
  At(SequenceTime(delayMs), std::move(event));
}

namespace {

InputEvent Stylus(InputKind kind, int x, int y) {
  InputEvent event;
  event.kind = kind;
  event.x = x;
  event.y = y;
  return event;
}

InputEvent Key(InputKind kind, unsigned vk) {
  InputEvent event;
  event.kind = kind;
  event.key = vk;
  return event;
}

}  // namespace

void HeadlessBackend::StylusDown(int x, int y, uint32_t delayMs) {
  After(delayMs, Stylus(InputKind::kStylusDown, x, y));
}

void HeadlessBackend::StylusMove(int x, int y, uint32_t delayMs) {
  After(delayMs, Stylus(InputKind::kStylusMove, x, y));
}

void HeadlessBackend::StylusUp(int x, int y, uint32_t delayMs) {
  After(delayMs, Stylus(InputKind::kStylusUp, x, y));
}

void HeadlessBackend::Tap(int x, int y, uint32_t delayMs, uint32_t holdMs) {
  StylusDown(x, y, delayMs);
  StylusUp(x, y, holdMs);
}

void HeadlessBackend::KeyDown(unsigned vk, uint32_t delayMs) {
  After(delayMs, Key(InputKind::kKeyDown, vk));
}

void HeadlessBackend::KeyUp(unsigned vk, uint32_t delayMs) {
  After(delayMs, Key(InputKind::kKeyUp, vk));
}

void HeadlessBackend::KeyPress(unsigned vk, uint32_t delayMs, uint32_t holdMs) {
  KeyDown(vk, delayMs);
  KeyUp(vk, holdMs);
}

void HeadlessBackend::Text(std::u32string text, uint32_t delayMs) {
  InputEvent event;
  event.kind = InputKind::kText;
  event.text = std::move(text);
  After(delayMs, std::move(event));
}

void HeadlessBackend::Quit(uint32_t delayMs) {
  InputEvent event;
  event.kind = InputKind::kQuit;
  After(delayMs, std::move(event));
}

}  // namespace platform
