#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tarvek::e2e {

// A dialog template as stored in a program's resources, plain or extended.
// Class and text given as ordinals read as "#<number>".
struct TemplateItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::string className;
    std::string text;
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu;
    std::string className;
    std::string caption;
    WORD pointSize = 0;
    std::string typeface;
    std::vector<TemplateItem> items;
};

std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, WORD id);

}  // namespace tarvek::e2e
