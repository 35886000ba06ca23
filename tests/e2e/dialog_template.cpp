#include "dialog_template.h"

#include <cstring>

namespace tarvek::e2e {
namespace {

// Reads the little-endian fields of a template in order.
class Reader {
public:
    Reader(const BYTE* data, std::size_t size) : data_(data), size_(size) {}

    bool Ok() const { return ok_; }

    template <typename T>
    T Next()
    {
        T value{};
        if (pos_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, data_ + pos_, sizeof(T));
        pos_ += sizeof(T);
        return value;
    }

    std::string Text()
    {
        std::string text;
        for (WORD c = Next<WORD>(); ok_ && c != 0; c = Next<WORD>()) {
            text += c < 0x80 ? static_cast<char>(c) : '?';
        }
        return text;
    }

    // A name or an ordinal: empty for none, "#n" for ordinal n.
    std::string NameOrOrdinal()
    {
        const std::size_t start = pos_;
        const WORD first = Next<WORD>();
        if (first == 0) {
            return {};
        }
        if (first == 0xFFFF) {
            std::string ordinal(1, '#');
            ordinal += std::to_string(Next<WORD>());
            return ordinal;
        }
        pos_ = start;
        return Text();
    }

    void AlignToDword() { pos_ = (pos_ + 3) & ~std::size_t{3}; }
    void Skip(std::size_t bytes) { pos_ += bytes; }

private:
    const BYTE* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

std::string ControlClass(std::string name)
{
    static const char* const kPredefined[] = {"Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox"};
    if (name.size() > 1 && name[0] == '#') {
        const int atom = std::stoi(name.substr(1));
        if (atom >= 0x80 && atom <= 0x85) {
            return kPredefined[atom - 0x80];
        }
    }
    return name;
}

}  // namespace

std::optional<DialogTemplate> LoadDialogTemplate(HMODULE module, WORD id)
{
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (!resource) {
        return std::nullopt;
    }
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    Reader in(data, SizeofResource(module, resource));

    DialogTemplate dialog;
    WORD count = 0;
    if (in.Next<WORD>() == 1 && in.Next<WORD>() == 0xFFFF) {
        dialog.extended = true;
        in.Next<DWORD>();  // help id
        dialog.exStyle = in.Next<DWORD>();
        dialog.style = in.Next<DWORD>();
    } else {
        in = Reader(data, SizeofResource(module, resource));
        dialog.style = in.Next<DWORD>();
        dialog.exStyle = in.Next<DWORD>();
    }
    count = in.Next<WORD>();
    dialog.x = in.Next<short>();
    dialog.y = in.Next<short>();
    dialog.cx = in.Next<short>();
    dialog.cy = in.Next<short>();
    dialog.menu = in.NameOrOrdinal();
    dialog.className = in.NameOrOrdinal();
    dialog.caption = in.Text();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Next<WORD>();
        if (dialog.extended) {
            in.Next<WORD>();  // weight
            in.Next<BYTE>();  // italic
            in.Next<BYTE>();  // character set
        }
        dialog.typeface = in.Text();
    }
    for (WORD i = 0; i < count && in.Ok(); ++i) {
        in.AlignToDword();
        TemplateItem item;
        if (dialog.extended) {
            in.Next<DWORD>();  // help id
            item.exStyle = in.Next<DWORD>();
            item.style = in.Next<DWORD>();
        } else {
            item.style = in.Next<DWORD>();
            item.exStyle = in.Next<DWORD>();
        }
        item.x = in.Next<short>();
        item.y = in.Next<short>();
        item.cx = in.Next<short>();
        item.cy = in.Next<short>();
        item.id = dialog.extended ? static_cast<int>(in.Next<DWORD>()) : static_cast<short>(in.Next<WORD>());
        item.className = ControlClass(in.NameOrOrdinal());
        item.text = in.NameOrOrdinal();
        in.Skip(in.Next<WORD>());  // creation data
        dialog.items.push_back(item);
    }
    if (!in.Ok()) {
        return std::nullopt;
    }
    return dialog;
}

}  // namespace tarvek::e2e
