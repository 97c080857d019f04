// Writes the seed corpus of the fuzz targets from the players the tests use.
//
//   zel_fuzz_seeds tests/data/fuzz
//
// Every seed is a well-formed input or a near miss, so the fuzzers start deep
// inside the formats rather than at their first check.
#include "text/fixed_text.h"
#include "players/player_library.h"
#include "storage/huffman.h"
#include "storage/player_file.h"
#include "storage/run_length.h"
#include "storage_test_support.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

using namespace zel;
using Bytes = std::vector<uint8_t>;

std::string g_root;

void Put(const std::string &target, const std::string &name, const Bytes &bytes) {
    std::filesystem::create_directories(g_root + "/" + target);
    test::WriteBytes(g_root + "/" + target + "/" + name, bytes);
}

void Put(const std::string &target, const std::string &name, std::string_view text) {
    Put(target, name, Bytes(text.begin(), text.end()));
}

Bytes Encode(const PlayerData &p) {
    return EncodePlayer(p.profile, p.days, p.tournaments);
}

Bytes RecordOf(const PlayerData &p) {
    Bytes r(reinterpret_cast<const uint8_t *>(&p.profile), reinterpret_cast<const uint8_t *>(&p.profile + 1));
    for (const Day_Sheet &d : p.days)
        r.insert(r.end(), reinterpret_cast<const uint8_t *>(&d), reinterpret_cast<const uint8_t *>(&d + 1));
    for (const Tournament_Sheet &t : p.tournaments)
        r.insert(r.end(), reinterpret_cast<const uint8_t *>(&t), reinterpret_cast<const uint8_t *>(&t + 1));
    return r;
}

