// Settings files in every state a user's disk can leave them in, and runs
// that end in unusual ways: the program starts, shows what the system reads,
// ends normally and leaves a file the system reads back as what was shown.
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "fault_helpers.h"
#include "tarvek_fixture.h"

namespace tarvek::e2e {
namespace {

enum class Opening { Centred, AtCorner, InsideWorkArea };

struct IniFault {
    const char* name;
    std::string stored;
    int mode;                 // what the dialog shows
    std::string programName;  // what the name box shows
    Opening opening;
    POINT corner;             // for Opening::AtCorner
    std::string savedPos;     // "WindowPos" as the system reads it after the run
};

// Failures name the case rather than dumping its bytes.
void PrintTo(const IniFault& c, std::ostream* out)
{
    *out << c.name;
}

std::string Repeat(const std::string& pattern, std::size_t length)
{
    std::string text;
    while (text.size() < length) {
        text += pattern;
    }
    text.resize(length);
    return text;
}

const std::string kLongName = Repeat("abcdefghijklmnopqrstuvwxyz0123456789", 5000);
const std::string kTen = "0,1,-1,-1,-1,-1,100,80,400,300";

IniFault Row(const char* name, std::string stored, int mode, std::string programName, Opening opening,
             std::string savedPos, POINT corner = {})
{
    return {name, std::move(stored), mode, std::move(programName), opening, corner, std::move(savedPos)};
}

std::string Section(const std::string& mode, const std::string& name, const std::string& pos)
{
    return "[QERN]\r\nTuningMode=" + mode + "\r\nApplicationName=" + name + "\r\nWindowPos=" + pos + "\r\n";
}

std::vector<IniFault> IniFaultCases()
{
    using O = Opening;
    return {
        Row("GARBAGE", Section("\x01\xfe junk", "\x01\x7f\xa4\xff\x1b[2J~", "\xff,;,--,1e9"), 0,
            "\x01\x7f\xa4\xff\x1b[2J~", O::Centred, ""),
        Row("BINARY", std::string("\0\x01\x02\xff\xfe\x80[QERN\0]\r\n=\r\nTuningMode\0=1\r\n\x9d\x81", 32), 0,
            "ORMELIN", O::Centred, ""),
        Row("UTF16BOM", "\xff\xfe[QERN]\r\nTuningMode=1\r\nApplicationName=RX\r\n", 0, "ORMELIN", O::Centred,
            ""),
        Row("MODE2P32", Section("4294967296", "RX", "4294967296,1,-1,-1,-1,-1,100,80,400,300"), 0, "RX",
            O::Centred, ""),
        Row("MODE2P32P1", Section("4294967297", "RX", "0,1,-1,-1,-1,-1,2147483648,80,400,300"), 1, "RX",
            O::Centred, ""),
        Row("MODEHUGE", Section("99999999999999999999999", "RX", "0,1,-1,-1,-1,-1,100,80,400,99999999999"), 1,
            "RX", O::Centred, ""),
        Row("LONGNAME", Section("0", kLongName, ""), 0, kLongName.substr(0, 4095), O::Centred, ""),
        Row("NINE", Section("0", "RX", "0,1,-1,-1,-1,-1,100,80,400"), 0, "RX", O::Centred, ""),
        Row("ELEVEN", Section("0", "RX", kTen + ",11"), 0, "RX", O::AtCorner, kTen, {100, 80}),
        Row("NEGATIVE", Section("0", "RX", "0,1,-1,-1,-1,-1,-500,-400,-200,-100"), 0, "RX", O::InsideWorkArea,
            "0,1,-1,-1,-1,-1,-500,-400,-200,-100"),
        Row("ENORMOUS",
            Section("0", "RX", "4294967295,4294967295,2147483647,-2147483648,0,0,2147483647,2147483647,-1,-1"), 0,
            "RX", O::InsideWorkArea,
            "4294967295,4294967295,2147483647,-2147483648,0,0,2147483647,2147483647,-1,-1"),
        Row("DUPSECT", "[QERN]\r\nTuningMode=1\r\n[QERN]\r\nApplicationName=SECOND\r\nWindowPos=" + kTen + "\r\n",
            1, "ORMELIN", O::Centred, ""),
        Row("DUPKEY",
            "[QERN]\r\nApplicationName=FIRST\r\nTuningMode=0\r\nApplicationName=SECOND\r\nTuningMode=1\r\n"
            "WindowPos=\r\nWindowPos=" + kTen + "\r\n",
            0, "FIRST", O::Centred, ""),
        Row("LOWERCASE", "[qern]\r\ntuningmode=1\r\napplicationname=lower\r\nwindowpos=" + kTen + "\r\n", 1, "lower",
            O::AtCorner, kTen, {100, 80}),
    };
}

std::string ScratchPath(const std::string& fileName)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + fileName;
}

// What the system's profile functions read from these bytes, asked on a
// scratch file of the test's own.
ProfileValues SystemReading(const std::string& name, const std::string& bytes)
{
    const std::string path = ScratchPath(name + "-READ.INI");
    EXPECT_TRUE(WriteFileBytes(path, bytes));
    ProfileValues values = ReadProfile(path);
    DeleteFileA(path.c_str());
    return values;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

void ExpectOpening(HWND dialog, const IniFault& c, const RECT& area)
{
    const RECT window = WindowRect(dialog);
    switch (c.opening) {
    case Opening::Centred:
        EXPECT_EQ(window.left, (area.left + area.right) / 2 - (window.right - window.left) / 2);
        EXPECT_EQ(window.top, (area.top + area.bottom) / 2 - (window.bottom - window.top) / 2);
        break;
    case Opening::AtCorner:
        EXPECT_EQ(window.left, c.corner.x);
        EXPECT_EQ(window.top, c.corner.y);
        break;
    case Opening::InsideWorkArea:
        EXPECT_TRUE(Inside(window, area)) << window.left << "," << window.top << "," << window.right << ","
                                          << window.bottom;
        break;
    }
}

class IniFaults : public TarvekTest, public testing::WithParamInterface<IniFault> {};

TEST_P(IniFaults, ShowsWhatTheSystemReadsEndsNormallyAndSavesSanely)
{
    const IniFault& c = GetParam();
    const ProfileValues system = SystemReading(c.name, c.stored);
    EXPECT_EQ(system.tuningMode != 0, c.mode == 1) << "the system reads the mode as " << system.tuningMode;
    EXPECT_EQ(system.programName, c.programName) << "the system reads the name differently";

    TarvekRun run = StartWithSettings(std::string("TVF") + c.name, c.stored);
    ASSERT_NE(run.dialog, nullptr);
    EXPECT_EQ(ShownMode(run.dialog), c.mode);
    EXPECT_EQ(FullWindowText(GetDlgItem(run.dialog, kProgramNameId)), c.programName);
    ExpectOpening(run.dialog, c, WorkArea());

    PressEnter(run);
    ASSERT_TRUE(run.process->WaitForExit());
    EXPECT_EQ(ExitCodeOf(run.Pid()), 0u);
    const ProfileValues saved = ReadProfile(run.copy->IniPath());
    EXPECT_EQ(saved.tuningMode, static_cast<UINT>(c.mode));
    EXPECT_EQ(saved.programName, c.programName);
    EXPECT_EQ(saved.windowPos, c.savedPos);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniFaults, testing::ValuesIn(IniFaultCases()),
                         [](const testing::TestParamInfo<IniFault>& info) { return std::string(info.param.name); });

// Settings files the program may read but not write, or not even read.
struct BlockedFile {
    const char* name;
    std::string stored;     // written before the start, when the file is a file
    void (*block)(const std::string& path);
    void (*unblock)(const std::string& path);
    int mode;
    const char* programName;
};

void PrintTo(const BlockedFile& c, std::ostream* out)
{
    *out << c.name;
}

void MakeReadOnly(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
}
void MakeWritable(const std::string& path)
{
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}
void MakeDirectory(const std::string& path)
{
    DeleteFileA(path.c_str());
    CreateDirectoryA(path.c_str(), nullptr);
}
void RemoveTheDirectory(const std::string& path)
{
    RemoveDirectoryA(path.c_str());
}

// Gives the file back its usual state however the test ends, so that the
// copy can remove it.
struct Unblock {
    const BlockedFile& file;
    std::string path;
    ~Unblock() { file.unblock(path); }
};

bool OpensForWriting(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

class BlockedSettingsFile : public TarvekTest, public testing::WithParamInterface<BlockedFile> {};

TEST_P(BlockedSettingsFile, RunUsesTheSettingsInMemoryEndsNormallyAndLeavesTheFileAlone)
{
    const BlockedFile& c = GetParam();
    auto copy = std::make_unique<ProgramCopy>(TestProgramDirectory() + "\\TARVEK.EXE", std::string("TVB") + c.name);
    const std::string path = copy->IniPath();
    ASSERT_TRUE(WriteFileBytes(path, c.stored));
    c.block(path);
    const Unblock unblockAtEnd{c, path};
    const std::optional<std::string> before = ReadFileBytes(path);
    if (OpensForWriting(path)) {
        GTEST_SKIP() << "this system lets the file be written anyway (Wine running as root ignores the "
                        "read-only attribute)";
    }

    TarvekRun run;
    run.copy = std::move(copy);
    run.process = std::make_unique<Process>(run.copy->Path());
    run.dialog = WaitForDialog(run.Pid(), "TARVEK");
    ASSERT_NE(run.dialog, nullptr);
    EXPECT_EQ(ShownMode(run.dialog), c.mode);
    EXPECT_EQ(FullWindowText(GetDlgItem(run.dialog, kProgramNameId)), c.programName);

    // The run's own changes; the quit question's Yes tries to save them all.
    EXPECT_TRUE(ChooseMode(run.dialog, 1 - c.mode));
    SetProgramName(run.dialog, "CHANGED");
    PressButton(run.dialog, IDCANCEL);
    AnswerQuitQuestion(run, IDYES);
    ASSERT_TRUE(run.process->WaitForExit());
    EXPECT_EQ(ExitCodeOf(run.Pid()), 0u);
    EXPECT_EQ(ReadFileBytes(path), before) << "the blocked file was changed";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BlockedSettingsFile,
    testing::Values(BlockedFile{"READONLY", Section("1", "RX", kTen), MakeReadOnly, MakeWritable, 1, "RX"},
                    BlockedFile{"DIRECTORY", "", MakeDirectory, RemoveTheDirectory, 0, "ORMELIN"}),
    [](const testing::TestParamInfo<BlockedFile>& info) { return std::string(info.param.name); });

// A settings file another program holds open without sharing: nothing can be
// read or written while it does.
TEST_F(TarvekTest, SettingsFileLockedByAnotherProgramGivesDefaultsAndNoCrash)
{
    auto copy = std::make_unique<ProgramCopy>(TestProgramDirectory() + "\\TARVEK.EXE", "TVBLOCKED");
    const std::string stored = Section("1", "RX", kTen);
    ASSERT_TRUE(WriteFileBytes(copy->IniPath(), stored));
    HANDLE lock = CreateFileA(copy->IniPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    TarvekRun run;
    run.copy = std::move(copy);
    run.process = std::make_unique<Process>(run.copy->Path());
    run.dialog = WaitForDialog(run.Pid(), "TARVEK");
    ASSERT_NE(run.dialog, nullptr);
    EXPECT_EQ(ShownMode(run.dialog), 0);
    EXPECT_EQ(FullWindowText(GetDlgItem(run.dialog, kProgramNameId)), "ORMELIN");
    PressEnter(run);
    ASSERT_TRUE(run.process->WaitForExit());
    EXPECT_EQ(ExitCodeOf(run.Pid()), 0u);
    CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(run.copy->IniPath()), stored);
}

// Two copies of the same program file side by side share one settings file:
// each saves what it shows when it ends, so the one that ends last wins.
TEST_F(TarvekTest, TwoCopiesOfOneProgramFileSaveInTheOrderTheyEnd)
{
    for (const bool firstEndsFirst : {true, false}) {
        SCOPED_TRACE(firstEndsFirst ? "first started ends first" : "second started ends first");
        TarvekRun first = Start("TVTWICE", "[QERN]\r\nTuningMode=0\r\nApplicationName=ORMELIN\r\n");
        ASSERT_NE(first.dialog, nullptr);
        TarvekRun second;
        second.process = std::make_unique<Process>(first.copy->Path());
        second.dialog = WaitForDialog(second.Pid(), "TARVEK");
        ASSERT_NE(second.dialog, nullptr);

        ASSERT_TRUE(ChooseMode(first.dialog, 1));
        SetProgramName(first.dialog, "FROM-FIRST");
        SetProgramName(second.dialog, "FROM-SECOND");

        const TarvekRun& endsFirst = firstEndsFirst ? first : second;
        const TarvekRun& endsLast = firstEndsFirst ? second : first;
        PressEnter(endsFirst);
        ASSERT_TRUE(endsFirst.process->WaitForExit());
        const ProfileValues early = ReadProfile(first.copy->IniPath());
        EXPECT_EQ(early.programName, firstEndsFirst ? "FROM-FIRST" : "FROM-SECOND");
        EXPECT_TRUE(endsLast.process->IsRunning());

        PressEnter(endsLast);
        ASSERT_TRUE(endsLast.process->WaitForExit());
        const ProfileValues late = ReadProfile(first.copy->IniPath());
        EXPECT_EQ(late.programName, firstEndsFirst ? "FROM-SECOND" : "FROM-FIRST");
        EXPECT_EQ(late.tuningMode, firstEndsFirst ? 0u : 1u);
        EXPECT_EQ(ExitCodeOf(first.Pid()), 0u);
        EXPECT_EQ(ExitCodeOf(second.Pid()), 0u);
        second = {};
    }
}

// The session ends while a box of the program waits for the user. Wine's
// wineboot ends the session the way the system does: WM_QUERYENDSESSION,
// then WM_ENDSESSION to every top-level window.
struct BoxUp {
    const char* name;
    void (*open)(const TarvekRun& run);
    std::string (*caption)(const TarvekRun& run);
};

void PrintTo(const BoxUp& c, std::ostream* out)
{
    *out << c.name;
}

void OpenQuitQuestion(const TarvekRun& run)
{
    PressButton(run.dialog, IDCANCEL);
}
std::string QuitQuestionCaption(const TarvekRun& run)
{
    return run.Name();
}
void OpenAboutBox(const TarvekRun& run)
{
    PostSysCommand(run.dialog, kAboutCommand);
}
std::string AboutBoxCaption(const TarvekRun&)
{
    return "About TARVEK";
}

bool EndWineSession()
{
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    Process wineboot(std::string(system) + "\\wineboot.exe", "--end-session");
    return wineboot.Started() && wineboot.WaitForExit(30000) && ExitCodeOf(wineboot.Id()) == 0u;
}

class SessionEndWithABoxUp : public TarvekTest, public testing::WithParamInterface<BoxUp> {};

TEST_P(SessionEndWithABoxUp, EndsTheProgramAndSavesWhatTheUserSees)
{
    const BoxUp& c = GetParam();
    TarvekRun run = Start(std::string("TVSE") + c.name, "[QERN]\r\nTuningMode=0\r\nApplicationName=ORMELIN\r\n");
    ASSERT_NE(run.dialog, nullptr);
    ASSERT_TRUE(ChooseMode(run.dialog, 1));
    SetProgramName(run.dialog, "AOR");
    SetWindowPos(run.dialog, nullptr, 140, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return WindowRect(run.dialog).left == 140; }));
    const RECT window = WindowRect(run.dialog);

    c.open(run);
    HWND box = WaitForDialog(run.Pid(), c.caption(run));
    ASSERT_NE(box, nullptr);

    ASSERT_TRUE(EndWineSession());
    EXPECT_TRUE(run.process->WaitForExit()) << "still running after the session ended";
    const ProfileValues saved = ReadProfile(run.copy->IniPath());
    EXPECT_EQ(saved.tuningMode, 1u);
    EXPECT_EQ(saved.programName, "AOR");
    EXPECT_EQ(saved.windowPos, "0,1,-1,-1,-1,-1,140,120," + std::to_string(window.right) + "," +
                                   std::to_string(window.bottom));
}

INSTANTIATE_TEST_SUITE_P(Cases, SessionEndWithABoxUp,
                         testing::Values(BoxUp{"QUIT", OpenQuitQuestion, QuitQuestionCaption},
                                         BoxUp{"ABOUT", OpenAboutBox, AboutBoxCaption}),
                         [](const testing::TestParamInfo<BoxUp>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvek::e2e
