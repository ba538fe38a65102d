// pt-lzrw bench: compression ratio and speed of the four LZRW algorithms and LZ4 on the same
// data, medians of several runs.
#pragma once

#include <cstdint>
#include <vector>

// Prints one line per codec: "NAME ratio R compress C MB/s decompress D MB/s".
// Returns false if any codec failed to reproduce its input.
bool RunBench(const std::vector<std::vector<uint8_t>>& inputs, int runs);
