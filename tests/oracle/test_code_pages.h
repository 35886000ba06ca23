#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "code_page.h"

namespace tarvek::testing {

struct NamedCodePage {
    std::string name;
    const CodePage* codePage;
};

// Every code page the differential test runs under: the two built in, and
// tables that stress what a real system table may do: a byte outside ASCII
// that upper-cases to an ASCII letter (the Turkish dotless i), bytes that
// upper-case to ":" or to the keyword's letters, more such bytes than a
// vector compare takes, a double-byte page with lead bytes up to 0xFE, and
// one whose lead bytes include letters of the labels; on Windows also the
// system's own table.
const std::vector<NamedCodePage>& TestCodePages();

inline void PrintTo(const NamedCodePage& page, std::ostream* out) { *out << page.name; }

}  // namespace tarvek::testing
