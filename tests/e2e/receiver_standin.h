#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "harness.h"

namespace tarvek::e2e {

// The receiver stand-in (beside this test program) under an exact window
// title, logging to a file of its own; ended and its log removed when the
// object goes.
class ReceiverStandIn {
public:
    explicit ReceiverStandIn(const std::string& title, const std::string& extraArguments = "");
    ~ReceiverStandIn();
    ReceiverStandIn(const ReceiverStandIn&) = delete;
    ReceiverStandIn& operator=(const ReceiverStandIn&) = delete;

    // Null when the program did not start or its window did not appear.
    HWND Window() const { return window_; }
    Process& Program() { return *process_; }

    // The lines logged so far, one a request.
    std::vector<std::string> Log() const;

private:
    std::string logPath_;
    std::unique_ptr<Process> process_;
    HWND window_ = nullptr;
};

// A text no other window title on the desktop begins with, for names of
// receivers and of program copies in one test run.
std::string UniqueName(const std::string& stem);

}  // namespace tarvek::e2e
