#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvek {

struct StandInOptions {
    std::string name = "ORMELIN";  // the window title begins with it
    std::optional<std::string> title;  // the exact title, overriding the name
    std::optional<std::string> logFile;
    unsigned delayMs = 0;  // wait this long before answering each request
    bool hang = false;     // never answer: stay inside the first request
    bool dieInHandler = false;  // end the process inside the first request
    unsigned exitAfter = 0;  // close after this many requests; 0: never
    bool help = false;

    // The given title, or the name followed by " - receiver stand-in".
    std::string WindowTitle() const;
};

struct StandInCommandLine {
    StandInOptions options;
    std::string error;  // empty when the arguments were understood
};

// Reads the arguments after the program name.
StandInCommandLine ReadStandInCommandLine(const std::vector<std::string>& args);

extern const char* const kStandInUsage;

}  // namespace tarvek
