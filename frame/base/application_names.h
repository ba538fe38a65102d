// The program-wide names the registry key and the single-instance guard are built from:
// the company and the application, narrow strings that the frame reads.
#pragma once

namespace frame {

inline constexpr const char* kCompanyName = "Ombrelune";
inline constexpr const char* kApplicationName = "Puttland";

}  // namespace frame
