#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "harness.h"

namespace tarvek::bench {

// A program the benchmark starts and times: TARVEK or one of its yardsticks.
struct ProgramUnderTest {
    std::string label;
    std::string path;
    std::string arguments;
    // The window that shows it is up: a dialog (class "#32770") or, when
    // false, any visible top-level window of the process.
    bool showsDialog = true;
    // How the program is asked to end: the dialog's OK command (TARVEK's
    // Enter, which ends it without the quit question), or WM_CLOSE.
    bool endsOnOk = true;
};

// One started copy of a program, with the times it took to get ready.
struct StartedProgram {
    std::unique_ptr<e2e::Process> process;
    HWND window = nullptr;
    // From CreateProcess until its window was found visible, and until that
    // window was the first clipboard viewer; empty when that did not happen
    // in time.
    std::optional<double> visibleMs;
    std::optional<double> joinedMs;
};

// Starts `program` and polls every millisecond until its window is visible
// and, when `waitForChain`, has joined the clipboard viewer chain, or until
// `timeoutMs` has passed.
StartedProgram Start(const ProgramUnderTest& program, bool waitForChain, DWORD timeoutMs);

// Asks the program to end as a user would, and ends it by force if it has
// not done so in time.
void End(const ProgramUnderTest& program, StartedProgram& started);

}  // namespace tarvek::bench