void PutLe(Bytes &out, uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// The huff_decode input layout: count - 1, bit count, output cap, table, bits.
Bytes HuffInput(const Bytes &input, std::size_t cap) {
    const Huff_Encoded e = HuffEncode(input);
    Bytes out{static_cast<uint8_t>(e.table.size() - 1)};
    PutLe(out, e.bit_count, 8);
    PutLe(out, cap, 2);
    const auto *t = reinterpret_cast<const uint8_t *>(e.table.data());
    out.insert(out.end(), t, t + 8 * e.table.size());
    out.insert(out.end(), e.bits.begin(), e.bits.end());
    return out;
}

Bytes Record(std::string_view name) {
    Bytes r(kLibraryRecordBytes, 0);
    std::memcpy(r.data(), name.data(), name.size());
    return r;
}

// The player_library input layout: file count and directory bits, files, User.bib.
Bytes LibraryInput(const std::vector<Bytes> &files, unsigned directories, const std::vector<Bytes> &records,
                   const Bytes &tail = {}) {
    Bytes out{static_cast<uint8_t>(files.size() | directories << 3)};
    for (const Bytes &f : files) {
        PutLe(out, f.size(), 2);
        out.insert(out.end(), f.begin(), f.end());
    }
    for (const Bytes &r : records)
        out.insert(out.end(), r.begin(), r.end());
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
}

PlayerData Small(const char *name, const char *file) {
    PlayerData p{};
    p.profile = test::MakeProfile(name, "Jean", file);
    return p;
}

void PlayerFiles() {
    Put("player_file", "dupont.usr",
        test::ReadBytes(std::string(ZEL_SOURCE_DIR) + "/tests/data/storage/dupont.usr"));
    Put("player_file", "new_player.usr", Encode(Small("Martin", "Martin.usr")));
    Put("player_file", "season.usr", Encode(test::MakeRealisticPlayer(22, 12, 1)));
    Put("player_file", "two_seasons.usr", Encode(test::MakeRealisticPlayer(44, 24, 2)));
    Put("player_file", "five_seasons.usr", Encode(test::MakeRealisticPlayer(110, 60, 3)));
    std::mt19937 rng(99);
    Put("player_file", "random.usr", Encode(test::MakeRandomPlayer(rng, 3, 4)));
    // Near misses: each stops at a different check.
    const Bytes dupont = Encode(test::MakeDeterministicPlayer());
    Put("player_file", "not_usr.bin", Bytes{'U', 'S', 'R', 1, 0, 0, 0});
    Put("player_file", "header_only.usr", "usr");
    Bytes cut(dupont.begin(), dupont.begin() + static_cast<std::ptrdiff_t>(dupont.size() / 2));
    Put("player_file", "truncated.usr", cut);
    Bytes trailing = dupont;
    trailing.push_back(0);
    Put("player_file", "trailing.usr", trailing);
    Bytes counts = RecordOf(test::MakeDeterministicPlayer());
    counts[252] = 3; // one day more than the record holds
    const Huff_Encoded e = HuffEncode(RunLengthPack(counts));
    Bytes wrong{'u', 's', 'r'};
    PutLe(wrong, e.table.size(), 4);
    const auto *t = reinterpret_cast<const uint8_t *>(e.table.data());
    wrong.insert(wrong.end(), t, t + 8 * e.table.size());
    PutLe(wrong, e.bit_count, 4);
    wrong.insert(wrong.end(), e.bits.begin(), e.bits.end());
    Put("player_file", "wrong_count.usr", wrong);
}

void HuffInputs() {
    Put("huff_decode", "abca.bin", HuffInput({'a', 'b', 'c', 'a'}, 100));
    Put("huff_decode", "eight_values.bin", HuffInput({0, 1, 2, 3, 4, 5, 6, 7}, 8));
    Put("huff_decode", "one_value.bin", HuffInput(Bytes(40, 'z'), 40));
    Put("huff_decode", "player_stream.bin",
        HuffInput(RunLengthPack(RecordOf(test::MakeRealisticPlayer(8, 4, 4))), 65535));
    Put("huff_decode", "capped.bin", HuffInput(RunLengthPack(RecordOf(test::MakeDeterministicPlayer())), 64));
    // Counts in a Fibonacci row make a chain: 17 values give codes of 16 bits.
    Bytes deep;
    uint64_t a = 1, b = 1;
    for (int v = 0; v < 17; ++v) {
        deep.insert(deep.end(), a, static_cast<uint8_t>(v));
        const uint64_t c = a + b;
        a = b;
        b = c;
    }
    Put("huff_decode", "deep_codes.bin", HuffInput(deep, 65535));
    std::mt19937 rng(5);
    Bytes all(3000);
    for (uint8_t &x : all)
        x = static_cast<uint8_t>(std::min(rng() % 256, rng() % 256));
    Put("huff_decode", "all_values.bin", HuffInput(all, 65535));
}

void LibraryInputs() {
    const Bytes a = Encode(Small("Dupont", "A.usr"));
    const Bytes b = Encode(test::MakeRealisticPlayer(5, 3, 6));
    Put("player_library", "one_player.bin", LibraryInput({a}, 0, {Record("A.usr")}));
    Put("player_library", "two_players.bin", LibraryInput({a, b}, 0, {Record("A.usr"), Record("B.usr")}));
    Put("player_library", "missing_and_unsafe.bin",
        LibraryInput({a}, 0,
                     {Record("A.usr"), Record("X.usr"), Record("../A.usr"), Record(""), Record("."),
                      Bytes(kLibraryRecordBytes, 'A')},
                     Bytes(8, 'p')));
    Put("player_library", "not_a_player.bin",
        LibraryInput({a, Bytes{'h', 'e', 'l', 'l', 'o'}, Bytes{'u', 's', 'r'}}, 0,
                     {Record("C.usr"), Record("B.usr"), Record("A.usr")}));
    Put("player_library", "directory.bin", LibraryInput({a, a}, 2, {Record("B.usr"), Record("A.usr")}));
    Put("player_library", "same_names.bin",
        LibraryInput({a, a, a}, 0, {Record("A.usr"), Record("B.usr"), Record("C.usr"), Record("A.usr")}));
    Put("player_library", "empty_library.bin", LibraryInput({a}, 0, {}));
    Bytes fifo = LibraryInput({a}, 0, {Record("E.usr"), Record("A.usr")});
    fifo[0] |= 0x80; // E.usr is a FIFO
    Put("player_library", "fifo.bin", fifo);
}

void IniInputs() {
    // Byte 0 picks the key and the value the target writes.
    auto ini = [](std::string_view text, char pick = 0) { return std::string(1, pick) + std::string(text); };
    Put("ini_file", "shipped.ini",
        ini("[Zel]\r\nUserDrive=\r\nUserPath=.\\users\\\r\n\r\n[Options]\r\nAutoLoad=FALSE\r\n"
            "AFileName=XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\r\nAPassword=FALSE\r\nAutoGrid=FALSE\r\n"));
    Put("ini_file", "windows_drive.ini", ini("[Zel]\nUserDrive=C\nUserPath=:\\Zel\\users\\\n", 9));
    Put("ini_file", "quotes_and_case.ini",
        ini("; réglages\r\n[zel]\r\n  userdrive =  D  \r\nUserPath=\"\\players\\\"\r\n[Options]\r\n"
            "AutoLoad=true\r\nAFileName='Dupont.usr'\r\nEmpty=\r\n[options]\r\nAutoGrid=TRUE\r\n",
            3));
    Put("ini_file", "no_final_newline.ini", ini("[Options]\nAutoLoad=TRUE", 18));
    Put("ini_file", "odd_lines.ini",
        ini("=\n[\n[]\n[Zel\nUserPath\n  [Options]  \n AutoLoad = TRUE \r\r\n[Autre]\nClé=1\n", 23));
    Put("ini_file", "long_value.ini", ini("[Zel]\nUserPath=" + std::string(1100, 'a') + "\n", 44));
    Put("ini_file", "empty.ini", ini("", 1));
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
    IniInputs();
    return 0;
}
