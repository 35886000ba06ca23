#pragma once

#include <string>
#include <string_view>

#include "window_placement.h"

namespace tarvek {

// The stored tuning mode: any nonzero value selects the second mode.
int NormaliseTuningMode(int stored);

// The "WindowPos" value: the ten numbers of the placement after `length`,
// "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", or empty when the placement is not valid.
std::string FormatWindowPos(const WindowPlacement& placement);

// Reads a "WindowPos" value the way formatted input reads that format: blanks
// before each number are skipped, the commas must follow the numbers directly,
// anything after the tenth number is ignored. The first two numbers are
// unsigned 32-bit (a leading minus wraps, so -1 reads as 4294967295), the
// others signed 32-bit; a number outside its range fails the scan. The result
// is valid only when all ten numbers were read; otherwise it is the empty,
// invalid placement.
WindowPlacement ScanWindowPos(std::string_view text);

}  // namespace tarvek
