// Starting another program from the benchmarks, with its output sent to /dev/null so that it
// neither mixes with their report nor costs time on a terminal.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <string>
#include <vector>

extern char** environ;

namespace program::bench {

enum class Silenced { kOutput, kOutputAndErrors };

// Starts args[0] with the arguments; returns its process id, -1 when it could not start.
inline pid_t Spawn(const std::vector<std::string>& args, Silenced silenced) {
  std::vector<char*> argv;
  argv.reserve(args.size() + 1);
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  if (silenced == Silenced::kOutputAndErrors)
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return spawned == 0 ? child : -1;
}

}  // namespace program::bench
