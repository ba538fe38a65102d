// Reading "Setup.ini": the three recognised keys "component", "uninstall" and "cabfiles".
// Pure text handling, free of Windows calls, so it builds and is tested on any host.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr char kSetupIniName[] = "Setup.ini";

struct SetupIni {
  std::string component;              // empty when no usable "component" line was read
  std::string uninstallName;          // empty when no usable "uninstall" line was read
  std::vector<std::string> cabFiles;  // bare file names, in the order listed
};

// Removes leading and trailing space characters (only ' ', never tabs).
std::string TrimSpaces(std::string_view text);

// Applies one line (without its line end) to `ini`. A line is cut at its first zero byte,
// as the C runtime's text reading sees it. Throws SetupError for a "cabfiles" item that
// is not a plain file name next to Setup (a separator, a wildcard, "." or "..").
void ReadSetupIniLine(std::string_view line, SetupIni& ini);

// Reads the whole file's bytes: lines end at "\n"; a "\r" right before it is dropped.
SetupIni ReadSetupIni(std::string_view text);
