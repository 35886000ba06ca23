#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvek {

// One WM_COPYDATA request as the receiver stand-in saw it: dwData, the
// sender's window (wParam) and the cbData bytes at lpData.
struct ReceivedRequest {
    std::uint64_t code = 0;
    std::uint64_t sender = 0;
    const std::uint8_t* bytes = nullptr;
    std::size_t size = 0;
};

// One line of text (no line end) describing the request: code, size,
// sender, mode and layout, every field of the record, and all its bytes in
// hex. A request whose code and size fit no layout is marked
// "layout=unexpected" and shown in hex only.
//
//   code=1003 size=260 sender=0x20058 mode=tune-only layout=call
//   frequency=4583000 station="..." call="DDK2" site="..." country="..."
//   modulation="..." extra="" hex=c0ee4500...
//
// Texts are quoted; a quote, a backslash and control bytes are escaped as
// \", \\ and \xNN; other bytes are kept as they are (ANSI code page). A text
// that has no zero within its slot is shown whole and marked "unterminated".
std::string DescribeRequest(const ReceivedRequest& request);

std::string HexBytes(const std::uint8_t* bytes, std::size_t size);

}  // namespace tarvek
