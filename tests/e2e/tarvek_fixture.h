#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "harness.h"

namespace tarvek::e2e {

// One run of TARVEK under a name of its own: its copy, its process and its
// main dialog.
struct TarvekRun {
    std::unique_ptr<ProgramCopy> copy;
    std::unique_ptr<Process> process;
    HWND dialog = nullptr;

    DWORD Pid() const { return process->Id(); }
    const std::string& Name() const { return copy->BaseName(); }
};

class TarvekTest : public testing::Test {
protected:
    // Copies TARVEK.EXE (beside this test program) to `baseName`.EXE, writes
    // `ini` as its settings file unless it is null, starts it and waits for
    // its main dialog.
    static TarvekRun Start(const std::string& baseName, const char* ini = nullptr);

    static std::string Ini(const TarvekRun& run);

    // Presses Enter in the focused control: the dialog ends at once.
    static void PressEnter(const TarvekRun& run);

    // Answers the quit question, which must be showing, with `button`.
    static void AnswerQuitQuestion(const TarvekRun& run, int button);

    static RECT WorkArea();
};

}  // namespace tarvek::e2e
