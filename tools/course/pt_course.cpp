// pt-course: compiles a readable course source into the exact bytes of a course entry,
// and decompiles an entry into a source that compiles back to the same bytes.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "golf/course_entry.h"
#include "golf/course_source.h"
#include "tools/common/whole_file.h"

namespace {

constexpr const char* kUsage =
    "usage: pt-course compile SOURCE -o ENTRY\n"
    "       pt-course decompile ENTRY [-o SOURCE]\n"
    "\n"
    "compile    reads a course source (holes with their 10x9 grid of blocks, tee, cup,\n"
    "           walls and arcs) and writes the course entry's bytes to ENTRY.\n"
    "decompile  reads a course entry and writes its source to SOURCE (default: standard\n"
    "           output); compiling that source gives the same bytes again.\n"
    "\n"
    "Source lines ('#' starts a comment):\n"
    "  hole N                      hole index 0..17\n"
    "  grid                        then 9 rows of 10 blocks: 01..17 with /90 /180 /270,\n"
    "                              14c, 14r, -- empty, ML MR magnets, FL FR fans, #N a code\n"
    "  tee ROW:COLUMN/KEYPAD       keypad 7 8 9 / 4 5 6 / 1 2 3 picks a point of the cell\n"
    "  cup ROW:COLUMN/KEYPAD\n"
    "  wall A B [joinA] [joinB]    a straight wall between two such locations\n"
    "  arc CENTRE RADIUS START END radius in cells, angles in degrees (0 right, 90 down)\n"
    "  record HH HH HH HH HH HH HH HH   any other wall record, in hex\n"
    "  end                         ends the hole's walls\n";

int Compile(const std::string& source, const std::string& output) {
  std::string text;
  if (!tools::ReadWholeFile(source, text)) {
    std::fprintf(stderr, "pt-course: cannot read %s\n", source.c_str());
    return 1;
  }
  std::vector<golf::HoleRecord> holes;
  std::string error;
  if (!golf::ParseCourseSource(text, source, holes, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  const std::vector<uint8_t> bytes = golf::WriteCourseEntry(holes);
  if (!tools::WriteWholeFile(output, bytes.data(), bytes.size())) {
    std::fprintf(stderr, "pt-course: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}

int Decompile(const std::string& entry, const std::string& output) {
  std::string data;
  if (!tools::ReadWholeFile(entry, data)) {
    std::fprintf(stderr, "pt-course: cannot read %s\n", entry.c_str());
    return 1;
  }
  std::vector<golf::HoleRecord> holes;
  std::string error;
  const auto* bytes = reinterpret_cast<const uint8_t*>(data.data());
  if (!golf::ReadCourseEntry({bytes, data.size()}, holes, error)) {
    std::fprintf(stderr, "%s: %s\n", entry.c_str(), error.c_str());
    return 1;
  }
  const std::string text = golf::WriteCourseSource(holes);
  if (output.empty()) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
  }
  if (!tools::WriteWholeFile(output, text.data(), text.size())) {
    std::fprintf(stderr, "pt-course: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  std::string input, output;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size()) {
      output = args[++i];
    } else if (input.empty() && args[i][0] != '-') {
      input = args[i];
    } else {
      std::fprintf(stderr, "pt-course: unexpected argument '%s'\n%s", args[i].c_str(), kUsage);
      return 2;
    }
  }
  if (args[0] == "compile" && !input.empty() && !output.empty()) return Compile(input, output);
  if (args[0] == "decompile" && !input.empty()) return Decompile(input, output);
  std::fputs(kUsage, stderr);
  return 2;
}
