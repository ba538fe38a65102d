// Command-line options of the device and the letterboxing of its screen in a window.
#include <gtest/gtest.h>

#include <vector>

#include "backend/backend.h"
#include "backend/headless.h"
#include "backend/viewport.h"
#include "device/options.h"
#include "kernel/storage.h"

namespace platform {
namespace {

struct Args {
  explicit Args(std::vector<std::string> list) : strings(std::move(list)) {
    for (auto& s : strings) pointers.push_back(s.data());
    pointers.push_back(nullptr);
    argc = static_cast<int>(strings.size());
  }
  std::vector<std::string> Remaining() const {
    return std::vector<std::string>(pointers.begin(), pointers.begin() + argc);
  }
  std::vector<std::string> strings;
  std::vector<char*> pointers;
  int argc;
};

class DeviceOptionsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    TheDeviceOptions() = DeviceOptions{};
    SetDeviceRoot(saved_);
  }
  std::filesystem::path saved_ = DeviceRoot();
};

TEST_F(DeviceOptionsTest, ConsumesItsOptionsAndKeepsTheRestInOrder) {
  auto dir = std::filesystem::temp_directory_path() / "pt_options_device";
  Args args({"game", "--scale", "3", "-x", "--fullscreen", "--device=" + dir.string(), "rest",
             "--headless"});
  std::string error;
  ASSERT_TRUE(ApplyDeviceOptions(args.argc, args.pointers.data(), &error)) << error;
  EXPECT_EQ(args.Remaining(), (std::vector<std::string>{"game", "-x", "rest"}));
  EXPECT_EQ(args.pointers[args.argc], nullptr);
  EXPECT_EQ(TheDeviceOptions().scale, 3);
  EXPECT_TRUE(TheDeviceOptions().fullscreen);
  EXPECT_TRUE(TheDeviceOptions().headless);
  EXPECT_EQ(DeviceRoot(), dir);
  std::filesystem::remove_all(dir);
}

TEST_F(DeviceOptionsTest, ABadValueChangesNothing) {
  for (std::vector<std::string> bad :
       {std::vector<std::string>{"game", "--fullscreen", "--scale", "0"},
        {"game", "--fullscreen", "--scale=2x"},
        {"game", "--fullscreen", "--scale"},
        {"game", "--fullscreen", "--device"}}) {
    Args args(bad);
    std::string error;
    EXPECT_FALSE(ApplyDeviceOptions(args.argc, args.pointers.data(), &error)) << bad.back();
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(args.argc, static_cast<int>(bad.size()));
    EXPECT_FALSE(TheDeviceOptions().fullscreen);
    EXPECT_EQ(TheDeviceOptions().scale, 2);
  }
}

TEST(DeviceBackend, TestsRunHeadlessAndHeadlessInstallsOne) {
  EXPECT_STREQ(CurrentBackend().Name(), "headless");  // PUTTLAND_BACKEND=headless under CTest
  HeadlessBackend& headless = Headless();
  EXPECT_EQ(&headless, &CurrentBackend());
  EXPECT_EQ(&headless, &Headless());
  headless.Advance(5);
  EXPECT_EQ(FreshHeadless().TickCount(), 0u);
}

TEST(Viewport, AWindowOfTheScaledSizeShowsTheScreenAtItsCorner) {
  Viewport v = Viewport::Fit(480, 640, 2);
  EXPECT_EQ(v.scale, 2);
  EXPECT_EQ(v.x, 0);
  EXPECT_EQ(v.y, 0);
  int x = -1;
  int y = -1;
  EXPECT_TRUE(v.ToDevice(479, 639, x, y));
  EXPECT_EQ(x, 239);
  EXPECT_EQ(y, 319);
}

TEST(Viewport, FullscreenLetterboxesAtTheLargestWholeScale) {
  Viewport v = Viewport::Fit(1920, 1080, 1 << 16);  // 1080 / 320 = 3
  EXPECT_EQ(v.scale, 3);
  EXPECT_EQ(v.x, (1920 - 720) / 2);
  EXPECT_EQ(v.y, (1080 - 960) / 2);
  int x = 0;
  int y = 0;
  EXPECT_FALSE(v.ToDevice(v.x - 1, v.y + 10, x, y));  // in the black border
  EXPECT_EQ(x, -1);
  EXPECT_TRUE(v.ToDevice(v.x + 5, v.y + 6, x, y));
  EXPECT_EQ(x, 1);
  EXPECT_EQ(y, 2);
  v.ToDeviceClamped(0, 2000, x, y);  // a drag beyond the screen stays on its edge
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 319);
  EXPECT_EQ(Viewport::Fit(200, 100, 4).scale, 1);  // never below 1, even if it does not fit
}

}  // namespace
}  // namespace platform
