// tarvek-soak: drives one TARVEK through thousands of clipboard changes under
// Wine with the receiver stand-in answering, and checks that every expected
// request arrived exactly once, in order, byte for byte. Samples TARVEK's
// handle count and memory after the first hundred changes and at the end.
//   tarvek-soak [CHANGES]      (default 10000)
// Exit status: 0 all well, 1 a request lost, extra, out of order or wrong,
// or the handles or memory grew beyond the margin, 2 the set-up failed.

#define PSAPI_VERSION 2
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "clipboard_chain.h"
#include "entry_parser.h"
#include "expected_request.h"
#include "harness.h"
#include "receiver_standin.h"
#include "request_description.h"
#include "soak_texts.h"
#include "system_code_page.h"
#include "tuning_request.h"

namespace {

using namespace tarvek;
using namespace tarvek::e2e;

constexpr int kTuneOnly = 1001;
constexpr int kTuneAndStation = 1002;
constexpr int kNameBox = 1003;
constexpr std::uint32_t kEarlySample = 100;
constexpr std::uint32_t kModeEvery = 97;
constexpr std::uint32_t kNameEvery = 250;
constexpr DWORD kChangeTimeoutMs = 15000;

// Handle and memory growth over the run that still counts as steady.
constexpr long long kHandleMargin = 4;
constexpr long long kMemoryMarginBytes = 1 << 20;

// Names the program is given in turn through its name box; the stand-in's
// title begins with each of them.
const char* const kNames[] = {"SOAKRX", "SOAKR", "SOAKRX -", "SOAK"};
constexpr char kTitle[] = "SOAKRX - soak receiver";

struct Sample {
    DWORD handles = 0;
    SIZE_T privateBytes = 0;  // committed memory of the process's own
    SIZE_T workingSet = 0;
    SIZE_T peakWorkingSet = 0;
};

// Wine answers GetProcessHandleCount and the private bytes of
// GetProcessMemoryInfo only for the calling process; the system's process
// list carries both for every process, on Windows as well.
bool SampleFromProcessList(DWORD pid, Sample& sample)
{
    using Query = NTSTATUS(NTAPI*)(SYSTEM_INFORMATION_CLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) {
        return false;
    }
    std::vector<unsigned char> buffer(1 << 20);
    ULONG needed = 0;
    while (query(SystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) != 0) {
        if (buffer.size() >= (std::size_t{64} << 20)) {
            return false;
        }
        buffer.resize(buffer.size() * 2);
    }
    for (std::size_t offset = 0;;) {
        const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(buffer.data() + offset);
        if (reinterpret_cast<std::uintptr_t>(entry->UniqueProcessId) == pid) {
            sample.handles = entry->HandleCount;
            sample.privateBytes = entry->PrivatePageCount;
            return true;
        }
        if (entry->NextEntryOffset == 0) {
            return false;
        }
        offset += entry->NextEntryOffset;
    }
}

Sample SampleOf(DWORD pid)
{
    Sample sample;
    SampleFromProcessList(pid, sample);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) {
        return sample;
    }
    DWORD handles = 0;
    if (GetProcessHandleCount(process, &handles) && handles) {
        sample.handles = handles;
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        // Wine leaves PrivateUsage empty for other processes; its page file
        // usage is the process's anonymous (private) memory.
        sample.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
        sample.workingSet = memory.WorkingSetSize;
        sample.peakWorkingSet = memory.PeakWorkingSetSize;
    }
    CloseHandle(process);
    return sample;
}

void Print(const char* when, const Sample& s)
{
    std::printf("%-22s handles %lu, private bytes %zu KiB, working set %zu KiB (peak %zu KiB)\n", when,
                static_cast<unsigned long>(s.handles), std::size_t{s.privateBytes} / 1024,
                std::size_t{s.workingSet} / 1024, std::size_t{s.peakWorkingSet} / 1024);
}

bool ChooseMode(HWND dialog, int mode)
{
    const HWND button = GetDlgItem(dialog, mode ? kTuneAndStation : kTuneOnly);
    ClickControl(button);
    return WaitUntil([&] { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; });
}

int Fail(const char* what)
{
    std::fprintf(stderr, "tarvek-soak: %s\n", what);
    return 2;
}

