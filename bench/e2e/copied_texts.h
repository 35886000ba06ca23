#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvek::bench {

// A database entry that makes TARVEK send a 260-byte record, with the
// number of the copy written into its station's value, so that each request
// shows which copy it came from. Padded with other text in front, it is the
// large case: the entry near the end of the text, every label search
// running through all of it.
class NumberedEntryText {
public:
    // The entry alone, or the entry at the end of a text of `totalSize` bytes.
    explicit NumberedEntryText(std::size_t totalSize = 0);

    void Number(unsigned copy);
    std::string_view Text() const { return text_; }

    // The station value TARVEK sends for copy `copy`.
    static std::string StationOf(unsigned copy);

private:
    std::string text_;
    std::size_t numberAt_ = 0;
};

}  // namespace tarvek::bench
