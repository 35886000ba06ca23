#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "code_page.h"

namespace tarvek::testing {

// Makes clipboard texts that look like entries, nearly look like them, or do
// not at all, for one code page: labels and the keyword in any case (also
// through bytes outside ASCII that the table folds onto their letters),
// values around every length limit, numbers inside and outside the number
// grammar, all kinds of line ends, blanks, double-byte characters and lone
// lead bytes right before labels. The same seed gives the same texts.
class EntryTextGenerator {
public:
    EntryTextGenerator(const CodePage& codePage, std::uint64_t seed);

    std::string Text();

    // A frequency value as it may follow the label, with its end character.
    std::string Number();

private:
    std::size_t Pick(std::size_t count) { return static_cast<std::size_t>(random_() % count); }
    bool Chance(int percent) { return Pick(100) < static_cast<std::size_t>(percent); }
    template <typename T>
    const T& OneOf(const std::vector<T>& items) { return items[Pick(items.size())]; }

    std::string Word(std::string_view upperCase);
    std::string Label();
    std::string Value(bool number);
    std::string LineEnd();
    std::string Filler(std::size_t length);
    std::string DoubleByteCharacter();
    char LeadByte();

    const CodePage& codePage_;
    std::mt19937_64 random_;
    std::vector<std::vector<char>> spellings_;  // per byte: bytes that fold onto it
    std::vector<char> leads_;
};

}  // namespace tarvek::testing
