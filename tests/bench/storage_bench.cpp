// Saving and loading players in memory, and listing a library, against zlib on the same bytes.
//
//   build/tests/bench/zel_storage_bench
//
// Ends with the ratios of our times to zlib's: encode (run-length + Huffman)
// against deflate level 1, decode against inflate, on the same record bytes.
// The ratios use CPU time, which other work on a shared machine leaves alone.
#include "text/fixed_text.h"
#include "players/player_library.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "storage_test_support.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace {

using namespace zel;

// The largest players a file holds: the record must fit 1,048,576 bytes.
struct Sample {
    const char *name;
    PlayerData player;
    std::vector<uint8_t> record; // what both codecs compress
    std::vector<uint8_t> file;   // ours
    std::vector<uint8_t> deflated;
};

std::vector<uint8_t> RecordOf(const PlayerData &p) {
    std::vector<uint8_t> r(reinterpret_cast<const uint8_t *>(&p.profile),
                           reinterpret_cast<const uint8_t *>(&p.profile + 1));
    r.insert(r.end(), reinterpret_cast<const uint8_t *>(p.days.data()),
             reinterpret_cast<const uint8_t *>(p.days.data() + p.days.size()));
    r.insert(r.end(), reinterpret_cast<const uint8_t *>(p.tournaments.data()),
             reinterpret_cast<const uint8_t *>(p.tournaments.data() + p.tournaments.size()));
    return r;
}

std::vector<uint8_t> Deflate(const std::vector<uint8_t> &in) {
    uLongf size = compressBound(in.size());
    std::vector<uint8_t> out(size);
    if (compress2(out.data(), &size, in.data(), in.size(), 1) != Z_OK)
        std::abort();
    out.resize(size);
    return out;
}

Sample &GetSample(int which) {
    static std::vector<Sample> samples = [] {
        std::vector<Sample> all;
        all.push_back({"days", test::MakeRealisticPlayer(742, 0, 1), {}, {}, {}});
        all.push_back({"days+tournaments", test::MakeRealisticPlayer(600, 529, 2), {}, {}, {}});
        for (Sample &s : all) {
            s.record = RecordOf(s.player);
            s.file = EncodePlayer(s.player.profile, s.player.days, s.player.tournaments);
            s.deflated = Deflate(s.record);
            if (s.record.size() > kMaxRecordBytes || s.file.empty())
                std::abort();
        }
        return all;
    }();
    return samples[which];
}

void Sizes(benchmark::State &state, const Sample &s, std::size_t out) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * s.record.size()));
    state.counters["record_bytes"] = static_cast<double>(s.record.size());
    state.counters["out_bytes"] = static_cast<double>(out);
    state.SetLabel(s.name);
}

void Encode(benchmark::State &state) {
    const Sample &s = GetSample(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<uint8_t> file = EncodePlayer(s.player.profile, s.player.days, s.player.tournaments);
        benchmark::DoNotOptimize(file.data());
    }
    Sizes(state, s, s.file.size());
}

void Decode(benchmark::State &state) {
    const Sample &s = GetSample(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        PlayerData p;
        if (DecodePlayer(s.file, p) != PlayerFileStatus::Ok)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(p.days.data());
    }
    Sizes(state, s, s.file.size());
}

void ZlibCompress1(benchmark::State &state) {
    const Sample &s = GetSample(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<uint8_t> out = Deflate(s.record);
        benchmark::DoNotOptimize(out.data());
    }
    Sizes(state, s, s.deflated.size());
}

void ZlibInflate(benchmark::State &state) {
    const Sample &s = GetSample(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<uint8_t> out(s.record.size());
        uLongf size = out.size();
        if (uncompress(out.data(), &size, s.deflated.data(), s.deflated.size()) != Z_OK || size != out.size())
            state.SkipWithError("inflate failed");
        benchmark::DoNotOptimize(out.data());
    }
    Sizes(state, s, s.deflated.size());
}

BENCHMARK(Encode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ZlibCompress1)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Decode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ZlibInflate)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 128 players of two full seasons each (44 days, 24 tournaments), on tmpfs
// when there is one, as the load dialog lists them.
void ListLibrary(benchmark::State &state) {
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string dir = (base / "zel-bench-XXXXXX").string();
    if (!::mkdtemp(dir.data()))
        std::abort();
    dir += "/";
    SharedState s;
    s.User_Dir = dir;
    test::RecordingReporter r;
    for (int i = 0; i < 128; ++i) {
        const PlayerData p = test::MakeRealisticPlayer(44, 24, 100 + i);
        s.Current_Profile = p.profile;
        SetFieldText(s.Current_Profile.name, "Joueur" + std::to_string(i));
        s.Mem_Days = p.days;
        s.Mem_Tournois = p.tournaments;
        if (!RegisterNewPlayer(s, r))
            std::abort();
    }
    std::size_t listed = 0;
    for (auto _ : state) {
        listed = ReadPlayerLibrary(s, r).size();
        benchmark::DoNotOptimize(listed);
    }
    if (listed != 128 || !r.messages.empty())
        state.SkipWithError("library not listed whole");
    state.counters["players"] = static_cast<double>(listed);
    std::filesystem::remove_all(dir);
}
BENCHMARK(ListLibrary)->Unit(benchmark::kMillisecond);

// Prints the table as usual, then our CPU time over zlib's for each sample.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const char *samples[] = {"days", "days+tournaments"};
        for (int i = 0; i < 2; ++i) {
            ratio("encode / zlib level 1 compress", "Encode/", "ZlibCompress1/", i, samples[i]);
            ratio("decode / zlib inflate         ", "Decode/", "ZlibInflate/", i, samples[i]);
        }
    }

  private:
    void ratio(const char *what, const std::string &ours, const std::string &theirs, int arg,
               const char *sample) {
        const auto a = times_.find(ours + std::to_string(arg));
        const auto b = times_.find(theirs + std::to_string(arg));
        if (a != times_.end() && b != times_.end())
            std::printf("%s %-17s %.2f\n", what, sample, a->second / b->second);
    }
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
