// The ball record: a rolling ball saved and loaded resumes bit for bit, in the key order
// and sizes the saved game relies on; missing keys leave fields alone.
#include <gtest/gtest.h>

#include <cstring>

#include "golf/ball.h"
#include "golf/ball_record.h"
#include "storage/property/property_store.h"

namespace golf {
namespace {

TEST(BallRecord, ARollingBallResumesBitForBit) {
  Ball ball;
  ball.posx = 101.23456789012345;
  ball.posy = 200.0 / 3.0;
  ball.fx = -123.456;
  ball.fy = 1e-300;
  ball.hillFx = 0.0;
  ball.hillFy = -5.333333333333333;
  ball.isMoving = 1;
  storage::PropertyStore store;
  SaveBall(ball, store);

  bool complete = false;
  const auto records = storage::ListRecords(store.Data(), store.Used(), &complete);
  ASSERT_TRUE(complete);
  const char* keys[7] = {"posx", "posy", "Fx", "Fy", "hillFx", "hillFy", "Ismoving"};
  ASSERT_EQ(records.size(), 7u);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(records[i].key, keys[i]);
    EXPECT_EQ(records[i].type, storage::kPropertyValue);
    EXPECT_EQ(records[i].value.size(), i < 6 ? 8u : 1u);
  }
  // Doubles as their little-endian IEEE bytes.
  uint64_t bits = 0;
  std::memcpy(&bits, &ball.posy, 8);
  for (int b = 0; b < 8; ++b) EXPECT_EQ(records[1].value[b], uint8_t(bits >> (8 * b)));

  Ball loaded;
  loaded.isMoving = 0;
  LoadBall(loaded, store);
  // Bit for bit, not merely equal values.
  // NOLINTBEGIN(bugprone-suspicious-memory-comparison)
  EXPECT_EQ(std::memcmp(&loaded.posx, &ball.posx, 8), 0);
  EXPECT_EQ(std::memcmp(&loaded.posy, &ball.posy, 8), 0);
  EXPECT_EQ(std::memcmp(&loaded.fx, &ball.fx, 8), 0);
  EXPECT_EQ(std::memcmp(&loaded.fy, &ball.fy, 8), 0);
  EXPECT_EQ(std::memcmp(&loaded.hillFy, &ball.hillFy, 8), 0);
  // NOLINTEND(bugprone-suspicious-memory-comparison)
  EXPECT_EQ(loaded.isMoving, 1);
  EXPECT_EQ(loaded.IsMoving(), ball.IsMoving());

  // Saving again replaces the values instead of adding records.
  SaveBall(loaded, store);
  EXPECT_EQ(storage::ListRecords(store.Data(), store.Used(), &complete).size(), 7u);
}

TEST(BallRecord, MissingKeysLeaveTheFieldsAlone) {
  storage::PropertyStore store;
  const double x = 50.5;
  store.SetValue(storage::kPropertyValue, "posx", &x, 8);
  Ball ball;
  ball.posy = 77.0;
  ball.isMoving = 0;
  LoadBall(ball, store);
  EXPECT_EQ(ball.posx, 50.5);
  EXPECT_EQ(ball.posy, 77.0);
  EXPECT_EQ(ball.isMoving, 0);
}

}  // namespace
}  // namespace golf
