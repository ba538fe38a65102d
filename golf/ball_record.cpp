// Saving and loading the ball record.
#include "golf/ball_record.h"

#include "golf/ball.h"
#include "storage/property/property_store.h"

namespace golf {

void SaveBall(const Ball& ball, PropertyStore& store) {
  store.SetValue(kPropertyValue, "posx", &ball.posx, 8);
  store.SetValue(kPropertyValue, "posy", &ball.posy, 8);
  store.SetValue(kPropertyValue, "Fx", &ball.Fx, 8);
  store.SetValue(kPropertyValue, "Fy", &ball.Fy, 8);
  store.SetValue(kPropertyValue, "hillFx", &ball.hillFx, 8);
  store.SetValue(kPropertyValue, "hillFy", &ball.hillFy, 8);
  store.SetValue(kPropertyValue, "Ismoving", &ball.Ismoving, 1);
}

void LoadBall(Ball& ball, const PropertyStore& store) {
  store.GetValue("posx", &ball.posx, 8);
  store.GetValue("posy", &ball.posy, 8);
  store.GetValue("Fx", &ball.Fx, 8);
  store.GetValue("Fy", &ball.Fy, 8);
  store.GetValue("hillFx", &ball.hillFx, 8);
  store.GetValue("hillFy", &ball.hillFy, 8);
  store.GetValue("Ismoving", &ball.Ismoving, 1);
}

}  // namespace golf
