// Measures the entry parser and the request builder against the plain
// reading (the baseline) and against one memcpy and one memchr pass over the
// same bytes, all in the same run, so the ratios hold on any machine.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_texts.h"
#include "entry_parser.h"
#include "plain_entry.h"
#include "tuning_request.h"

namespace tarvek::bench {

namespace {

constexpr std::size_t kLarge = 64u << 20;

struct ParserCase {
    const char* name;
    std::string text;
    const CodePage* codePage;
    bool entry;       // the text is an entry
    bool allLabels;   // and has every label
};

// The benchmark would measure nonsense if a text were not what its name says;
// this also checks the product against the baseline on these very bytes.
void CheckCase(const ParserCase& c)
{
    const ParsedEntry product = ParseEntry(c.text, *c.codePage);
    const plain::Entry plain = plain::ParseEntry(c.text, *c.codePage);
    const bool labelled = product.fields.frequency == 6070000 && product.fields.hasCall &&
                          product.fields.modulation == "USB";
    const bool agree = product.isEntry == plain.isEntry &&
                       product.fields.frequency == plain.frequency &&
                       product.fields.station == plain.station && product.fields.call == plain.call &&
                       product.fields.site == plain.site && product.fields.country == plain.country &&
                       product.fields.modulation == plain.modulation &&
                       product.fields.hasCall == plain.hasCall;
    if (product.isEntry != c.entry || labelled != c.allLabels || !agree) {
        std::fprintf(stderr, "bench case %s is not what it claims to be\n", c.name);
        std::exit(1);
    }
}

void RegisterPasses(const std::string& name, const std::string& text)
{
    // memcpy into a buffer of its own; memchr for a byte the text lacks, so
    // it reads everything.
    benchmark::RegisterBenchmark((name + "/memcpy").c_str(), [&text](benchmark::State& state) {
        std::vector<char> target(text.size());
        for (auto _ : state) {
            std::memcpy(target.data(), text.data(), text.size());
            benchmark::DoNotOptimize(target.data());
            benchmark::ClobberMemory();
        }
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    });
    benchmark::RegisterBenchmark((name + "/memchr").c_str(), [&text](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(std::memchr(text.data(), '\0', text.size()));
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    });
}

void RegisterParser(const ParserCase& c)
{
    CheckCase(c);
    const std::string name = c.name;
    benchmark::RegisterBenchmark((name + "/product").c_str(), [&c](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(ParseEntry(c.text, *c.codePage));
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * c.text.size()));
    });
    benchmark::RegisterBenchmark((name + "/baseline").c_str(), [&c](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(plain::ParseEntry(c.text, *c.codePage));
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * c.text.size()));
    });
    RegisterPasses(name, c.text);
}

// The request builder on its own, measured per record of 260 bytes.
void RegisterRequest()
{
    static const ParsedEntry parsed = ParseEntry(TypicalEntry(), Windows1252());
    static const plain::Entry plainEntry = plain::ParseEntry(TypicalEntry(), Windows1252());
    static const std::string record(sizeof(CallRecord), 'x');
    benchmark::RegisterBenchmark("request/product", [](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(BuildTuningRequest(parsed.fields, TuneAndStation));
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * record.size()));
    });
    benchmark::RegisterBenchmark("request/baseline", [](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(plain::BuildRequest(plainEntry, TuneAndStation));
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * record.size()));
    });
    RegisterPasses("request", record);
}

}  // namespace

}  // namespace tarvek::bench

int main(int argc, char** argv)
{
    using namespace tarvek;
    using namespace tarvek::bench;
    std::string western = WesternFiller(kLarge);
    std::string keywordAtEnd = western;
    keywordAtEnd.replace(kLarge - 16, 16, "\r\nKLINGENFUSS\r\n\r\n");
    std::string labelsNearEnd = western;
    const std::string tail = EntryTail();
    labelsNearEnd.replace(kLarge - tail.size(), tail.size(), tail);
    std::string doubleByteWorst = DoubleByteFiller(kLarge);
    doubleByteWorst.replace(kLarge - 16, 16, "\r\nKLINGENFUSS\r\n\r\n");

    std::vector<ParserCase> cases;
    cases.push_back({"typical_1KB", TypicalEntry(), &Windows1252(), true, true});
    cases.push_back({"keyword_at_end_64MiB", std::move(keywordAtEnd), &Windows1252(), true, false});
    cases.push_back({"labels_near_end_64MiB", std::move(labelsNearEnd), &Windows1252(), true, true});
    cases.push_back({"keyword_at_end_932_64MiB", std::move(doubleByteWorst), &DoubleByte932(),
                     true, false});
    cases.push_back({"no_keyword_64MiB", std::move(western), &Windows1252(), false, false});
    for (const ParserCase& c : cases)
        RegisterParser(c);
    RegisterRequest();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
