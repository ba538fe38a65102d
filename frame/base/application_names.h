// The program-wide names the registry key and the single-instance guard are built from.
#pragma once

inline constexpr const char* kCompanyName = "Ombrelune";
inline constexpr const char* kApplicationName = "Puttland";
