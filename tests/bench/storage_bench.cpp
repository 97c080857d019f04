// Saving and loading players in memory, and listing a library, against zlib on the same bytes.
//
//   build/tests/bench/zel_storage_bench
//
// Encode (run-length + Huffman) runs beside deflate level 1 and decode beside inflate, on the same
// record bytes; compare their CPU times, which other work on a shared machine leaves alone.
#include "players/player_library.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "storage_test_support.h"
#include "text/fixed_text.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

namespace {

using namespace zel;
using Bytes = std::vector<uint8_t>;

Bytes Deflate(const Bytes &in) {
    uLongf size = compressBound(in.size());
    Bytes out(size);
    if (compress2(out.data(), &size, in.data(), in.size(), 1) != Z_OK)
        std::abort();
    out.resize(size);
    return out;
}

// The largest players a file holds (the record must fit 1,048,576 bytes): each codec on the same
// record bytes.
void RegisterCodecs() {
    for (auto [sample, days, tournaments, seed] :
         {std::tuple{"days", 742, 0, 1u}, {"days+tournaments", 600, 529, 2u}}) {
        const PlayerData p = test::MakeRealisticPlayer(days, tournaments, seed);
        const Bytes record = test::RecordOf(p), file = EncodePlayer(p.profile, p.days, p.tournaments),
                    deflated = Deflate(record);
        const auto add = [&](const char *name, std::size_t out, auto body) {
            benchmark::RegisterBenchmark((std::string(name) + "/" + sample).c_str(),
                                         [=](benchmark::State &state) {
                                             for (auto _ : state)
                                                 body(state);
                                             state.counters["record_bytes"] = double(record.size());
                                             state.counters["out_bytes"] = double(out);
                                         })
                ->Unit(benchmark::kMillisecond);
        };
        add("Encode", file.size(), [p](benchmark::State &) {
            benchmark::DoNotOptimize(EncodePlayer(p.profile, p.days, p.tournaments).data());
        });
        add("ZlibCompress1", deflated.size(),
            [record](benchmark::State &) { benchmark::DoNotOptimize(Deflate(record).data()); });
        add("Decode", file.size(), [file](benchmark::State &state) {
            PlayerData back;
            if (DecodePlayer(file, back) != PlayerFileStatus::Ok)
                state.SkipWithError("decode failed");
            benchmark::DoNotOptimize(back.days.data());
        });
        add("ZlibInflate", deflated.size(), [deflated, size = record.size()](benchmark::State &state) {
            Bytes out(size);
            uLongf got = size;
            if (uncompress(out.data(), &got, deflated.data(), deflated.size()) != Z_OK || got != size)
                state.SkipWithError("inflate failed");
            benchmark::DoNotOptimize(out.data());
        });
    }
}

// 128 players of two full seasons each (44 days, 24 tournaments), on tmpfs
// when there is one, as the load dialog lists them.
void ListLibrary(benchmark::State &state) {
    const test::TempDir dir(true);
    SharedState s;
    test::RecordingReporter r;
    for (int i = 0; i < 128; ++i) {
        PlayerData p = test::MakeRealisticPlayer(44, 24, 100 + i);
        SetFieldText(p.profile.name, "Joueur" + std::to_string(i));
        s = test::StateWith(p, dir.path());
        if (!RegisterNewPlayer(s, r))
            std::abort();
    }
    std::size_t listed = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(listed = ReadPlayerLibrary(s, r).size());
    if (listed != 128 || !r.told.empty())
        state.SkipWithError("library not listed whole");
}
BENCHMARK(ListLibrary)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RegisterCodecs();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
