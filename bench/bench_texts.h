#pragma once

#include <cstddef>
#include <string>

namespace tarvek::bench {

// Clipboard texts for the benchmarks. Large texts read like a log or a
// listing (words, numbers, times with colons) and hold no label unless asked.

// A typical database entry of about 1 KB with every label.
std::string TypicalEntry();

// `size` bytes of Western text without the keyword and without labels.
std::string WesternFiller(std::size_t size);

// `size` bytes of mixed Japanese and ASCII text in the double-byte model
// code page (about half the characters double-byte), without keyword or labels.
std::string DoubleByteFiller(std::size_t size);

// The end of an entry: the keyword line and every label with a value.
std::string EntryTail();

}  // namespace tarvek::bench
