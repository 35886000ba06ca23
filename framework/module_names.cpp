#include "module_names.h"

namespace tarvek {
namespace {

std::size_t FileNameStart(std::string_view path)
{
    const std::size_t separator = path.find_last_of("\\/:");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

// The position of the file name's extension dot, or npos.
std::size_t ExtensionDot(std::string_view path)
{
    const std::size_t dot = path.find_last_of('.');
    return dot != std::string_view::npos && dot >= FileNameStart(path) ? dot : std::string_view::npos;
}

}  // namespace

std::string BaseName(std::string_view path)
{
    const std::size_t start = FileNameStart(path);
    const std::size_t dot = ExtensionDot(path);
    return std::string(path.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
}

std::string WithExtension(std::string_view path, std::string_view extension)
{
    const std::size_t dot = ExtensionDot(path);
    std::string result(path.substr(0, dot));
    result += extension;
    return result;
}

}  // namespace tarvek
