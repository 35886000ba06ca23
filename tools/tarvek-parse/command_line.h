#pragma once

#include <optional>
#include <string>
#include <vector>

#include "code_page.h"
#include "tuning_request.h"

namespace tarvek {

struct ParseOptions {
    TuningMode mode = TuneOnly;
    const CodePage* codePage = nullptr;  // null: the platform's default
    std::optional<std::string> rawOutput;  // "-" is standard output
    std::optional<std::string> input;      // none or "-": standard input
    bool help = false;
};

struct CommandLine {
    ParseOptions options;
    std::string error;  // empty when the arguments were understood
};

CommandLine ReadCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

// Windows-1252 natively; the system's ANSI code page on Windows.
const CodePage& DefaultCodePage();

}  // namespace tarvek
