#pragma once

#include <string>
#include <string_view>

namespace tarvek {

// The file name of `path` without its directory and extension:
// "C:\\TOOLS\\TARVEK.EXE" gives "TARVEK".
std::string BaseName(std::string_view path);

// `path` with the extension of its file name replaced by `extension` (or
// `extension` appended when the file name has none).
std::string WithExtension(std::string_view path, std::string_view extension);

}  // namespace tarvek
