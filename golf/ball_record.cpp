// Saving and loading the ball record.
#include "golf/ball_record.h"

#include "golf/ball.h"
#include "storage/property/property_store.h"

namespace golf {

void SaveBall(const Ball& ball, storage::PropertyStore& store) {
  store.SetValue(storage::kPropertyValue, "posx", &ball.posx, 8);
  store.SetValue(storage::kPropertyValue, "posy", &ball.posy, 8);
  store.SetValue(storage::kPropertyValue, "Fx", &ball.fx, 8);
  store.SetValue(storage::kPropertyValue, "Fy", &ball.fy, 8);
  store.SetValue(storage::kPropertyValue, "hillFx", &ball.hillFx, 8);
  store.SetValue(storage::kPropertyValue, "hillFy", &ball.hillFy, 8);
  store.SetValue(storage::kPropertyValue, "Ismoving", &ball.isMoving, 1);
}

void LoadBall(Ball& ball, const storage::PropertyStore& store) {
  store.GetValue("posx", &ball.posx, 8);
  store.GetValue("posy", &ball.posy, 8);
  store.GetValue("Fx", &ball.fx, 8);
  store.GetValue("Fy", &ball.fy, 8);
  store.GetValue("hillFx", &ball.hillFx, 8);
  store.GetValue("hillFy", &ball.hillFy, 8);
  store.GetValue("Ismoving", &ball.isMoving, 1);
}

}  // namespace golf
