// PlaySoundW on the headless backend: which sounds reach the device, stops, synchronous play on
// the device clock, and the calls it refuses.
#include <gtest/gtest.h>
#include <windows.h>

#include <mmsystem.h>

#include "backend/headless.h"

namespace {

class PlaySoundTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::FreshHeadless(); }
  platform::HeadlessBackend& Device() { return platform::Headless(); }
};

TEST_F(PlaySoundTest, ResourcesPlayAsynchronouslyAndAreRecorded) {
  Device().Advance(40);
  EXPECT_TRUE(PlaySoundW(MAKEINTRESOURCE(201), nullptr, SND_RESOURCE | SND_ASYNC));
  EXPECT_TRUE(PlaySoundW(L"Chime", nullptr, SND_RESOURCE | SND_ASYNC | SND_NODEFAULT));
  EXPECT_TRUE(PlaySoundW(nullptr, nullptr, 0));
  EXPECT_TRUE(PlaySoundW(MAKEINTRESOURCE(202), nullptr, SND_RESOURCE | SND_PURGE));
  const auto& sounds = Device().Sounds();
  ASSERT_EQ(sounds.size(), 4u);
  EXPECT_EQ(sounds[0].resourceId, 201u);
  EXPECT_EQ(sounds[0].size, 266u);
  EXPECT_EQ(sounds[0].time, 40u);
  EXPECT_EQ(sounds[1].size, 1808u);  // a named resource: no id
  EXPECT_EQ(sounds[1].resourceId, 0u);
  EXPECT_EQ(sounds[2].size, 0u);  // the stops
  EXPECT_EQ(sounds[3].size, 0u);
  EXPECT_EQ(Device().TickCount(), 40u);  // asynchronous: no time passed
}

TEST_F(PlaySoundTest, SynchronousPlayWaitsForTheSoundOnTheDeviceClock) {
  EXPECT_TRUE(PlaySoundW(MAKEINTRESOURCE(201), nullptr, SND_RESOURCE));  // 221 frames at 22050 Hz
  EXPECT_EQ(Device().TickCount(), 11u);
}

TEST_F(PlaySoundTest, AnImageInMemoryPlaysWithoutAResource) {
  HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCE(202), L"WAVE");
  ASSERT_NE(info, nullptr);
  auto image = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, info)));
  std::vector<BYTE> copy(image, image + SizeofResource(nullptr, info));
  EXPECT_TRUE(PlaySoundW(reinterpret_cast<LPCWSTR>(copy.data()), nullptr, SND_MEMORY | SND_ASYNC));
  ASSERT_EQ(Device().Sounds().size(), 1u);
  EXPECT_EQ(Device().Sounds()[0].size, copy.size());
}

TEST_F(PlaySoundTest, RefusesMissingResourcesDamagedImagesAndUnofferedModes) {
  EXPECT_FALSE(PlaySoundW(MAKEINTRESOURCE(103), nullptr, SND_RESOURCE | SND_ASYNC));
  // Resource 300 is a WAVE image, but of type RCDATA: SND_RESOURCE looks for "WAVE" only.
  EXPECT_FALSE(PlaySoundW(MAKEINTRESOURCE(300), nullptr, SND_RESOURCE | SND_ASYNC));
  const BYTE notWave[16] = {'R', 'I', 'F', 'F', 8, 0, 0, 0, 'A', 'V', 'I', ' '};
  EXPECT_FALSE(PlaySoundW(reinterpret_cast<LPCWSTR>(notWave), nullptr, SND_MEMORY | SND_ASYNC));
  EXPECT_FALSE(PlaySoundW(MAKEINTRESOURCE(201), nullptr, SND_RESOURCE | SND_ASYNC | SND_LOOP));
  EXPECT_FALSE(PlaySoundW(L"SystemStart", nullptr, SND_ALIAS | SND_ASYNC));
  EXPECT_FALSE(PlaySoundW(L"\\Windows\\ding.wav", nullptr, SND_FILENAME | SND_ASYNC));
  EXPECT_TRUE(Device().Sounds().empty());
}

}  // namespace
