#include "command_line.h"

namespace tarvek {

const CodePage& DefaultCodePage() { return Windows1252(); }

}  // namespace tarvek
