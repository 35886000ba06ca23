// Runs the product's parser and request builder and the plain reading side
// by side on generated texts and insists on identical results, byte for byte.
// Every shortcut the product takes to be fast is checked here.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "entry_parser.h"
#include "entry_text_generator.h"
#include "frequency.h"
#include "plain_entry.h"
#include "test_code_pages.h"
#include "tuning_request.h"

namespace tarvek::testing {
namespace {

// Texts per code page; the build sets fewer where the tests run emulated.
// TARVEK_ORACLE_CASES in the environment asks for more (or fewer).
std::size_t CaseCount()
{
    if (const char* count = std::getenv("TARVEK_ORACLE_CASES"))
        return std::strtoul(count, nullptr, 10);
    return TARVEK_ORACLE_CASES;
}

std::string Escaped(std::string_view text)
{
    std::ostringstream out;
    out << '"';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\')
            out << c;
        else
            out << "\\x" << "0123456789ABCDEF"[byte >> 4] << "0123456789ABCDEF"[byte & 15]
                << "\"\"";
    }
    out << '"';
    return out.str();
}

// Describes the first difference, or returns an empty string.
std::string Difference(const ParsedEntry& product, const plain::Entry& plain)
{
    if (product.isEntry != plain.isEntry)
        return "isEntry differs";
    if (!plain.isEntry)
        return {};
    const EntryFields& f = product.fields;
    std::ostringstream out;
    if (f.frequency != plain.frequency)
        out << "frequency " << f.frequency << " vs " << plain.frequency << "; ";
    const auto text = [&](const char* name, const std::string& a, const std::string& b) {
        if (a != b)
            out << name << ' ' << Escaped(a) << " vs " << Escaped(b) << "; ";
    };
    text("station", f.station, plain.station);
    text("call", f.call, plain.call);
    text("site", f.site, plain.site);
    text("country", f.country, plain.country);
    text("modulation", f.modulation, plain.modulation);
    if (f.hasCall != plain.hasCall)
        out << "hasCall " << f.hasCall << " vs " << plain.hasCall << "; ";
    if (!out.str().empty())
        return out.str();

    for (TuningMode mode : {TuneOnly, TuneAndStation, -7}) {
        const TuningRequest request = BuildTuningRequest(f, mode);
        const plain::Request expected = plain::BuildRequest(plain, mode);
        if (request.code != expected.code || request.size != expected.size)
            out << "mode " << mode << ": code " << request.code << " size " << request.size
                << " vs " << expected.code << ' ' << expected.size << "; ";
        else if (std::memcmp(request.bytes.data(), expected.bytes.data(), expected.size) != 0)
            out << "mode " << mode << ": record bytes differ; ";
    }
    return out.str();
}

// The same texts on every platform and in every run.
std::uint64_t Seed(std::string_view name, std::uint64_t purpose)
{
    std::uint64_t hash = 0xCBF29CE484222325 ^ purpose;
    for (char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3;
    return hash;
}

class DifferentialTest : public ::testing::TestWithParam<NamedCodePage> {};

TEST_P(DifferentialTest, ProductAndPlainReadingAgreeOnGeneratedTexts)
{
    const CodePage& codePage = *GetParam().codePage;
    EntryTextGenerator generator(codePage, Seed(GetParam().name, 1));
    std::size_t entries = 0;
    std::size_t failures = 0;
    const std::size_t cases = CaseCount();
    for (std::size_t i = 0; i < cases && failures < 5; ++i) {
        const std::string text = generator.Text();
        const ParsedEntry product = ParseEntry(text, codePage);
        const plain::Entry plain = plain::ParseEntry(text, codePage);
        entries += plain.isEntry;
        const std::string difference = Difference(product, plain);
        if (!difference.empty()) {
            ++failures;
            ADD_FAILURE() << "case " << i << ": " << difference << "\ntext " << Escaped(text);
        }
    }
    // The generator must produce both kinds of text in earnest (keywords get
    // broken more often where letters are lead bytes).
    if (failures == 0) {
        EXPECT_GT(entries, cases / 10);
        EXPECT_LT(entries, cases);
    }
}

TEST_P(DifferentialTest, FrequencyConversionsAgree)
{
    EntryTextGenerator generator(*GetParam().codePage, Seed(GetParam().name, 2));
    std::size_t failures = 0;
    for (std::size_t i = 0; i < CaseCount() && failures < 5; ++i) {
        const std::string number = generator.Number();
        if (FrequencyFromText(number) != plain::FrequencyFromText(number)) {
            ++failures;
            ADD_FAILURE() << Escaped(number) << ": " << FrequencyFromText(number) << " vs "
                          << plain::FrequencyFromText(number);
        }
    }
}

// The search reads 64 and 16 bytes at a time and the rest byte by byte: the
// keyword and a label at every offset around those steps, after fillers that
// hold near misses and double-byte characters.
TEST_P(DifferentialTest, AgreeWhereverTheWordsFallInTheScan)
{
    const CodePage& codePage = *GetParam().codePage;
    const std::string fillers[] = {"xk:xxxxfN:", "\x82K\x81:\x81" "C\xE0LAND", "12:30 Kilo f "};
    for (const std::string& filler : fillers) {
        for (std::size_t before = 0; before < 140; ++before) {
            for (std::size_t gap : {0, 1, 7, 15, 16, 17, 63, 64, 65}) {
                for (bool keywordFirst : {true, false}) {
                    std::string text;
                    while (text.size() < before)
                        text += filler;
                    text.resize(before);
                    std::string words[] = {"KlingenfusS", "sTATION: Abc\r\nLand: D\n"};
                    text += words[keywordFirst ? 0 : 1];
                    for (std::size_t i = 0; i < gap; ++i)
                        text += filler[i % filler.size()];
                    text += words[keywordFirst ? 1 : 0];
                    const std::string difference =
                        Difference(ParseEntry(text, codePage), plain::ParseEntry(text, codePage));
                    ASSERT_EQ(difference, "") << Escaped(text);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CodePages, DifferentialTest, ::testing::ValuesIn(TestCodePages()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tarvek::testing
