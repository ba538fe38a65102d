// The readable text form of a property store, one record a line, nested stores indented:
//   "Sound" 0x10001 int 1
//   "posx" 0x10001 double 117.25
//   "PlayerName" 0x10001 text "Ada"
//   "Raw" 0x10001 hex 01 02 03
//   "Engine" 0x10002 store {
//     ...
//   }
// Quoted strings escape \" \\ and other bytes outside printable ASCII as \xHH.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

std::string StoreToText(const std::vector<uint8_t>& bytes);
// Returns false with a message naming the line when the text is not in this form.
bool TextToStore(const std::string& text, std::vector<uint8_t>& bytes, std::string& error);
