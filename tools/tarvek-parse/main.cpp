// tarvek-parse: shows what TARVEK makes of a piece of clipboard text.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "command_line.h"
#include "entry_parser.h"
#include "report.h"
#include "tuning_request.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kEntry = 0;
constexpr int kNotEntry = 1;
constexpr int kError = 2;

int Fail(const std::string& message)
{
    std::fprintf(stderr, "tarvek-parse: %s\n", message.c_str());
    return kError;
}

bool ReadAll(std::FILE* file, std::string& text)
{
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    return !std::ferror(file);
}

bool IsStandardStream(const std::optional<std::string>& path) { return !path || *path == "-"; }

}  // namespace

int main(int argc, char** argv)
{
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const tarvek::CommandLine commandLine =
        tarvek::ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!commandLine.error.empty())
        return Fail(commandLine.error + " (see --help)");
    const tarvek::ParseOptions& options = commandLine.options;
    if (options.help) {
        std::fputs(tarvek::kUsage, stdout);
        return kEntry;
    }

    std::string text;
    if (IsStandardStream(options.input)) {
        if (!ReadAll(stdin, text))
            return Fail("cannot read standard input");
    } else {
        std::FILE* file = std::fopen(options.input->c_str(), "rb");
        if (!file)
            return Fail("cannot open " + *options.input + ": " + std::strerror(errno));
        const bool read = ReadAll(file, text);
        std::fclose(file);
        if (!read)
            return Fail("cannot read " + *options.input);
    }

    const tarvek::ParsedEntry parsed = tarvek::ParseEntry(text, *options.codePage);
    const bool rawToStdout = options.rawOutput && *options.rawOutput == "-";
    if (!parsed.isEntry) {
        if (!rawToStdout)
            std::fputs("entry: no\n", stdout);
        return kNotEntry;
    }

    const tarvek::TuningRequest request = tarvek::BuildTuningRequest(parsed.fields, options.mode);
    if (options.rawOutput) {
        std::FILE* out = rawToStdout ? stdout : std::fopen(options.rawOutput->c_str(), "wb");
        if (!out)
            return Fail("cannot open " + *options.rawOutput + ": " + std::strerror(errno));
        const bool written = std::fwrite(request.bytes.data(), 1, request.size, out) == request.size;
        const bool closed = rawToStdout ? std::fflush(out) == 0 : std::fclose(out) == 0;
        if (!written || !closed)
            return Fail("cannot write " + *options.rawOutput);
        if (rawToStdout)
            return kEntry;
    }
    std::fputs(tarvek::FormatEntryReport(parsed.fields, request).c_str(), stdout);
    return std::fflush(stdout) == 0 ? kEntry : Fail("cannot write standard output");
}
