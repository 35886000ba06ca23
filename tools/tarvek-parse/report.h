#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "entry_parser.h"
#include "tuning_request.h"

namespace tarvek {

// The text tarvek-parse prints for an entry: fields, code, size, hex dump.
std::string FormatEntryReport(const EntryFields& fields, const TuningRequest& request);

// Sixteen bytes a line: offset, hex bytes, printable characters.
std::string HexDump(const std::uint8_t* bytes, std::size_t size);

}  // namespace tarvek
