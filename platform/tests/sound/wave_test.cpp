// WAVE parsing of good and damaged images, and conversion to the device's 16-bit stereo.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "backend/wave.h"

namespace platform {
namespace {

void Put16(std::vector<uint8_t>& v, unsigned x) {
  v.push_back(x & 0xFF);
  v.push_back(x >> 8 & 0xFF);
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}
void PutId(std::vector<uint8_t>& v, const char* id) {
  v.insert(v.end(), id, id + 4);
}

struct WaveSpec {
  unsigned tag = 1;
  unsigned channels = 1;
  unsigned rate = 22050;
  unsigned bits = 8;
  std::vector<uint8_t> samples;
  bool junkFirst = false;  // an odd-sized chunk before "fmt "
};

std::vector<uint8_t> MakeWave(const WaveSpec& s) {
  std::vector<uint8_t> body;
  PutId(body, "WAVE");
  if (s.junkFirst) {
    PutId(body, "LIST");
    Put32(body, 3);
    body.insert(body.end(), {'a', 'b', 'c', 0});  // three bytes and the pad byte
  }
  PutId(body, "fmt ");
  Put32(body, 16);
  Put16(body, s.tag);
  Put16(body, s.channels);
  Put32(body, s.rate);
  unsigned align = s.channels * s.bits / 8;
  Put32(body, s.rate * align);
  Put16(body, align);
  Put16(body, s.bits);
  PutId(body, "data");
  Put32(body, static_cast<uint32_t>(s.samples.size()));
  body.insert(body.end(), s.samples.begin(), s.samples.end());
  if (s.samples.size() & 1) body.push_back(0);
  std::vector<uint8_t> image;
  PutId(image, "RIFF");
  Put32(image, static_cast<uint32_t>(body.size()));
  image.insert(image.end(), body.begin(), body.end());
  return image;
}

TEST(WaveParse, ReadsTheFormatsTheGameUses) {
  WaveSpec mono8;
  mono8.samples = {128, 255, 0};
  mono8.junkFirst = true;
  auto image = MakeWave(mono8);
  auto sound = ParseWave(image.data(), image.size());
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->channels, 1u);
  EXPECT_EQ(sound->sampleRate, 22050u);
  EXPECT_EQ(sound->bitsPerSample, 8u);
  EXPECT_EQ(sound->frames, 3u);
  EXPECT_EQ(sound->samples[1], 255);

  WaveSpec stereo16;
  stereo16.channels = 2;
  stereo16.rate = 44100;
  stereo16.bits = 16;
  stereo16.samples.assign(size_t{4} * 441, 0);
  image = MakeWave(stereo16);
  sound = ParseWave(image.data(), image.size());
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->frames, 441u);
  EXPECT_EQ(sound->DurationMs(), 10u);
}

TEST(WaveParse, RefusesWhatItCannotPlay) {
  auto refuse = [](WaveSpec s, const char* why) {
    if (s.samples.empty()) s.samples = {1, 2, 3, 4};
    auto image = MakeWave(s);
    EXPECT_FALSE(ParseWave(image.data(), image.size())) << why;
  };
  WaveSpec s;
  s.tag = 2;
  refuse(s, "compressed (ADPCM)");
  s = {};
  s.channels = 3;
  refuse(s, "three channels");
  s = {};
  s.channels = 0;
  refuse(s, "no channels");
  s = {};
  s.bits = 12;
  refuse(s, "12-bit");
  s = {};
  s.rate = 0;
  refuse(s, "rate 0");

  auto image = MakeWave(WaveSpec{.samples = {1, 2}});
  std::memcpy(image.data() + 8, "AVI ", 4);
  EXPECT_FALSE(ParseWave(image.data(), image.size())) << "not WAVE";
  EXPECT_FALSE(ParseWave(nullptr, 0));
}

TEST(WaveParse, DamagedImagesNeverReadOutsideTheBuffer) {
  WaveSpec s;
  s.samples.assign(100, 7);
  auto whole = MakeWave(s);
  // Every truncation: either refused, or a sound whose samples lie inside what is left.
  for (size_t cut = 0; cut <= whole.size(); ++cut) {
    std::vector<uint8_t> part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
    auto sound = ParseWave(part.data(), part.size());
    if (!sound) continue;
    EXPECT_GE(sound->samples, part.data());
    EXPECT_LE(sound->samples + sound->frames, part.data() + part.size()) << cut;
  }
  // A data chunk claiming 4 GB is cut to the bytes present.
  auto huge = whole;
  size_t dataSize = huge.size() - 100 - 4;
  huge[dataSize] = huge[dataSize + 1] = huge[dataSize + 2] = huge[dataSize + 3] = 0xFF;
  auto sound = ParseWave(huge.data(), huge.size());
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->frames, 100u);
  // A RIFF size of 0 (never filled in) or too small for "WAVE": the buffer's end counts.
  for (uint8_t declared : {0, 3}) {
    auto unsized = whole;
    unsized[4] = declared;
    unsized[5] = unsized[6] = unsized[7] = 0;
    auto unsizedSound = ParseWave(unsized.data(), unsized.size());
    ASSERT_TRUE(unsizedSound);
    EXPECT_EQ(unsizedSound->frames, 100u);
  }
  // A "fmt " chunk too short to hold a format.
  auto shortFormat = whole;
  shortFormat[16] = 12;
  EXPECT_FALSE(ParseWave(shortFormat.data(), shortFormat.size()));
}

TEST(WaveConvert, MakesSixteenBitStereoAtTheDeviceRate) {
  WaveSpec s;
  s.samples = {128, 255, 0, 128};
  auto image = MakeWave(s);
  auto sound = ParseWave(image.data(), image.size());
  ASSERT_TRUE(sound);
  // 22050 -> 44100: twice the frames, halfway points interpolated, both channels alike.
  auto pcm = ConvertToStereo16(*sound, 44100);
  std::vector<int16_t> expected = {0,      0,      16256,  16256,  32512, 32512, -128, -128,
                                   -32768, -32768, -16384, -16384, 0,     0,     0,    0};
  EXPECT_EQ(pcm, expected);

  WaveSpec st;
  st.channels = 2;
  st.bits = 16;
  st.rate = 44100;
  st.samples = {0x34, 0x12, 0xCC, 0xED};  // left 0x1234, right -0x1234
  image = MakeWave(st);
  sound = ParseWave(image.data(), image.size());
  ASSERT_TRUE(sound);
  EXPECT_EQ(ConvertToStereo16(*sound, 44100), (std::vector<int16_t>{0x1234, -0x1234}));
}

}  // namespace
}  // namespace platform
