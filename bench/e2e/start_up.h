#pragma once

#include "comparison.h"
#include "started_program.h"

namespace tarvek::bench {

// Times `starts` starts of each program, alternating (TARVEK, minimal,
// minimal, TARVEK, ...) after one start of each that is not counted. A
// start counts from CreateProcess until the dialog is visible and, for
// TARVEK, is also the first window of the clipboard viewer chain: TARVEK is
// ready then to pass on the next copied entry. The minimal dialog program
// joins no chain; visible is ready for it.
Comparison CompareStartUp(double goal, const ProgramUnderTest& tarvek, const ProgramUnderTest& minimalDialog,
                          unsigned starts);

}  // namespace tarvek::bench
