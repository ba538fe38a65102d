// What the handheld's installation would have done before the game first starts, done by the
// start-up on this machine: the game's files in the device and its registry key with their paths.
#pragma once

#include <filesystem>
#include <string>

namespace program {

// Where the data archive and the help page were built or installed: beside the program in the
// build tree, or <prefix>/share/puttland for an installed program; PUTTLAND_DATA names the
// folder instead. Empty when no such folder holds the archive.
std::filesystem::path FindGameData(const std::filesystem::path& programFolder);

// Links the archive and the help page into "\Program Files\Puttland" of the device (a link left
// by an earlier start is pointed at `data` again; a real file there is the device's own and
// stays), then, only when the key "Software\Ombrelune\Puttland" is missing, creates it with
// "Resource File" and "Help File" naming those device paths. An existing key, and the
// player's settings below it, are never touched. False, with a reason, when a step failed.
bool PrepareDevice(const std::filesystem::path& data, std::string& error);

// Checks that the archive the registry names can be opened; when it cannot, the reason and
// the host path tried, for stderr (the game's own message box says only that it failed).
std::string DescribeArchiveProblem();

}  // namespace program
