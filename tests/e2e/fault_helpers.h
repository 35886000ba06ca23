#pragma once

// What the fault tests need beyond the shared harness: reading whole texts
// of another process's controls, how a process ended, what the system itself
// reads from a settings file, and the state of the main dialog.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "tarvek_fixture.h"

namespace tarvek::e2e {

inline constexpr int kTuneOnlyId = 1001;
inline constexpr int kTuneAndStationId = 1002;
inline constexpr int kProgramNameId = 1003;
inline constexpr int kAboutCommand = 16;

// Like TarvekTest::Start, with settings bytes that may hold zero bytes.
TarvekRun StartWithSettings(const std::string& baseName, std::string_view ini);

// The whole text of a window of another process, however long.
std::string FullWindowText(HWND window);

// The exit code of a process that has ended; none while it runs or when it
// cannot be asked.
std::optional<DWORD> ExitCodeOf(DWORD pid);

// The values as the system's own private-profile functions read them from
// the file at `path`, through the same 4096-byte buffer the program uses.
struct ProfileValues {
    UINT tuningMode = 0;
    std::string programName;
    std::string windowPos;
};
ProfileValues ReadProfile(const std::string& path);

// The mode the main dialog shows: 0 or 1, or -1 when neither button is checked.
int ShownMode(HWND dialog);

// Sets the name box as typing does: the dialog hears of the change.
void SetProgramName(HWND dialog, const std::string& name);

// Clicks a mode button and waits until it shows checked.
bool ChooseMode(HWND dialog, int mode);

}  // namespace tarvek::e2e
