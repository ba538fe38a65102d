// The nine sounds as the program finds them: WAVE resources 103 to 111 looked up, loaded and
// parsed the way the game plays them, in the formats the game's player expects of each.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "platform/backend/wave.h"

namespace {

struct Expected {
  int id;
  unsigned channels, rate, bits;
};

constexpr Expected kSounds[] = {
    {103, 1, 22050, 8}, {104, 1, 22050, 8},  {105, 1, 22050, 8},
    {106, 1, 22050, 8}, {107, 1, 22050, 8},  {108, 1, 22050, 8},
    {109, 1, 22050, 8}, {110, 1, 22050, 16}, {111, 2, 44100, 16},
};

struct Resource {
  const uint8_t* bytes = nullptr;
  size_t size = 0;
};

Resource LoadWave(int id) {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), L"WAVE");
  if (!found) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  return {static_cast<const uint8_t*>(LockResource(loaded)), SizeofResource(nullptr, found)};
}

// A sample's distance from silence as a fraction of full scale.
double Level(const platform::WaveSound& s, size_t index) {
  if (s.bitsPerSample == 8) return std::abs(int(s.samples[index]) - 128) / 128.0;
  const auto v = int16_t(s.samples[2 * index] | s.samples[2 * index + 1] << 8);
  return std::abs(int(v)) / 32768.0;
}

TEST(EmbeddedSounds, EachIsAWaveResourceInItsFormat) {
  for (const Expected& e : kSounds) {
    SCOPED_TRACE(e.id);
    const Resource r = LoadWave(e.id);
    ASSERT_NE(r.bytes, nullptr);
    ASSERT_GE(r.size, 44u);
    EXPECT_EQ(platform::RiffImageSize(r.bytes), r.size);
    const auto sound = platform::ParseWave(r.bytes, r.size);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->channels, e.channels);
    EXPECT_EQ(sound->sampleRate, e.rate);
    EXPECT_EQ(sound->bitsPerSample, e.bits);
  }
}

TEST(EmbeddedSounds, NoOtherWaveIdsAndNoOtherType) {
  EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(102), L"WAVE"), nullptr);
  EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(112), L"WAVE"), nullptr);
  EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(103), L"wave"), nullptr);  // case-blind
}

// Short, audible, never clipped, and opening and closing at silence so playback starts and
// stops without a click.
TEST(EmbeddedSounds, ShortCleanSoundsThatStartAndEndSilent) {
  for (const Expected& e : kSounds) {
    SCOPED_TRACE(e.id);
    const Resource r = LoadWave(e.id);
    const auto sound = platform::ParseWave(r.bytes, r.size);
    ASSERT_TRUE(sound.has_value());
    EXPECT_GE(sound->DurationMs(), 10u);
    EXPECT_LE(sound->DurationMs(), 800u);
    const size_t count = sound->frames * sound->channels;
    double peak = 0.0;
    for (size_t i = 0; i < count; ++i) peak = std::max(peak, Level(*sound, i));
    EXPECT_GT(peak, 0.25);
    EXPECT_LT(peak, 0.95);
    for (size_t i = 0; i < sound->channels; ++i) {
      EXPECT_LE(Level(*sound, i), 1 / 64.0);
      EXPECT_LE(Level(*sound, count - 1 - i), 1 / 64.0);
    }
  }
}

}  // namespace
