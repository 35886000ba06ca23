#include "request_description.h"

#include <cstdio>
#include <cstring>

namespace tarvek {

namespace {

constexpr std::size_t kTextSlot = 50;
constexpr std::size_t kExtraSlot = 6;

struct Slot {
    const char* name;
    std::size_t size;
};

struct Layout {
    const char* name;
    std::size_t size;
    Slot slots[6];  // after the 4-byte frequency, in record order
};

constexpr Layout kBasic{"basic",
                        160,
                        {{"station", kTextSlot},
                         {"site", kTextSlot},
                         {"country", kTextSlot},
                         {"extra", kExtraSlot},
                         {nullptr, 0},
                         {nullptr, 0}}};
constexpr Layout kCall{"call",
                       260,
                       {{"station", kTextSlot},
                        {"call", kTextSlot},
                        {"site", kTextSlot},
                        {"country", kTextSlot},
                        {"modulation", kTextSlot},
                        {"extra", kExtraSlot}}};

const char* ModeOf(std::uint64_t code)
{
    return code / 1000 == 1 ? "tune-only" : "tune-and-station";
}

// The layout the code announces, if its size is the one that layout has.
const Layout* LayoutOf(const ReceivedRequest& request)
{
    const Layout* layout = nullptr;
    switch (request.code) {
    case 1002:
    case 2002:
        layout = &kBasic;
        break;
    case 1003:
    case 2003:
        layout = &kCall;
        break;
    default:
        return nullptr;
    }
    return request.bytes && request.size == layout->size ? layout : nullptr;
}

void AppendText(std::string& out, const std::uint8_t* slot, std::size_t size)
{
    const void* zero = std::memchr(slot, 0, size);
    const std::size_t length = zero ? static_cast<const std::uint8_t*>(zero) - slot : size;
    if (!zero)
        out += "unterminated:";
    out += '"';
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t byte = slot[i];
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            out += escaped;
        } else {
            out += static_cast<char>(byte);
        }
    }
    out += '"';
}

std::int32_t LittleEndianInt32(const std::uint8_t* bytes)
{
    const std::uint32_t value = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                                std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::string HexBytes(const std::uint8_t* bytes, std::size_t size)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(2 * size);
    for (std::size_t i = 0; i < size; ++i) {
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 0xF];
    }
    return out;
}

std::string DescribeRequest(const ReceivedRequest& request)
{
    const std::size_t size = request.bytes ? request.size : 0;
    char head[96];
    std::snprintf(head, sizeof head, "code=%llu size=%llu sender=0x%llx",
                  static_cast<unsigned long long>(request.code),
                  static_cast<unsigned long long>(request.size),
                  static_cast<unsigned long long>(request.sender));
    std::string out = head;

    if (const Layout* layout = LayoutOf(request)) {
        out += " mode=";
        out += ModeOf(request.code);
        out += " layout=";
        out += layout->name;
        out += " frequency=" + std::to_string(LittleEndianInt32(request.bytes));
        std::size_t offset = 4;
        for (const Slot& slot : layout->slots) {
            if (!slot.name)
                break;
            out += ' ';
            out += slot.name;
            out += '=';
            AppendText(out, request.bytes + offset, slot.size);
            offset += slot.size;
        }
    } else {
        out += " layout=unexpected";
    }
    out += " hex=" + HexBytes(request.bytes, size);
    return out;
}

}  // namespace tarvek
