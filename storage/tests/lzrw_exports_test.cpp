// A program linked with lzrw_exports exports the four entry points by name, as the game
// program must: outside callers find them in its dynamic symbol table.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "storage/lzrw/lzrw.h"

namespace {

TEST(LzrwExports, EntryPointsAreFoundByName) {
  void* self = dlopen(nullptr, RTLD_NOW);
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(dlsym(self, "LZRW1A"), reinterpret_cast<void*>(&LZRW1A));
  EXPECT_EQ(dlsym(self, "LZRW2"), reinterpret_cast<void*>(&LZRW2));
  EXPECT_EQ(dlsym(self, "LZRW3"), reinterpret_cast<void*>(&LZRW3));
  EXPECT_EQ(dlsym(self, "LZRW3A"), reinterpret_cast<void*>(&LZRW3A));
  dlclose(self);
}

TEST(LzrwExports, DynamicSymbolTableListsThem) {
  char exe[4096] = {};
  ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
  const std::string command = std::string("nm -D --defined-only '") + exe + "' 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string listing;
  char line[512];
  while (fgets(line, sizeof line, pipe)) listing += line;
  pclose(pipe);
  if (listing.empty()) GTEST_SKIP() << "nm not available";
  for (const char* name : {" T LZRW1A\n", " T LZRW2\n", " T LZRW3\n", " T LZRW3A\n"})
    EXPECT_NE(listing.find(name), std::string::npos) << name;
}

}  // namespace
