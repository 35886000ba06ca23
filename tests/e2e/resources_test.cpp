// TARVEK.EXE's resources, read from the file: the two dialog templates
// control by control, the About item's string, the icon and the manifest.
#include <gtest/gtest.h>

#include <string>

#include "dialog_template.h"
#include "harness.h"

namespace tarvek::e2e {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

class TarvekResources : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        module_ = LoadLibraryExA((TestProgramDirectory() + "\\TARVEK.EXE").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() { FreeLibrary(module_); }

    static std::string Resource(WORD id, WORD type)
    {
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
        if (!found) {
            return {};
        }
        const auto* data = static_cast<const char*>(LockResource(LoadResource(module_, found)));
        return std::string(data, SizeofResource(module_, found));
    }

    static HMODULE module_;
};
HMODULE TarvekResources::module_ = nullptr;

void ExpectItem(const TemplateItem& item, int id, const char* className, const char* text, short x, short y, short cx,
                short cy, DWORD styles)
{
    SCOPED_TRACE(text);
    EXPECT_EQ(item.id, id);
    EXPECT_EQ(item.className, className);
    EXPECT_EQ(item.text, text);
    EXPECT_EQ(item.x, x);
    EXPECT_EQ(item.y, y);
    EXPECT_EQ(item.cx, cx);
    EXPECT_EQ(item.cy, cy);
    EXPECT_EQ(item.style, kChild | styles) << std::hex << item.style;
    EXPECT_EQ(item.exStyle, 0u);
}

TEST_F(TarvekResources, MainDialogTemplate)
{
    ASSERT_NE(module_, nullptr);
    const auto dialog = LoadDialogTemplate(module_, 102);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_TRUE(dialog->extended);
    EXPECT_EQ(dialog->style, DWORD{DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                   WS_MINIMIZEBOX});
    EXPECT_EQ(dialog->exStyle, DWORD{WS_EX_APPWINDOW});
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->cx, 187);
    EXPECT_EQ(dialog->cy, 116);
    EXPECT_EQ(dialog->menu, "");
    EXPECT_EQ(dialog->className, "");
    EXPECT_EQ(dialog->caption, "TARVEK");
    EXPECT_EQ(dialog->pointSize, 8);
    EXPECT_EQ(dialog->typeface, "MS Sans Serif");
    ASSERT_EQ(dialog->items.size(), 7u);
    const auto& items = dialog->items;
    ExpectItem(items[0], -1, "Static", "Tunes the receiver control program to that Klingenfuss", 9, 6, 177, 8,
               SS_LEFT | WS_GROUP);
    ExpectItem(items[1], -1, "Static", "database entry which is copied to the clipboard.", 9, 18, 177, 8,
               SS_LEFT | WS_GROUP);
    ExpectItem(items[2], -1, "Static", "Name of the receiver control program:", 9, 36, 162, 8, SS_LEFT | WS_GROUP);
    ExpectItem(items[3], 1003, "Edit", "", 9, 48, 117, 14, ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP);
    ExpectItem(items[4], 1001, "Button", "Tune receiver only", 9, 69, 162, 10,
               BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP);
    ExpectItem(items[5], 1002, "Button", "Create/find station file entry", 9, 81, 162, 10,
               BS_AUTORADIOBUTTON | WS_TABSTOP);
    ExpectItem(items[6], IDCANCEL, "Button", "Exit", 69, 96, 50, 14, BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP);
}

TEST_F(TarvekResources, AboutBoxTemplate)
{
    ASSERT_NE(module_, nullptr);
    const auto dialog = LoadDialogTemplate(module_, 100);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_FALSE(dialog->extended);
    EXPECT_EQ(dialog->style, DWORD{DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU});
    EXPECT_EQ(dialog->exStyle, 0u);
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->cx, 253);
    EXPECT_EQ(dialog->cy, 58);
    EXPECT_EQ(dialog->caption, "About TARVEK");
    EXPECT_EQ(dialog->pointSize, 8);
    EXPECT_EQ(dialog->typeface, "MS Sans Serif");
    ASSERT_EQ(dialog->items.size(), 4u);
    const auto& items = dialog->items;
    ExpectItem(items[0], -1, "Static", "#128", 12, 15, 20, 20, SS_ICON);
    const std::string& first = items[1].text;
    EXPECT_EQ(first.find("TARVEK"), 0u);
    EXPECT_NE(first.find("Klingenfuss"), std::string::npos);
    EXPECT_NE(first.find("receiver"), std::string::npos);
    EXPECT_NE(first.find("Version  1.02"), std::string::npos);
    ExpectItem(items[1], -1, "Static", first.c_str(), 48, 8, 198, 8, SS_LEFT | SS_NOPREFIX | WS_GROUP);
    EXPECT_FALSE(items[2].text.empty());
    ExpectItem(items[2], -1, "Static", items[2].text.c_str(), 48, 20, 150, 8, SS_LEFT | WS_GROUP);
    ExpectItem(items[3], IDOK, "Button", "OK", 101, 39, 51, 14, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP);
}

TEST_F(TarvekResources, AboutMenuItemString)
{
    ASSERT_NE(module_, nullptr);
    char text[64] = {};
    EXPECT_EQ(LoadStringA(module_, 101, text, sizeof text), 16);
    EXPECT_STREQ(text, "&About TARVEK...");
}

TEST_F(TarvekResources, IconHasA32And16PixelImageIn16Colours)
{
    ASSERT_NE(module_, nullptr);
    const std::string group = Resource(128, 14);  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u + 2 * 14u);
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(group[i]); };
    auto word = [&](std::size_t i) { return byte(i) | byte(i + 1) << 8; };
    EXPECT_EQ(word(2), 1);  // icons
    ASSERT_EQ(word(4), 2);  // images
    const int sizes[] = {32, 16};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::size_t entry = 6 + 14 * i;
        EXPECT_EQ(byte(entry), sizes[i]);
        EXPECT_EQ(byte(entry + 1), sizes[i]);
        EXPECT_EQ(byte(entry + 2), 16);    // colours
        EXPECT_EQ(word(entry + 6), 4);     // bits per pixel
    }
}

TEST_F(TarvekResources, ManifestAsksForVisualStylesAndSystemDpiOnly)
{
    ASSERT_NE(module_, nullptr);
    const std::string manifest = Resource(1, 24);  // RT_MANIFEST
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
    EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
    EXPECT_EQ(manifest.find("dpiAwareness"), std::string::npos);
}

}  // namespace
}  // namespace tarvek::e2e