int Soak(std::uint32_t changes)
{
    ProgramCopy copy(TestProgramDirectory() + "\\TARVEK.EXE", "TVSOAK");
    const std::string ini = std::string("[QERN]\r\nTuningMode=0\r\nApplicationName=") + kNames[0] + "\r\n";
    if (!WriteFileBytes(copy.IniPath(), ini)) {
        return Fail("cannot write the settings file");
    }
    ChainViewer viewer;  // joins first, so TARVEK passes every change to it
    ReceiverStandIn receiver(kTitle);
    if (!receiver.Window()) {
        return Fail("the receiver stand-in did not start");
    }
    Process tarvek(copy.Path());
    const HWND dialog = WaitForDialog(tarvek.Id(), "TARVEK", 20000);
    if (!dialog) {
        return 3;  // Wine had no desktop yet; the next start finds it
    }
    ClipboardWriter writer;

    std::vector<std::string> expected;
    int mode = 0;
    std::uint32_t entries = 0;
    Sample early;
    const DWORD start = GetTickCount();
    for (std::uint32_t i = 0; i < changes; ++i) {
        if (i > 0 && i % kModeEvery == 0) {
            mode = 1 - mode;
            if (!ChooseMode(dialog, mode)) {
                return Fail("a mode button did not take the click");
            }
        }
        if (i > 0 && i % kNameEvery == 0) {
            const char* name = kNames[(i / kNameEvery) % std::size(kNames)];
            SendMessageA(GetDlgItem(dialog, kNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
        }
        const std::string text = soak::SoakText(i);
        if (!writer.PutText(text)) {
            return Fail("could not put a text on the clipboard");
        }
        if (!viewer.WaitForNotifications(static_cast<int>(i) + 1, kChangeTimeoutMs)) {
            std::fprintf(stderr, "tarvek-soak: change %u was not passed on\n", i);
            return 1;
        }
        if (ParseEntry(text, SystemCodePage()).isEntry) {
            expected.push_back(ExpectedStandInLine(text, mode, dialog));
            ++entries;
        }
        if (i + 1 == kEarlySample) {
            early = SampleOf(tarvek.Id());
        }
        if ((i + 1) % 1000 == 0) {
            std::printf("%u changes\n", i + 1);
            std::fflush(stdout);
        }
    }
    const DWORD elapsedMs = GetTickCount() - start;
    const Sample late = SampleOf(tarvek.Id());

    PressButton(dialog, IDOK);
    const bool ended = tarvek.WaitForExit(10000);
    const std::vector<std::string> received = receiver.Log();

    std::size_t matching = 0;
    while (matching < expected.size() && matching < received.size() && expected[matching] == received[matching]) {
        ++matching;
    }
    const bool requestsRight = matching == expected.size() && received.size() == expected.size();

    std::printf("changes %u (%u entries, %u other texts) in %.1f s, %.1f changes/s\n", changes, entries,
                changes - entries, elapsedMs / 1000.0, elapsedMs ? changes * 1000.0 / elapsedMs : 0.0);
    std::printf("requests expected %zu, received %zu, equal in order byte for byte: %zu%s\n", expected.size(),
                received.size(), matching, requestsRight ? " (all)" : "");
    if (!requestsRight && matching < received.size()) {
        std::printf("first difference at request %zu:\n  received %s\n  expected %s\n", matching,
                    received[matching].c_str(),
                    matching < expected.size() ? expected[matching].c_str() : "(none)");
    }
    Print("after 100 changes:", early);
    Print("at the end:", late);
    const long long handleDrift = static_cast<long long>(late.handles) - static_cast<long long>(early.handles);
    const long long memoryDrift =
        static_cast<long long>(late.privateBytes) - static_cast<long long>(early.privateBytes);
    std::printf("drift: handles %+lld (margin %lld), private bytes %+lld KiB (margin %lld KiB)\n", handleDrift,
                kHandleMargin, memoryDrift / 1024, kMemoryMarginBytes / 1024);
    std::printf("TARVEK ended when asked: %s\n", ended ? "yes" : "no");

    const bool steady = handleDrift <= kHandleMargin && memoryDrift <= kMemoryMarginBytes;
    return requestsRight && steady && ended ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const long changes = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    if (changes < static_cast<long>(kEarlySample)) {
        std::fprintf(stderr, "usage: tarvek-soak [CHANGES]   (at least %u)\n", kEarlySample);
        return 2;
    }
    return Soak(static_cast<std::uint32_t>(changes));
}
