// The ball's saved state: seven named values (position, velocity, last slope increment,
// moving flag) in a property store, so that a rolling ball resumes exactly.
#pragma once

namespace storage {
class PropertyStore;
}  // namespace storage

namespace golf {
class Ball;

// Sets "posx", "posy", "Fx", "Fy", "hillFx", "hillFy" (8-byte doubles) and "Ismoving"
// (one byte), in that order, as plain values.
void SaveBall(const Ball& ball, storage::PropertyStore& store);
// Reads the seven values back; a key the store lacks leaves that field as it was, and a
// value of the wrong length ends the program through the store ("Mangled config.").
void LoadBall(Ball& ball, const storage::PropertyStore& store);

}  // namespace golf
