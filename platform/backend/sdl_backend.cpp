// The SDL2 backend. The screen is a streaming texture drawn at an integer scale; the texture is
// uploaded only when the screen's generation changed. After an empty poll the backend waits up
// to 1 ms for input, so a program spinning on an empty queue sleeps instead of burning a core.
#include "backend/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>

#include "backend/screen.h"
#include "backend/sdl_audio.h"
#include "backend/sdl_keys.h"
#include "backend/viewport.h"
#include "kernel/wide_text.h"

namespace platform {
namespace {

constexpr uint32_t kForever = 0xFFFFFFFFu;
constexpr int kIdleWaitMs = 1;  // the brief wait after an empty poll

std::u32string DecodeUtf8(const char* text) {
  const std::wstring wide = Utf8ToWideLenient(text);
  return std::u32string(wide.begin(), wide.end());
}

class SdlBackend final : public Backend {
 public:
  SdlBackend(SDL_Window* window, SDL_Renderer* renderer, SDL_Texture* texture, int scale)
      : window_(window), renderer_(renderer), texture_(texture), maxScale_(scale) {
    UpdateViewport();
    SDL_StartTextInput();
  }

  ~SdlBackend() override {
    audio_.reset();
    SDL_DestroyTexture(texture_);
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  uint32_t TickCount() override {
    auto elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
  }

  void Sleep(uint32_t ms) override { SDL_Delay(ms); }
  void Raise() override { SDL_RaiseWindow(window_); }

  bool NextEvent(InputEvent& event, uint32_t timeoutMs) override {
    Show();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      if (Translate(e, event)) return true;
    }
    if (timeoutMs == 0) {
      // The brief wait that keeps a polling loop from spinning; its events are not lost.
      if (SDL_WaitEventTimeout(&e, kIdleWaitMs) && Translate(e, event)) return true;
      while (SDL_PollEvent(&e)) {
        if (Translate(e, event)) return true;
      }
      return false;
    }
    const uint32_t start = SDL_GetTicks();
    for (;;) {
      int got = 0;
      if (timeoutMs == kForever) {
        got = SDL_WaitEvent(&e);
        if (!got) SDL_Delay(1);  // SDL failed to wait: do not spin on the error
      } else {
        uint32_t waited = SDL_GetTicks() - start;
        if (waited >= timeoutMs) return false;
        got = SDL_WaitEventTimeout(&e, static_cast<int>(timeoutMs - waited));
      }
      if (got && Translate(e, event)) return true;
    }
  }

  void Present() override {
    Show();
    const ScreenBuffer& screen = TheScreen();
    if (uploaded_ && screen.generation == generation_) return;
    SDL_UpdateTexture(texture_, nullptr, screen.pixels.data(),
                      ScreenBuffer::kWidth * static_cast<int>(sizeof(uint32_t)));
    generation_ = screen.generation;
    uploaded_ = true;
    Render();
  }

  void PlayWave(const uint8_t* data, size_t size) override {
    if (!audio_) audio_ = std::make_unique<SdlAudio>();
    audio_->Play(data, size);
  }

  const char* Name() const override { return "sdl"; }

 private:
  // The window stays hidden until the program presents or asks for input, so that a program
  // that only reads the clock (a tool) opens no window.
  void Show() {
    if (shown_) return;
    shown_ = true;
    SDL_ShowWindow(window_);
    UpdateViewport();
  }

  void UpdateViewport() {
    int w = 0;
    int h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    viewport_ = Viewport::Fit(w, h, maxScale_ > 0 ? maxScale_ : 1 << 16);
  }

  void Render() {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_Rect dst{viewport_.x, viewport_.y, ScreenBuffer::kWidth * viewport_.scale,
                 ScreenBuffer::kHeight * viewport_.scale};
    SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
    SDL_RenderPresent(renderer_);
  }

