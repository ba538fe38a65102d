// PropertyStore: the serialised bytes, replacement order, growth, nesting, damaged bytes
// and the fatal paths.
#include <gtest/gtest.h>

#include "frame/tests/fatal_capture.h"

#include "storage/property/property_store.h"
#include "storage/tests/lzrw_test_util.h"

using lzrw_test::Bytes;
using lzrw_test::Hex;

namespace {

void SetInt(storage::PropertyStore& store, const char* key, int32_t value) {
  store.SetValue(storage::kPropertyValue, key, &value, 4);
}

std::vector<std::string> Keys(const storage::PropertyStore& store) {
  std::vector<std::string> keys;
  const Bytes bytes = store.ToBytes();
  for (const storage::PropertyRecord& r :
       storage::ListRecords(bytes.data(), uint32_t(bytes.size()), nullptr))
    keys.push_back(r.key);
  return keys;
}

TEST(PropertyStore, EmptyStoreHasNoBytesAndFindsNothing) {
  storage::PropertyStore store;
  EXPECT_TRUE(store.ToBytes().empty());
  int32_t value = 42;
  std::string text = "keep";
  storage::PropertyStore nested;
  EXPECT_FALSE(store.GetValue("Sound", &value, 4));
  EXPECT_FALSE(store.GetString("PlayerName", &text));
  EXPECT_FALSE(store.GetStore("Engine", &nested));
  EXPECT_EQ(value, 42);
  EXPECT_EQ(text, "keep");
}

TEST(PropertyStore, OneIntegerRecordBytes) {
  storage::PropertyStore store;
  SetInt(store, "Sound", 1);
  EXPECT_EQ(Hex(store.ToBytes()), "00 01 00 01 00 00 00 05 00 00 00 04 53 6F 75 6E 64 01 00 00 00");
  int32_t value = 0;
  EXPECT_TRUE(store.GetValue("Sound", &value, 4));
  EXPECT_EQ(value, 1);
}

TEST(PropertyStore, SettingAKeyAgainMovesItToTheEnd) {
  for (const char* again : {"a", "b", "c"}) {
    storage::PropertyStore store;
    SetInt(store, "a", 1);
    SetInt(store, "b", 2);
    SetInt(store, "c", 3);
    SetInt(store, again, 9);
    std::vector<std::string> expected = {"a", "b", "c"};
    std::erase(expected, std::string(again));
    expected.push_back(again);
    EXPECT_EQ(Keys(store), expected);
    EXPECT_EQ(store.Used(), 3 * (12 + 1 + 4));
    int32_t value = 0;
    EXPECT_TRUE(store.GetValue(again, &value, 4));
    EXPECT_EQ(value, 9);
  }
}

TEST(PropertyStore, KeysMatchWholeAndIgnoreTheTag) {
  storage::PropertyStore store;
  SetInt(store, "HS10", 10);
  SetInt(store, "HS1", 1);
  int32_t value = 0;
  EXPECT_TRUE(store.GetValue("HS1", &value, 4));
  EXPECT_EQ(value, 1);
  EXPECT_TRUE(store.GetValue("HS10", &value, 4));
  EXPECT_EQ(value, 10);
  EXPECT_FALSE(store.GetValue("HS", &value, 4));
  // A record stored with the nested-store tag is found by a plain getter.
  store.SetValue(storage::kPropertyStoreValue, "x", "abcd", 4);
  char raw[4];
  EXPECT_TRUE(store.GetValue("x", raw, 4));
  std::string text;
  EXPECT_TRUE(store.GetString("x", &text));
  EXPECT_EQ(text, "abcd");
}

TEST(PropertyStore, GrowthRule) {
  storage::PropertyStore store;
  EXPECT_EQ(store.Capacity(), 0);
  std::vector<char> value(256 - 12 - 1);
  store.SetValue(storage::kPropertyValue, "k", value.data(), uint32_t(value.size()));
  EXPECT_EQ(store.Used(), 256);
  EXPECT_EQ(store.Capacity(), 256);
  store.SetValue(storage::kPropertyValue, "", nullptr, 0);  // 12 bytes more: 268 needs 512
  EXPECT_EQ(store.Capacity(), 512);
  std::vector<char> big(16000);
  store.SetValue(storage::kPropertyValue, "big", big.data(), uint32_t(big.size()));
  EXPECT_EQ(store.Capacity(), 16384);
  store.SetValue(storage::kPropertyValue, "more", big.data(), 1000);
  EXPECT_EQ(store.Capacity(), store.Used() + 1024);
  // Bytes loaded from elsewhere fill their buffer exactly; the next record grows it.
  storage::PropertyStore sound, loaded;
  SetInt(sound, "Sound", 1);
  loaded.FromBytes(sound.ToBytes());
  EXPECT_EQ(loaded.Capacity(), 21);
  EXPECT_EQ(loaded.Used(), 21);
}

TEST(PropertyStore, NestedStoreSurvivesSerialisation) {
  storage::PropertyStore ball, engine;
  SetInt(ball, "Ismoving", 0);
  double posx = 117.25;
  ball.SetValue(storage::kPropertyValue, "posx", &posx, 8);
  engine.SetStore(storage::kPropertyStoreValue, "Ball", ball);
  engine.SetString("PlayerName", "Ada");
  storage::PropertyStore copy;
  copy.FromBytes(engine.ToBytes());
  storage::PropertyStore child;
  ASSERT_TRUE(copy.GetStore("Ball", &child));
  EXPECT_EQ(child.ToBytes(), ball.ToBytes());
  double x = 0;
  EXPECT_TRUE(child.GetValue("posx", &x, 8));
  EXPECT_EQ(x, 117.25);
}

TEST(PropertyStore, DamagedBytesAreReadUpToTheLastWholeRecord) {
  storage::PropertyStore good;
  SetInt(good, "a", 1);
  Bytes bytes = good.ToBytes();
  // A second record whose value length runs far past the end, then a cut-off header.
  const Bytes bad = {0, 1, 0, 1, 0, 0, 0, 1, 0x7F, 0xFF, 0xFF, 0xFF, 'b', 1, 2};
  bytes.insert(bytes.end(), bad.begin(), bad.end());
  storage::PropertyStore store;
  store.FromBytes(bytes);
  int32_t value = 0;
  EXPECT_TRUE(store.GetValue("a", &value, 4));
  EXPECT_FALSE(store.GetValue("b", &value, 4));
  bool complete = true;
  EXPECT_EQ(storage::ListRecords(bytes.data(), uint32_t(bytes.size()), &complete).size(), 1u);
  EXPECT_FALSE(complete);
  // The damaged tail is dropped: a record set afterwards is found, and the bytes written back
  // hold whole records only.
  EXPECT_EQ(store.Used(), 17);
  SetInt(store, "c", 3);
  EXPECT_TRUE(store.GetValue("c", &value, 4));
  EXPECT_EQ(value, 3);
  EXPECT_EQ(store.ToBytes().size(), 2u * 17u);
  store.FromBytes(Bytes{0, 0, 0});
  EXPECT_FALSE(store.GetValue("c", &value, 4));
  EXPECT_TRUE(store.ToBytes().empty());
}

TEST(PropertyStoreDeathTest, ValueOfAnotherLengthIsMangled) {
  storage::PropertyStore store;
  SetInt(store, "Sound", 1);
  int16_t small = 0;
  fatal_capture::Install();
  EXPECT_EXIT(store.GetValue("Sound", &small, 2), testing::ExitedWithCode(255),
              "\\[Fatal error\\] Mangled config\\.");
}

}  // namespace

namespace {

TEST(PropertyStoreDeathTest, BufferTheHeapCannotGiveIsFatal) {
  storage::PropertyStore store;
  const uint8_t byte = 0;
  fatal_capture::Install();
  EXPECT_EXIT(store.FromBytes(&byte, 0x80000000u), testing::ExitedWithCode(255),
              "\\[Fatal error\\] Failed to allocate memory\\.");
}

}  // namespace
