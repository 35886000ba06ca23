#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "entry_fields.h"

namespace tarvek {

// The tuning mode chosen in the main dialog. Any nonzero value counts as
// TuneAndStation when a request is built.
using TuningMode = int;
inline constexpr TuningMode TuneOnly = 0;
inline constexpr TuningMode TuneAndStation = 1;

// The records the receiver control program receives with WM_COPYDATA: fixed
// layouts, no gaps, little-endian, zero-terminated ANSI texts in 50-byte slots.
inline constexpr std::size_t kTextSlot = 50;
inline constexpr std::size_t kExtraSlot = 6;

struct BasicRecord {
    std::int32_t frequency;
    char station[kTextSlot];
    char site[kTextSlot];
    char country[kTextSlot];
    char extra[kExtraSlot];
};

struct CallRecord {
    std::int32_t frequency;
    char station[kTextSlot];
    char call[kTextSlot];
    char site[kTextSlot];
    char country[kTextSlot];
    char modulation[kTextSlot];
    char extra[kExtraSlot];
};

static_assert(std::endian::native == std::endian::little,
              "records are sent in the machine's byte order, which must be little-endian");
static_assert(sizeof(BasicRecord) == 160);
static_assert(offsetof(BasicRecord, station) == 4);
static_assert(offsetof(BasicRecord, site) == 54);
static_assert(offsetof(BasicRecord, country) == 104);
static_assert(offsetof(BasicRecord, extra) == 154);
static_assert(sizeof(CallRecord) == 260);
static_assert(offsetof(CallRecord, station) == 4);
static_assert(offsetof(CallRecord, call) == 54);
static_assert(offsetof(CallRecord, site) == 104);
static_assert(offsetof(CallRecord, country) == 154);
static_assert(offsetof(CallRecord, modulation) == 204);
static_assert(offsetof(CallRecord, extra) == 254);

// One request: the code travels as COPYDATASTRUCT.dwData, the first `size`
// bytes of `bytes` as the data. Every byte the record leaves open is zero.
struct TuningRequest {
    std::uint32_t code = 0;
    std::uint32_t size = 0;
    alignas(std::int32_t) std::array<std::uint8_t, sizeof(CallRecord)> bytes{};

    const void* data() const { return bytes.data(); }
};

TuningRequest BuildTuningRequest(const EntryFields& fields, TuningMode mode);

}  // namespace tarvek
