#include "report.h"

#include <cstdio>

namespace tarvek {

std::string FormatEntryReport(const EntryFields& fields, const TuningRequest& request)
{
    std::string out = "entry: yes\n";
    const auto line = [&out](const char* name, const std::string& value) {
        out += name;
        out += ": ";
        out += value;
        out += '\n';
    };
    line("frequency", std::to_string(fields.frequency));
    line("call", fields.call);
    line("station", fields.station);
    line("site", fields.site);
    line("country", fields.country);
    line("modulation", fields.modulation);
    line("hasCall", fields.hasCall ? "yes" : "no");
    line("code", std::to_string(request.code));
    line("size", std::to_string(request.size));
    out += HexDump(request.bytes.data(), request.size);
    return out;
}

std::string HexDump(const std::uint8_t* bytes, std::size_t size)
{
    std::string out;
    char cell[24];
    for (std::size_t row = 0; row < size; row += 16) {
        std::snprintf(cell, sizeof cell, "%04zx ", row);
        out += cell;
        std::string printable;
        for (std::size_t i = row; i < row + 16; ++i) {
            if (i < size) {
                std::snprintf(cell, sizeof cell, " %02x", bytes[i]);
                out += cell;
                printable += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
            } else {
                out += "   ";
            }
        }
        out += "  |" + printable + "|\n";
    }
    return out;
}

}  // namespace tarvek
