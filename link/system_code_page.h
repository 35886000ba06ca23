#pragma once

#include "code_page.h"

namespace tarvek {

// The system's ANSI code page, with the case mapping and lead bytes that
// Windows itself applies to 8-bit text.
const CodePage& SystemCodePage();

}  // namespace tarvek
