#include "standin_options.h"

#include <charconv>

namespace tarvek {

const char* const kStandInUsage =
    "usage: receiver-standin [--name NAME | --title TITLE] [--log FILE]\n"
    "                        [--delay MS] [--hang | --die-in-handler]\n"
    "                        [--exit-after N]\n"
    "\n"
    "Stands in for the receiver control program: opens a window whose title\n"
    "begins with NAME and shows each WM_COPYDATA request it receives, decoded.\n"
    "\n"
    "  --name NAME      the title is NAME followed by \" - receiver stand-in\";\n"
    "                   default ORMELIN\n"
    "  --title TITLE    the exact window title instead\n"
    "  --log FILE       append one line per request to FILE: the decoded fields\n"
    "                   and the whole record in hex\n"
    "  --delay MS       answer each request only after MS milliseconds\n"
    "  --hang           never answer: stop inside the first request (a hung\n"
    "                   receiver; end it from outside)\n"
    "  --die-in-handler end the process inside the first request, without\n"
    "                   answering (a receiver that crashes)\n"
    "  --exit-after N   close the window after N requests\n"
    "  --help           show this text\n";

namespace {

std::optional<unsigned> ReadCount(const std::string& text)
{
    unsigned value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc{} || end != last)
        return std::nullopt;
    return value;
}

}  // namespace

std::string StandInOptions::WindowTitle() const
{
    return title ? *title : name + " - receiver stand-in";
}

StandInCommandLine ReadStandInCommandLine(const std::vector<std::string>& args)
{
    StandInCommandLine result;
    StandInOptions& options = result.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--name" || arg == "--title" || arg == "--log" ||
                                arg == "--delay" || arg == "--exit-after";
        if (takesValue && i + 1 == args.size()) {
            result.error = arg + " needs a value";
            return result;
        }
        if (arg == "--name") {
            options.name = args[++i];
        } else if (arg == "--title") {
            options.title = args[++i];
        } else if (arg == "--log") {
            options.logFile = args[++i];
        } else if (arg == "--delay" || arg == "--exit-after") {
            const std::optional<unsigned> count = ReadCount(args[++i]);
            if (!count) {
                result.error = arg + " needs a non-negative whole number, not \"" + args[i] + "\"";
                return result;
            }
            (arg == "--delay" ? options.delayMs : options.exitAfter) = *count;
        } else if (arg == "--hang") {
            options.hang = true;
        } else if (arg == "--die-in-handler") {
            options.dieInHandler = true;
        } else if (arg == "--help") {
            options.help = true;
        } else {
            result.error = "unknown argument \"" + arg + "\"";
            return result;
        }
    }
    return result;
}

}  // namespace tarvek
