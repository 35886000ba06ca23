#include "fault_helpers.h"

#include <algorithm>
#include <vector>

#include "harness.h"

namespace tarvek::e2e {
namespace {

constexpr DWORD kProfileBuffer = 4096;

std::string ProfileString(const std::string& path, const char* key, const char* defaultValue)
{
    std::vector<char> buffer(kProfileBuffer);
    const DWORD length =
        GetPrivateProfileStringA("QERN", key, defaultValue, buffer.data(), kProfileBuffer, path.c_str());
    return std::string(buffer.data(), length);
}

}  // namespace

TarvekRun StartWithSettings(const std::string& baseName, std::string_view ini)
{
    TarvekRun run;
    run.copy = std::make_unique<ProgramCopy>(TestProgramDirectory() + "\\TARVEK.EXE", baseName);
    EXPECT_TRUE(WriteFileBytes(run.copy->IniPath(), ini));
    run.process = std::make_unique<Process>(run.copy->Path());
    EXPECT_TRUE(run.process->Started()) << run.copy->Path();
    run.dialog = WaitForDialog(run.Pid(), "TARVEK");
    EXPECT_NE(run.dialog, nullptr) << "no main dialog from " << baseName;
    return run;
}

std::string FullWindowText(HWND window)
{
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kDefaultWaitMs, &length)) {
        return {};
    }
    std::vector<char> text(length + 1);
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kDefaultWaitMs, &copied)) {
        return {};
    }
    return std::string(text.data(), std::min<std::size_t>(copied, length));
}

std::optional<DWORD> ExitCodeOf(DWORD pid)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) {
        return std::nullopt;
    }
    DWORD code = 0;
    const BOOL asked = GetExitCodeProcess(process, &code);
    CloseHandle(process);
    if (!asked || code == STILL_ACTIVE) {
        return std::nullopt;
    }
    return code;
}

ProfileValues ReadProfile(const std::string& path)
{
    return {GetPrivateProfileIntA("QERN", "TuningMode", 0, path.c_str()),
            ProfileString(path, "ApplicationName", "ORMELIN"), ProfileString(path, "WindowPos", "")};
}

int ShownMode(HWND dialog)
{
    if (SendMessageA(GetDlgItem(dialog, kTuneOnlyId), BM_GETCHECK, 0, 0) == BST_CHECKED) {
        return 0;
    }
    if (SendMessageA(GetDlgItem(dialog, kTuneAndStationId), BM_GETCHECK, 0, 0) == BST_CHECKED) {
        return 1;
    }
    return -1;
}

void SetProgramName(HWND dialog, const std::string& name)
{
    SendMessageA(GetDlgItem(dialog, kProgramNameId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

bool ChooseMode(HWND dialog, int mode)
{
    ClickControl(GetDlgItem(dialog, mode ? kTuneAndStationId : kTuneOnlyId));
    return WaitUntil([&] { return ShownMode(dialog) == mode; });
}

}  // namespace tarvek::e2e
