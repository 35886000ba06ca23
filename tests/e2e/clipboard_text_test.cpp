// Reading the text of a clipboard block that another program wrote: never
// past the block, whatever it holds.
#include "clipboard_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "clipboard_chain.h"

namespace tarvek {
namespace {

// Two pages, the second one inaccessible: bytes placed at the end of the
// first have nothing readable behind them.
class GuardedPage {
public:
    GuardedPage()
    {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        pageSize_ = info.dwPageSize;
        base_ = static_cast<char*>(VirtualAlloc(nullptr, 2 * pageSize_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(base_ + pageSize_, pageSize_, PAGE_NOACCESS, &old);
    }
    ~GuardedPage() { VirtualFree(base_, 0, MEM_RELEASE); }
    GuardedPage(const GuardedPage&) = delete;
    GuardedPage& operator=(const GuardedPage&) = delete;

    // Copies `bytes` so that they end where the readable memory ends.
    const char* AtEnd(const std::string& bytes)
    {
        char* at = base_ + pageSize_ - bytes.size();
        std::memcpy(at, bytes.data(), bytes.size());
        return at;
    }

private:
    std::size_t pageSize_ = 0;
    char* base_ = nullptr;
};

TEST(ClipboardText, StopsAtTheFirstZeroOrTheEndOfTheBlock)
{
    GuardedPage page;
    struct Case {
        const char* name;
        std::string block;
        std::string text;
    };
    const Case cases[] = {
        {"terminated", std::string("KLINGENFUSS\0", 12), "KLINGENFUSS"},
        {"zero inside, more after it", std::string("KLING\0ENFUSS", 12), "KLING"},
        {"no zero at all", "KLINGENFUSS Frequency: 4583.00 kHz", "KLINGENFUSS Frequency: 4583.00 kHz"},
        {"only a zero", std::string("\0", 1), ""},
        {"nothing", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextUpToZero(page.AtEnd(c.block), c.block.size()), c.text);
    }
}

TEST(ClipboardText, CopiesAGlobalBlockWithoutAZeroWhole)
{
    const std::string bytes = "KLINGENFUSS Frequency: 4583.00 kHz Call: DDK2";
    const HGLOBAL block = e2e::GlobalBlock(bytes);
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(GlobalSize(block), bytes.size());
    EXPECT_EQ(CopyClipboardText(block), bytes);
    GlobalFree(block);
}

TEST(ClipboardText, ABlockThatCannotBeLockedGivesAnEmptyText)
{
    // A movable block of no size is born discarded: it cannot be locked.
    const HGLOBAL discarded = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(discarded, nullptr);
    ASSERT_EQ(GlobalLock(discarded), nullptr);
    EXPECT_EQ(CopyClipboardText(discarded), "");
    GlobalFree(discarded);
}

}  // namespace
}  // namespace tarvek
