#include "command_line.h"

#include <charconv>

namespace tarvek {

const char* const kUsage =
    "usage: tarvek-parse [--mode N] [--codepage 1252|932] [--raw OUT] [FILE]\n"
    "\n"
    "Reads clipboard text from FILE (or standard input when FILE is missing or\n"
    "\"-\"), up to its first zero byte, and shows what TARVEK makes of it: whether\n"
    "it is a Klingenfuss database entry, the fields it picks out, and the request\n"
    "it would send to the receiver control program.\n"
    "\n"
    "  --mode N        tuning mode: 0 tunes only (codes 1002/1003), any other\n"
    "                  integer also creates or finds the station file entry\n"
    "                  (codes 2002/2003); default 0\n"
    "  --codepage CP   1252 (Windows Western European) or 932 (a double-byte\n"
    "                  code page with the lead bytes of Japanese Shift JIS);\n"
    "                  default 1252, on Windows the system's ANSI code page\n"
    "  --raw OUT       write exactly the record's bytes to OUT (\"-\": standard\n"
    "                  output, which then carries nothing else); bytes the\n"
    "                  record leaves open are zero\n"
    "  --help          show this text\n"
    "\n"
    "Output: \"entry: yes\" or \"entry: no\"; for an entry a line per field\n"
    "(frequency, call, station, site, country, modulation, hasCall), the request\n"
    "code and size, and a hex dump of the record.\n"
    "\n"
    "Exit status: 0 for an entry, 1 for a text that is not an entry (OUT is not\n"
    "written), 2 for a usage or I/O error.\n";

namespace {

std::optional<int> ReadInt(const std::string& text)
{
    int value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last)
        return std::nullopt;
    return value;
}

}  // namespace

CommandLine ReadCommandLine(const std::vector<std::string>& args)
{
    CommandLine result;
    ParseOptions& options = result.options;
    const auto fail = [&result](std::string message) {
        result.error = std::move(message);
        return result;
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--mode" || arg == "--codepage" || arg == "--raw";
        if (takesValue && i + 1 >= args.size())
            return fail("option " + arg + " needs a value");

        if (arg == "--help") {
            options.help = true;
        } else if (arg == "--mode") {
            const auto mode = ReadInt(args[++i]);
            if (!mode)
                return fail("--mode needs an integer, not \"" + args[i] + "\"");
            options.mode = *mode;
        } else if (arg == "--codepage") {
            const std::string& name = args[++i];
            if (name == "1252")
                options.codePage = &Windows1252();
            else if (name == "932")
                options.codePage = &DoubleByte932();
            else
                return fail("--codepage must be 1252 or 932, not \"" + name + "\"");
        } else if (arg == "--raw") {
            options.rawOutput = args[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return fail("unknown option " + arg);
        } else if (options.input) {
            return fail("only one FILE may be given");
        } else {
            options.input = arg;
        }
    }
    if (!options.codePage)
        options.codePage = &DefaultCodePage();
    return result;
}

}  // namespace tarvek
