#include "command_line.h"
#include "system_code_page.h"

namespace tarvek {

const CodePage& DefaultCodePage() { return SystemCodePage(); }

}  // namespace tarvek
