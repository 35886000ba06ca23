// Runs the tarvek-parse program itself and checks what it prints, writes and
// returns.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "entry_parser.h"
#include "tuning_request.h"

namespace tarvek {
namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TarvekParse : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() /
               ("tarvek-parse-test-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path Write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    // Runs the tool through the shell with `args`, feeding `input` on
    // standard input.
    ToolRun Start(const std::string& args, const std::string& input = {})
    {
        const fs::path in = Write("stdin", input);
        const fs::path out = dir_ / "stdout";
        const fs::path err = dir_ / "stderr";
        const std::string command = std::string(TARVEK_PARSE) + " " + args + " <" + in.string() +
                                    " >" + out.string() + " 2>" + err.string();
        ToolRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadFile(out);
        run.err = ReadFile(err);
        return run;
    }

    fs::path dir_;
};

const std::string kEntry = "KLINGENFUSS\nFrequency: 9.5 \nCall: ABC\nStation: Test\n";

TEST_F(TarvekParse, EntryReport)
{
    const ToolRun run = Start("--mode 1", kEntry);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.substr(0, run.out.find("0000 ")),
              "entry: yes\nfrequency: 9500\ncall: ABC\nstation: Test\nsite: \ncountry: \n"
              "modulation: \nhasCall: yes\ncode: 2003\nsize: 260\n");
    // 260 bytes make 17 dump lines, the first holding the frequency.
    EXPECT_NE(run.out.find("0000  1c 25 00 00 54 65 73 74 00"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\n0100  00 00 00 00 "), std::string::npos) << run.out;
}

TEST_F(TarvekParse, NotAnEntry)
{
    const fs::path raw = dir_ / "record.bin";
    const ToolRun run = Start("--raw " + raw.string(), "Frequency: 9.5 \nCall: ABC\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "entry: no\n");
    EXPECT_FALSE(fs::exists(raw));
    EXPECT_EQ(Start("--raw -", "nothing").out, "");
}

TEST_F(TarvekParse, RawRecordIsExactlyTheRequest)
{
    struct Case {
        std::string args;
        TuningMode mode;
        const CodePage& codePage;
    };
    const std::string text = std::string("klingenfuss\nFREQUENZ: 1e3[\nstation: \x82") + "\nland: X\n";
    for (const Case& c : {Case{"", 0, Windows1252()}, Case{"--mode -3", -3, Windows1252()},
                          Case{"--codepage 932 --mode 0", 0, DoubleByte932()}}) {
        const TuningRequest expected = BuildTuningRequest(ParseEntry(text, c.codePage).fields, c.mode);
        const std::string expectedBytes(expected.bytes.begin(), expected.bytes.begin() + expected.size);

        const ToolRun toStdout = Start(c.args + " --raw -", text);
        EXPECT_EQ(toStdout.status, 0) << c.args;
        EXPECT_EQ(toStdout.out, expectedBytes) << c.args;

        const fs::path input = Write("entry.txt", text);
        const fs::path raw = dir_ / "record.bin";
        const ToolRun toFile = Start(c.args + " --raw " + raw.string() + " " + input.string());
        EXPECT_EQ(toFile.status, 0) << c.args;
        EXPECT_EQ(ReadFile(raw), expectedBytes) << c.args;
        EXPECT_NE(toFile.out.find("code: " + std::to_string(expected.code)), std::string::npos);
    }
}

TEST_F(TarvekParse, TextEndsAtFirstZeroByte)
{
    const ToolRun run = Start("", std::string("KLINGENFUSS\nStation: A\n\0Call: B\n", 33));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("hasCall: no\n"), std::string::npos) << run.out;
}

TEST_F(TarvekParse, UsageAndIoErrors)
{
    for (const std::string args :
         {"--bogus", "--mode", "--mode 1x", "--mode 99999999999", "--codepage 437", "--raw",
          "a b", "/nonexistent/entry.txt", "--raw /nonexistent/dir/out.bin"}) {
        const ToolRun run = Start(args, kEntry);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        ASSERT_FALSE(run.err.empty()) << args;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << args << ": " << run.err;
    }
}

TEST_F(TarvekParse, HelpDescribesEveryOption)
{
    const ToolRun run = Start("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* word : {"--mode", "--codepage", "1252", "932", "--raw", "FILE", "Exit status"})
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
}

TEST_F(TarvekParse, SamplesShipWithTheProject)
{
    EXPECT_EQ(Start(std::string(TARVEK_SAMPLES) + "/entry-with-call.txt").status, 0);
    EXPECT_EQ(Start(std::string(TARVEK_SAMPLES) + "/entry-german.txt").status, 0);
    EXPECT_EQ(Start(std::string(TARVEK_SAMPLES) + "/not-an-entry.txt").status, 1);
}

}  // namespace
}  // namespace tarvek
