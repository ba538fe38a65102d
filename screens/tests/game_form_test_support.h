// What the game screen's tests share: a device whose registry names the built data archive,
// the program's sounds as tiny WAVE resources, and a game form on the headless clock.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "backend/headless.h"
#include "frame/app/entry.h"
#include "frame/base/process_instance.h"
#include "frame/form/process_state.h"
#include "golf/ball.h"
#include "golf/ball_record.h"
#include "kernel/resource_registry.h"
#include "platform/kernel/storage.h"
#include "screens/game_form.h"
#include "screens/game_settings.h"
#include "screens/saved_game.h"
#include "storage/property/property_store.h"

namespace game_test {

namespace fs = std::filesystem;

// A 44-byte PCM header and four silent samples: enough for the sound player to accept it.
inline const std::vector<uint8_t>& SilentWave() {
  static const std::vector<uint8_t> kWave = [] {
    std::vector<uint8_t> w;
    auto text = [&](const char* s) { w.insert(w.end(), s, s + 4); };
    auto u32 = [&](uint32_t v) {
      for (int i = 0; i < 4; ++i) w.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&](uint16_t v) {
      w.push_back(static_cast<uint8_t>(v));
      w.push_back(static_cast<uint8_t>(v >> 8));
    };
    text("RIFF"), u32(36 + 8), text("WAVE");
    text("fmt "), u32(16), u16(1), u16(1), u32(11025), u32(22050), u16(2), u16(16);
    text("data"), u32(8);
    for (int i = 0; i < 8; ++i) w.push_back(0);
    return w;
  }();
  return kWave;
}

// Once per process: a device of our own whose "Resource File" is a copy of the built archive,
// the root window, and the sounds 103 to 111.
inline void PrepareGameDevice() {
  static bool done = false;
  if (done) return;
  done = true;
  const fs::path device = fs::temp_directory_path() / ("pt-game-form-" + std::to_string(getpid()));
  fs::remove_all(device);
  platform::SetDeviceRoot(device);
  fs::create_directories(device / "Program Files" / "Puttland");
  fs::copy_file(fs::path(std::getenv("PT_BINARY_DIR")) / "bin" / "puttland.dat",
                device / "Program Files" / "Puttland" / "puttland.dat");
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Ombrelune\\Puttland", 0, nullptr, 0, 0, nullptr,
                  &key, nullptr);
  const wchar_t path[] = L"\\Program Files\\Puttland\\puttland.dat";
  RegSetValueExW(key, L"Resource File", 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                 sizeof path);
  RegCloseKey(key);
  std::atexit([] {
    std::error_code ignored;
    fs::remove_all(fs::temp_directory_path() / ("pt-game-form-" + std::to_string(getpid())),
                   ignored);
  });
  // One copy per sound: the backend names a played sound by the address of its bytes.
  static std::vector<std::vector<uint8_t>> waves(9, SilentWave());
  for (int id = 103; id <= 111; ++id) {
    const auto& wave = waves[id - 103];
    platform::RegisterResource("WAVE", std::to_string(id), wave.data(), wave.size());
  }
  if (frame::RootWindow == nullptr) {
    frame::ProcessInstance = GetModuleHandleW(nullptr);
    frame::CreateRootWindow();
  }
}

// A saved game with the ball at rest at (x, y) on a hole of a course; a negative x leaves the
// ball record empty, so the ball stays on the tee.
inline void WriteSavedGame(storage::PropertyStore& settings, int course, int hole,
                           const std::array<uint8_t, 18>& counts, double x, double y) {
  storage::PropertyStore courseRecord, ballRecord, engine;
  auto set = [&](const char* key, uint32_t v) {
    courseRecord.SetValue(storage::kPropertyValue, key, &v, 4);
  };
  set("Course number", course);
  set("Hole number", hole);
  for (int i = 0; i < 18; ++i) set(("Score" + std::to_string(i)).c_str(), counts[i]);
  if (x >= 0.0) {
    golf::Ball ball;
    ball.posx = x;
    ball.posy = y;
    ball.isMoving = 0;
    golf::SaveBall(ball, ballRecord);
  }
  engine.SetStore(storage::kPropertyStoreValue, "Course", courseRecord);
  engine.SetStore(storage::kPropertyStoreValue, "Ball", ballRecord);
  settings.SetStore(storage::kPropertyStoreValue, "Engine", engine);
}

class GameScreenTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { PrepareGameDevice(); }

  void SetUp() override {
    headless_ = &platform::FreshHeadless();
    headless_->Advance(1000);  // a charge start of 0 means "no charge"
    screens::ResetSettings();
    screens::SetSoundSetting(screens::kSoundOn);
    screens::SetClickSoundOn(false);
    form_ = std::make_unique<screens::GameForm>("Game form", 0, 0, 240, 268);
    form_->Show();  // drawing reaches the screen only while the form is shown
  }

  // Puts the ball at rest at (x, y) on a hole (on the tee when x is negative), with the
  // given counts, and shows the form.
  void Resume(int course, int hole, const std::array<uint8_t, 18>& counts, double x = -1,
              double y = -1) {
    storage::PropertyStore settings;
    WriteSavedGame(settings, course, hole, counts, x, y);
    form_->LoadGame(settings);
    form_->OnShow();
  }

  // Taps the aim point, holds the shoot button for holdMs and lets go.
  void Shoot(int aimX, int aimY, uint32_t holdMs) {
    form_->OnStylusDown(aimX, aimY);
    form_->OnStylusUp(aimX, aimY);
    form_->OnStylusDown(kShootX, kShootY);
    headless_->Advance(holdMs);
    form_->OnStylusUp(kShootX, kShootY);
  }

  // Idle passes, one a millisecond, until the state is one of Ready or Aiming (a stroke has
  // ended) or the time runs out.
  void PlayOut(uint32_t maxMs = 120000) {
    for (uint32_t t = 0; t < maxMs; ++t) {
      headless_->Advance(1);
      form_->OnIdle();
      const auto s = form_->State();
      if (s == screens::PlayState::kReady || s == screens::PlayState::kAiming) return;
    }
  }

  bool Played(unsigned id) const {
    for (const auto& s : headless_->Sounds())
      if (s.resourceId == id) return true;
    return false;
  }

  static constexpr int kShootX = 175, kShootY = 20;
  platform::HeadlessBackend* headless_ = nullptr;
  std::unique_ptr<screens::GameForm> form_;
};

}  // namespace game_test
