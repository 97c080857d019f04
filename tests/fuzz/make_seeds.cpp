// Writes the seed corpus of the fuzz targets from the players the tests use (the settings files of
// ini_file are written by hand).
//
//   zel_fuzz_seeds tests/data/fuzz
//
// Every seed is a well-formed input or a near miss, so the fuzzers start deep
// inside the formats rather than at their first check.
#include "players/player_library.h"
#include "storage/huffman.h"
#include "storage/player_file.h"
#include "storage/run_length.h"
#include "storage_test_support.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {

using namespace zel;
using Bytes = std::vector<uint8_t>;

std::string g_root;

void Put(const std::string &target, const std::string &name, const Bytes &bytes) {
    std::filesystem::create_directories(g_root + "/" + target);
    test::WriteBytes(g_root + "/" + target + "/" + name, bytes);
}

Bytes Encode(const PlayerData &p) {
    return EncodePlayer(p.profile, p.days, p.tournaments);
}

void PutLe(Bytes &out, uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// The huff_decode input layout: count - 1, bit count, output cap, table, bits.
Bytes HuffRaw(const std::vector<Code_Entry> &table, uint64_t bit_count, std::size_t cap, const Bytes &bits) {
    Bytes out{static_cast<uint8_t>(table.size() - 1)};
    PutLe(out, bit_count, 8);
    PutLe(out, cap, 2);
    const auto *t = reinterpret_cast<const uint8_t *>(table.data());
    out.insert(out.end(), t, t + 8 * table.size());
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

Bytes HuffInput(const Bytes &input, std::size_t cap) {
    const Huff_Encoded e = HuffEncode(input);
    return HuffRaw(e.table, e.bit_count, cap, e.bits);
}

// The player_library input layout: file count and directory bits, files, then User.bib's
// records (a name each) and any tail.
Bytes LibraryInput(const std::vector<Bytes> &files, unsigned flags, const std::vector<std::string> &records,
                   const Bytes &tail = {}) {
    Bytes out{static_cast<uint8_t>(files.size() | flags)};
    for (const Bytes &f : files) {
        PutLe(out, f.size(), 2);
        out.insert(out.end(), f.begin(), f.end());
    }
    for (const std::string &r : records) {
        out.insert(out.end(), r.begin(), r.end());
        out.resize(out.size() + kLibraryRecordBytes - r.size(), 0);
    }
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
}

Bytes Text(std::string_view text) {
    return {text.begin(), text.end()};
}

void PlayerFiles() {
    Put("player_file", "dupont.usr", test::ReadBytes(std::string(ZEL_TEST_DATA) + "/storage/dupont.usr"));
    Put("player_file", "new_player.usr", Encode({test::MakeProfile("Martin", "Jean", "Martin.usr"), {}, {}}));
    Put("player_file", "season.usr", Encode(test::MakeRealisticPlayer(22, 12, 1)));
    Put("player_file", "two_seasons.usr", Encode(test::MakeRealisticPlayer(44, 24, 2)));
    Put("player_file", "five_seasons.usr", Encode(test::MakeRealisticPlayer(110, 60, 3)));
    std::mt19937 rng(99);
    Put("player_file", "random.usr", Encode(test::MakeRandomPlayer(rng, 3, 4)));
    // Near misses: each stops at a different check.
    const Bytes dupont = Encode(test::MakeDeterministicPlayer());
    Put("player_file", "not_usr.bin", Bytes{'U', 'S', 'R', 1, 0, 0, 0});
    Put("player_file", "header_only.usr", Text("usr"));
    Put("player_file", "truncated.usr", Bytes(dupont.begin(), dupont.begin() + dupont.size() / 2));
    Bytes trailing = dupont;
    trailing.push_back(0);
    Put("player_file", "trailing.usr", trailing);
    Bytes counts = test::RecordOf(test::MakeDeterministicPlayer());
    counts[252] = 3; // one day more than the record holds
    Put("player_file", "wrong_count.usr", test::FileAround(counts));
}

void HuffInputs() {
    Put("huff_decode", "abca.bin", HuffInput(Text("abca"), 100));
    Put("huff_decode", "eight_values.bin", HuffInput({0, 1, 2, 3, 4, 5, 6, 7}, 8));
    Put("huff_decode", "one_value.bin", HuffInput(Bytes(40, 'z'), 40));
    Put("huff_decode", "player_stream.bin",
        HuffInput(RunLengthPack(test::RecordOf(test::MakeRealisticPlayer(8, 4, 4))), 65535));
    Put("huff_decode", "capped.bin",
        HuffInput(RunLengthPack(test::RecordOf(test::MakeDeterministicPlayer())), 64));
    // Counts in a Fibonacci row make a chain: 17 values give codes of 16 bits.
    Bytes deep;
    for (uint64_t v = 0, a = 1, b = 1; v < 17; ++v, b += a, a = b - a)
        deep.insert(deep.end(), a, static_cast<uint8_t>(v));
    Put("huff_decode", "deep_codes.bin", HuffInput(deep, 65535));
    std::mt19937 rng(5);
    Bytes all(3000);
    for (uint8_t &x : all)
        x = static_cast<uint8_t>(std::min(rng() % 256, rng() % 256));
    Put("huff_decode", "all_values.bin", HuffInput(all, 65535));
    // Near misses: tables no encoder writes, and bit counts that end inside a code, before the
    // padding or past the bits.
    const auto b = [](int32_t code, int8_t length) { return Code_Entry{uint32_t(code), length, 'b', 0}; };
    const Code_Entry a{0x0000, 1, 'a', 0};
    for (const auto &[name, entry] : {std::pair{"length_0", Code_Entry{0x8000, 0, 'b', 0}},
                                      {"length_17", b(0x8000, 17)},
                                      {"negative_length", b(0x8000, -1)},
                                      {"bits_above_16", b(0x18000, 1)},
                                      {"duplicate_code", b(0x0000, 1)},
                                      {"prefix_code", b(0x4000, 2)}})
        Put("huff_decode", std::string("table_") + name + ".bin", HuffRaw({a, entry}, 8, 100, {0}));
    Put("huff_decode", "table_stray_bits.bin", HuffRaw({{0x4000, 1, 'a', 0}, b(0x8000, 1)}, 8, 100, {0}));
    Put("huff_decode", "incomplete_table.bin", HuffRaw({a}, 8, 100, {0x40}));
    const Huff_Encoded abca = HuffEncode(Text("abca"));
    Put("huff_decode", "trailing_partial_code.bin", HuffRaw(abca.table, 7, 100, {0x5A}));
    Put("huff_decode", "padding_not_zero.bin", HuffRaw(abca.table, 6, 100, {0x5B}));
    Put("huff_decode", "bits_past_the_end.bin", HuffRaw(abca.table, 9, 100, {0x58}));
}

void LibraryInputs() {
    const Bytes a = Encode({test::MakeProfile("Dupont", "Jean", "A.usr"), {}, {}});
    const Bytes b = Encode(test::MakeRealisticPlayer(5, 3, 6));
    Put("player_library", "one_player.bin", LibraryInput({a}, 0, {"A.usr"}));
    Put("player_library", "two_players.bin", LibraryInput({a, b}, 0, {"A.usr", "B.usr"}));
    Put("player_library", "missing_and_unsafe.bin",
        LibraryInput({a}, 0, {"A.usr", "X.usr", "../A.usr", "", ".", std::string(kLibraryRecordBytes, 'A')},
                     Bytes(8, 'p')));
    Put("player_library", "not_a_player.bin",
        LibraryInput({a, Text("hello"), Text("usr")}, 0, {"C.usr", "B.usr", "A.usr"}));
    Put("player_library", "directory.bin", LibraryInput({a, a}, 2 << 3, {"B.usr", "A.usr"}));
    Put("player_library", "same_names.bin", LibraryInput({a, a, a}, 0, {"A.usr", "B.usr", "C.usr", "A.usr"}));
    Put("player_library", "empty_library.bin", LibraryInput({a}, 0, {}));
    Put("player_library", "fifo.bin", LibraryInput({a}, 0x80, {"E.usr", "A.usr"})); // E.usr is a FIFO
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_ROOT\n", argv[0]);
        return 2;
    }
    g_root = argv[1];
    PlayerFiles();
    HuffInputs();
    LibraryInputs();
    return 0;
}