  // Turns an SDL event into a device event; false for events the device does not see.
  bool Translate(const SDL_Event& e, InputEvent& event) {
    event = InputEvent{};
    switch (e.type) {
      case SDL_QUIT:
        event.kind = InputKind::kQuit;
        return true;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST && stylusDown_) {
          // The button's release will go elsewhere: lift the stylus where it last was.
          stylusDown_ = false;
          SDL_CaptureMouse(SDL_FALSE);
          event.kind = InputKind::kStylusUp;
          event.x = lastX_;
          event.y = lastY_;
          return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) UpdateViewport();
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
            e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
          if (uploaded_) Render();
        }
        return false;
      case SDL_MOUSEBUTTONDOWN:
        if (e.button.button != SDL_BUTTON_LEFT || stylusDown_) return false;
        if (!viewport_.ToDevice(e.button.x, e.button.y, event.x, event.y)) return false;
        stylusDown_ = true;
        SDL_CaptureMouse(SDL_TRUE);  // the drag goes on outside the window
        event.kind = InputKind::kStylusDown;
        lastX_ = event.x;
        lastY_ = event.y;
        return true;
      case SDL_MOUSEMOTION:
        if (!stylusDown_) return false;  // a hovering mouse is no stylus
        viewport_.ToDeviceClamped(e.motion.x, e.motion.y, event.x, event.y);
        event.kind = InputKind::kStylusMove;
        lastX_ = event.x;
        lastY_ = event.y;
        return true;
      case SDL_MOUSEBUTTONUP:
        if (e.button.button != SDL_BUTTON_LEFT || !stylusDown_) return false;
        stylusDown_ = false;
        SDL_CaptureMouse(SDL_FALSE);
        viewport_.ToDeviceClamped(e.button.x, e.button.y, event.x, event.y);
        event.kind = InputKind::kStylusUp;
        return true;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        event.key = VirtualKeyFromSdl(e.key.keysym.sym);
        if (event.key == 0) return false;
        event.kind = e.type == SDL_KEYDOWN ? InputKind::kKeyDown : InputKind::kKeyUp;
        return true;
      case SDL_TEXTINPUT:
        event.text = DecodeUtf8(e.text.text);
        if (event.text.empty()) return false;
        event.kind = InputKind::kText;
        return true;
      default:
        return false;
    }
  }

  SDL_Window* window_;
  SDL_Renderer* renderer_;
  SDL_Texture* texture_;
  int maxScale_;
  Viewport viewport_;
  std::unique_ptr<SdlAudio> audio_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  uint64_t generation_ = 0;
  bool uploaded_ = false;
  bool shown_ = false;
  bool stylusDown_ = false;
  int lastX_ = 0;  // where the stylus last was, while it is down
  int lastY_ = 0;
};

// The requested scale, reduced so that the window fits the display's usable area.
int WindowScale(int requested) {
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return requested;
  int fit = std::min(usable.w / ScreenBuffer::kWidth, usable.h / ScreenBuffer::kHeight);
  return std::max(1, std::min(requested, fit));
}

}  // namespace

std::unique_ptr<Backend> MakeSdlBackend(const DeviceOptions& options, std::string* error) {
  auto fail = [&](const char* what) -> std::unique_ptr<Backend> {
    if (error) *error = std::string(what) + ": " + SDL_GetError();
    return nullptr;
  };
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  // A 240x320 picture scaled by whole steps needs no graphics card: the software renderer
  // draws into the window's own buffer, and the start is spared loading OpenGL (most of the
  // time to the first picture). SDL_RENDER_DRIVER and SDL_FRAMEBUFFER_ACCELERATION in the
  // environment still choose otherwise.
  SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "software", SDL_HINT_DEFAULT);
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return fail("SDL video");

  int scale = options.fullscreen ? 0 : WindowScale(options.scale);
  int width = ScreenBuffer::kWidth * std::max(scale, 1);
  int height = ScreenBuffer::kHeight * std::max(scale, 1);
  Uint32 flags = SDL_WINDOW_HIDDEN | (options.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  SDL_Window* window = SDL_CreateWindow("Puttland", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        width, height, flags);
  if (!window) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return fail("SDL window");
  }
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  SDL_Texture* texture =
      renderer ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                   ScreenBuffer::kWidth, ScreenBuffer::kHeight)
               : nullptr;
  if (!texture) {
    auto result = fail("SDL renderer");
    if (renderer) SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return result;
  }
  return std::make_unique<SdlBackend>(window, renderer, texture, scale);
}

}  // namespace platform
