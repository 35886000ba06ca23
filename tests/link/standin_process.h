#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tarvek::testing {

// A receiver stand-in started as a child process with the given arguments
// and an exact window title; it is ended when the object goes.
class StandInProcess {
public:
    StandInProcess(const std::string& title, const std::vector<std::string>& arguments);
    ~StandInProcess();
    StandInProcess(const StandInProcess&) = delete;
    StandInProcess& operator=(const StandInProcess&) = delete;

    // Null when the program did not start or its window did not appear.
    HWND Window() const { return window_; }
    // Whether the program has ended by itself within `milliseconds`.
    bool Ended(DWORD milliseconds) const;

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// A log file of its own for one stand-in, removed when the object goes.
class TemporaryLog {
public:
    TemporaryLog();
    ~TemporaryLog();
    TemporaryLog(const TemporaryLog&) = delete;
    TemporaryLog& operator=(const TemporaryLog&) = delete;

    const std::string& Path() const { return path_; }
    std::vector<std::string> Lines() const;

private:
    std::string path_;
};

// The value of `key` in a stand-in log line ("key=value", up to the next
// space); empty when the line has no such key.
std::string LogField(const std::string& line, const std::string& key);

// A name no other window on the desktop carries.
std::string UniqueName(const char* purpose);

}  // namespace tarvek::testing
