// pt-course: compiles a readable course source into the exact bytes of a course entry,
// decompiles an entry into a source that compiles back to the same bytes, and checks that a
// course's walls match its block pictures and keep the ball on the course.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "golf/course_entry.h"
#include "golf/course_source.h"
#include "tools/common/whole_file.h"
#include "tools/course/course_check.h"

namespace {

constexpr const char* kUsage =
    "usage: pt-course compile SOURCE -o ENTRY [--no-check] [--full-course]\n"
    "       pt-course decompile ENTRY [-o SOURCE]\n"
    "       pt-course check [--full-course] COURSE...\n"
    "\n"
    "compile    reads a course source (holes with their 10x9 grid of blocks, tee, cup,\n"
    "           walls and arcs), checks it as 'check' does and, when it passes, writes the\n"
    "           course entry's bytes to ENTRY. --no-check skips the check (for test holes\n"
    "           that are not meant to be played).\n"
    "decompile  reads a course entry and writes its source to SOURCE (default: standard\n"
    "           output); compiling that source gives the same bytes again.\n"
    "check      reports every problem of each course (a source, or a compiled entry) as\n"
    "           FILE:LINE: what (FILE:byte OFFSET: what for an entry), per hole:\n"
    "           - a diagonal or arc wall that no block picture on its cells shows, and a\n"
    "             wall a block picture shows (diagonal, arc or marked edge) that the hole\n"
    "             lacks (walls within 1.5 px of each other are the same wall);\n"
    "           - a tee or cup off the grid, on a hazard cell (empty, 53 and up), in the\n"
    "             outside part of a wall piece, or closer than 3.5 + 1 px to a wall;\n"
    "           - a way out: the ball's centre (radius 3.5, so a gap under 7 px holds it)\n"
    "             is followed every half pixel from the tee; straight walls block it within\n"
    "             3.5 px of their face or of a round (unjoined) end, arcs turn it back only\n"
    "             from inside their circle, hazard cells end it; reaching the outside part\n"
    "             of a wall piece or the grid's edge is reported with the pixel;\n"
    "           - a cup that no floor from the tee reaches; unknown block codes, unused wall\n"
    "             records, holes beyond 17 or given twice.\n"
    "           --full-course also wants every hole 0..17.\n"
    "           Exit status: 0 clean, 1 problems found, 2 a file that cannot be read.\n"
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

// Reads a course source or entry; false with the message printed when it cannot.
bool LoadCourse(const std::string& path, bool wantSource, std::vector<golf::HoleRecord>& holes,
                std::vector<golf::HoleSourceLines>& places, bool& isSource) {
  std::string data;
  if (!tools::ReadWholeFile(path, data)) {
    std::fprintf(stderr, "pt-course: cannot read %s\n", path.c_str());
    return false;
  }
  // A source is text; an entry starts with a hole index (0..17) or its closing 0xFF.
  const std::string suffix = ".course";
  isSource = wantSource ||
             (path.size() >= suffix.size() &&
              path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0) ||
             (!data.empty() && data[0] >= 0x20 && data[0] < 0x7F);
  std::string error;
  if (isSource) {
    if (!golf::ParseCourseSource(data, path, holes, error, &places)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return false;
    }
    return true;
  }
  const auto* bytes = reinterpret_cast<const uint8_t*>(data.data());
  if (!golf::ReadCourseEntry({bytes, data.size()}, holes, error)) {
    std::fprintf(stderr, "%s: damaged course entry: %s\n", path.c_str(), error.c_str());
    return false;
  }
  places = course::EntryPlaces(holes);
  return true;
}

// Prints the course's problems; true when there are none.
bool CheckAndReport(const std::string& path, bool isSource, bool fullCourse,
                    const std::vector<golf::HoleRecord>& holes,
                    const std::vector<golf::HoleSourceLines>& places, FILE* out) {
  course::CheckOptions options;
  options.fullCourse = fullCourse;
  options.placeWord = isSource ? "line" : "byte";
  options.courseWhere = isSource ? 1 : 0;
  const std::vector<course::Problem> problems = course::CheckCourse(holes, places, options);
  for (const course::Problem& p : problems) {
    std::fprintf(out, "%s:%s%d: %s\n", path.c_str(), isSource ? "" : "byte ", p.where,
                 p.what.c_str());
  }
  return problems.empty();
}

int Compile(const std::string& source, const std::string& output, bool check, bool fullCourse) {
  std::vector<golf::HoleRecord> holes;
  std::vector<golf::HoleSourceLines> places;
  bool isSource = true;
  if (!LoadCourse(source, true, holes, places, isSource)) return 1;
  if (check && !CheckAndReport(source, true, fullCourse, holes, places, stderr)) return 1;
  const std::vector<uint8_t> bytes = golf::WriteCourseEntry(holes);
  if (!tools::WriteWholeFile(output, bytes.data(), bytes.size())) {
    std::fprintf(stderr, "pt-course: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}

int Check(const std::vector<std::string>& paths, bool fullCourse) {
  int status = 0;
  for (const std::string& path : paths) {
    std::vector<golf::HoleRecord> holes;
    std::vector<golf::HoleSourceLines> places;
    bool isSource = false;
    std::fflush(stdout);
    if (!LoadCourse(path, false, holes, places, isSource)) {
      status = 2;
      continue;
    }
    if (!CheckAndReport(path, isSource, fullCourse, holes, places, stdout) && status == 0) {
      status = 1;
    }
  }
  return status;
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
  std::string output;
  std::vector<std::string> inputs;
  bool check = true, fullCourse = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size() && args[0] != "check") {
      output = args[++i];
    } else if (args[i] == "--no-check" && args[0] == "compile") {
      check = false;
    } else if (args[i] == "--full-course" && args[0] != "decompile") {
      fullCourse = true;
    } else if (!args[i].empty() && args[i][0] != '-' && (inputs.empty() || args[0] == "check")) {
      inputs.push_back(args[i]);
    } else {
      std::fprintf(stderr, "pt-course: unexpected argument '%s'\n%s", args[i].c_str(), kUsage);
      return 2;
    }
  }
  if (args[0] == "compile" && inputs.size() == 1 && !output.empty()) {
    return Compile(inputs[0], output, check, fullCourse);
  }
  if (args[0] == "decompile" && inputs.size() == 1) return Decompile(inputs[0], output);
  if (args[0] == "check" && !inputs.empty()) return Check(inputs, fullCourse);
  std::fputs(kUsage, stderr);
  return 2;
}
