#include "standin_process.h"

#include <fstream>

namespace tarvek::testing {

namespace {

constexpr DWORD kStartTimeoutMs = 15000;

// The stand-in is built into the same directory as the tests.
std::string StandInPath()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    directory.erase(directory.find_last_of("\\/") + 1);
    return directory + "receiver-standin.exe";
}

std::string Quoted(const std::string& argument) { return '"' + argument + '"'; }

}  // namespace

StandInProcess::StandInProcess(const std::string& title, const std::vector<std::string>& arguments)
{
    std::string commandLine = Quoted(StandInPath()) + " --title " + Quoted(title);
    for (const std::string& argument : arguments)
        commandLine += ' ' + Quoted(argument);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        return;

    const ULONGLONG deadline = GetTickCount64() + kStartTimeoutMs;
    while (!window_ && GetTickCount64() < deadline && !Ended(0)) {
        window_ = FindWindowA("TarvekReceiverStandIn", title.c_str());
        if (!window_)
            Sleep(20);
    }
}

StandInProcess::~StandInProcess()
{
    if (!process_.hProcess)
        return;
    if (!Ended(0)) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool StandInProcess::Ended(DWORD milliseconds) const
{
    return process_.hProcess && WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

TemporaryLog::TemporaryLog()
{
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    path_ = std::string(directory) + UniqueName("log") + ".log";
    DeleteFileA(path_.c_str());
}

TemporaryLog::~TemporaryLog() { DeleteFileA(path_.c_str()); }

std::vector<std::string> TemporaryLog::Lines() const
{
    std::vector<std::string> lines;
    std::ifstream in(path_, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string LogField(const std::string& line, const std::string& key)
{
    const std::string marker = key + '=';
    std::size_t at = line.rfind(marker, 0) == 0 ? 0 : line.find(' ' + marker);
    if (at == std::string::npos)
        return {};
    at += line[at] == ' ' ? marker.size() + 1 : marker.size();
    return line.substr(at, line.find(' ', at) - at);
}

std::string UniqueName(const char* purpose)
{
    static unsigned counter = 0;
    return "TarvekLinkTest-" + std::string(purpose) + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(++counter);
}

}  // namespace tarvek::testing
