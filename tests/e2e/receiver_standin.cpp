#include "receiver_standin.h"

#include <sstream>

namespace tarvek::e2e {

ReceiverStandIn::ReceiverStandIn(const std::string& title, const std::string& extraArguments)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    logPath_ = std::string(temp) + UniqueName("standin") + ".log";
    DeleteFileA(logPath_.c_str());

    std::string arguments = "--title \"" + title + "\" --log \"" + logPath_ + "\"";
    if (!extraArguments.empty()) {
        arguments += " " + extraArguments;
    }
    process_ = std::make_unique<Process>(TestProgramDirectory() + "\\receiver-standin.exe", arguments);
    if (process_->Started()) {
        WaitUntil([&] { return (window_ = FindWindowA("TarvekReceiverStandIn", title.c_str())) != nullptr; });
    }
}

ReceiverStandIn::~ReceiverStandIn()
{
    process_->Terminate();
    DeleteFileA(logPath_.c_str());
}

std::vector<std::string> ReceiverStandIn::Log() const
{
    std::vector<std::string> lines;
    std::istringstream in(ReadFileBytes(logPath_).value_or(""));
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string UniqueName(const std::string& stem)
{
    static unsigned counter = 0;
    // The closing letter keeps one name from being the prefix of another
    // (the first from being the beginning of the tenth).
    return stem + std::to_string(GetCurrentProcessId()) + "n" + std::to_string(++counter) + "z";
}

}  // namespace tarvek::e2e
