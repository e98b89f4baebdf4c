// Throughput of the line joining and the three readers, on output of realistic shape and on the
// texts that would make a careless reader quadratic. Every case reports bytes per second.
#include <benchmark/benchmark.h>

#include <string>

#include "import/import.h"
#include "import/loader.h"

namespace {

using namespace lumitrak;

constexpr std::size_t kTextSize = 10 * 1000 * 1000;

// `line` (with its number put in front) repeated until the text holds about kTextSize bytes.
std::string fileOf(const std::string& heading, const std::string& line) {
    std::string file = heading;
    for (int n = 1; file.size() < kTextSize; ++n) file += std::to_string(n) + line;
    return file;
}

std::string repeated(const std::string& piece, std::size_t size = kTextSize) {
    std::string text;
    while (text.size() < size) text += piece;
    return text;
}

const std::string& irisFile() {
    static const std::string file = fileOf(
        "IRIS photometry\r\n", " X=1234.56 Y=789.01 Flux=12345.6 Magnitude = -10.2345 (0.012)\r\n");
    return file;
}
const std::string& makariFile() {
    static const std::string file =
        fileOf("No,X,Y,R,Sky,SkySD,Peak,FWHM,A,B,PA,Ell,Snr,Flag,Ra,Dec,Count,Mag\r\n",
               ",812.5,433.1,6,1021.4,12.7,3321,2.81,1.2,1.1,35.0,0.08,143.2,0,12.3456,45.6789,"
               "25013.7,-11.0\r\n");
    return file;
}
const std::string& sImageFile() {
    static const std::string file = fileOf("  #    X       Y      Count    Type\r\n",
                                           "  512.33  401.78  25013.7 SEMICTRD 2.81\r\n");
    return file;
}

// The count readers keep 20 values, as the import does, and still read to the end. The IRIS
// reader is run keeping every value: keeping 20 it would stop after the 20th.
auto keeping20(auto reader) {
    return [reader](std::string_view text) { return reader(text, kComparisonRows); };
}
auto keepingAll(auto reader) {
    return [reader](std::string_view text) { return reader(text, kAllValues); };
}

void run(benchmark::State& state, const std::string& text, auto read) {
    for (auto _ : state) benchmark::DoNotOptimize(read(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}

// A worst case at 2.5, 5 and 10 MB, so that the fitted complexity shows the growth.
std::size_t sizeOf(const benchmark::State& state) {
    return static_cast<std::size_t>(state.range(0));
}

void BM_JoinLines(benchmark::State& state) { run(state, irisFile(), joinFileLines); }
void BM_JoinLinesEmptyLines(benchmark::State& state) {
    run(state, repeated("\r\n", sizeOf(state)), joinFileLines);
}

void BM_IrisRealistic(benchmark::State& state) {
    run(state, joinFileLines(irisFile()), keepingAll(readIrisValues));
}
void BM_IrisKeywordsOnly(benchmark::State& state) {
    run(state, repeated("Magnitude", sizeOf(state)), keepingAll(readIrisValues));
}
void BM_IrisJapaneseWithoutMinus(benchmark::State& state) {
    run(state, repeated("Magnitude 等級 ", sizeOf(state)), keepingAll(readIrisValues));
}

void BM_MakariRealistic(benchmark::State& state) {
    run(state, joinFileLines(makariFile()), keeping20(readMakariValues));
}
void BM_MakariCommasAndCounts(benchmark::State& state) {
    run(state, repeated("7,", sizeOf(state)), keeping20(readMakariValues));
}

void BM_SImageRealistic(benchmark::State& state) {
    run(state, joinFileLines(sImageFile()), keeping20(readSImageValues));
}
// One blank at the start and keywords after it: a search back to the blank from every keyword
// would take time quadratic in the text.
void BM_SImageKeywordsWithoutBlanks(benchmark::State& state) {
    run(state, " 5x" + repeated("SEMICTRD", sizeOf(state)), keeping20(readSImageValues));
}

// The same, with a long run of digits after the blank that every keyword's number text holds.
void BM_SImageKeywordsAfterLongNumber(benchmark::State& state) {
    const std::string text =
        " " + repeated("1", sizeOf(state) / 2) + repeated("SEMICTRD", sizeOf(state) / 2);
    run(state, text, keeping20(readSImageValues));
}

BENCHMARK(BM_JoinLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JoinLinesEmptyLines)
    ->Unit(benchmark::kMillisecond)
    ->Arg(kTextSize / 4)
    ->Arg(kTextSize / 2)
    ->Arg(kTextSize)
    ->Complexity();
BENCHMARK(BM_IrisRealistic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IrisKeywordsOnly)
    ->Unit(benchmark::kMillisecond)
    ->Arg(kTextSize / 4)
    ->Arg(kTextSize / 2)
    ->Arg(kTextSize)
    ->Complexity();
BENCHMARK(BM_IrisJapaneseWithoutMinus)
    ->Unit(benchmark::kMillisecond)
    ->Arg(kTextSize / 4)
    ->Arg(kTextSize / 2)
    ->Arg(kTextSize)
    ->Complexity();
BENCHMARK(BM_MakariRealistic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakariCommasAndCounts)
    ->Unit(benchmark::kMillisecond)
    ->Arg(kTextSize / 4)
    ->Arg(kTextSize / 2)
    ->Arg(kTextSize)
    ->Complexity();
BENCHMARK(BM_SImageRealistic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SImageKeywordsAfterLongNumber)
    ->Unit(benchmark::kMillisecond)
    ->Arg(kTextSize / 4)
    ->Arg(kTextSize / 2)
    ->Arg(kTextSize)
    ->Complexity();
BENCHMARK(BM_SImageKeywordsWithoutBlanks)
    ->Unit(benchmark::kMillisecond)
    ->Arg(kTextSize / 4)
    ->Arg(kTextSize / 2)
    ->Arg(kTextSize)
    ->Complexity();

}  // namespace
