// Static Huffman codec of the player file: code table, packing, decoding.
#include "storage/huffman.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <memory>

namespace zel {
namespace {

struct Huff_Node {
    int left = -1; // both children -1 for a leaf
    int right = -1;
    uint8_t symbol = 0;
};

// A built tree: nodes 0..255 are the leaves, internal nodes follow in the
// order they were made. root is -1 when no byte occurs.
struct Tree {
    std::vector<Huff_Node> nodes;
    int root = -1;
};

Tree BuildTree(const std::array<int64_t, 256> &counts) {
    Tree tree;
    tree.nodes.resize(256);
    std::vector<int> list(256);     // node ids in list order
    std::vector<int64_t> freq(256); // their frequencies, same order
    int live = 0;
    for (int v = 0; v < 256; ++v) {
        tree.nodes[v].symbol = static_cast<uint8_t>(v);
        list[v] = v;
        freq[v] = counts[v];
        if (counts[v] > 0) {
            ++live;
            tree.root = v;
        }
    }
    while (live > 1) {
        const int a = PickMinNode(freq);
        const int id_a = list[a];
        const int64_t freq_a = freq[a];
        list.erase(list.begin() + a);
        freq.erase(freq.begin() + a);
        const int b = PickMinNode(freq);
        const int id_b = list[b];
        const int64_t freq_b = freq[b];
        list.erase(list.begin() + b);
        freq.erase(freq.begin() + b);
        tree.nodes.push_back({id_a, id_b, 0});
        tree.root = static_cast<int>(tree.nodes.size()) - 1;
        list.push_back(tree.root);
        freq.push_back(freq_a + freq_b);
        --live;
    }
    return tree;
}

int Depth(const Tree &tree, int node) {
    const Huff_Node &n = tree.nodes[node];
    if (n.left < 0)
        return 0;
    return 1 + std::max(Depth(tree, n.left), Depth(tree, n.right));
}

// Depth-first, left subtree first; a left step adds a 0 bit, a right step a 1 bit.
void AssignCodes(const Tree &tree, int node, uint32_t path, int depth, std::vector<Code_Entry> &table) {
    const Huff_Node &n = tree.nodes[node];
    if (n.left < 0) {
        table.push_back({path << (16 - depth), static_cast<int8_t>(depth), n.symbol, 0});
        return;
    }
    AssignCodes(tree, n.left, path << 1, depth + 1, table);
    AssignCodes(tree, n.right, (path << 1) | 1, depth + 1, table);
}

// Packs codes most significant bit first into a buffer sized to the exact bit
// count: whole 32-bit groups go out at once, the last bits are padded with 0.
class BitWriter {
  public:
    explicit BitWriter(uint8_t *out) : out_(out) {}
    // `value` holds `length` bits right-aligned.
    void put(uint32_t value, int length) {
        acc_ = (acc_ << length) | value;
        pending_ += length;
        if (pending_ >= 32) {
            pending_ -= 32;
            const uint32_t group = static_cast<uint32_t>(acc_ >> pending_);
            out_[0] = static_cast<uint8_t>(group >> 24);
            out_[1] = static_cast<uint8_t>(group >> 16);
            out_[2] = static_cast<uint8_t>(group >> 8);
            out_[3] = static_cast<uint8_t>(group);
            out_ += 4;
        }
    }
    void finish() {
        for (; pending_ >= 8; pending_ -= 8)
            *out_++ = static_cast<uint8_t>(acc_ >> (pending_ - 8));
        if (pending_ > 0)
            *out_++ = static_cast<uint8_t>(acc_ << (8 - pending_));
        pending_ = 0;
    }

  private:
    uint8_t *out_;
    uint64_t acc_ = 0; // bits above the pending ones are stale and never written
    int pending_ = 0;
};

// Lookup of the code that starts a window of `bits` bits (the longest code's
// length): (length << 8) | symbol, 0 where no code starts.
struct DecodeTable {
    int bits = 0;
    std::vector<uint16_t> slots;
};

bool BuildDecodeTable(std::span<const Code_Entry> table, DecodeTable &lut) {
    if (table.empty() || table.size() > 256)
        return false;
    int longest = 0;
    for (const Code_Entry &e : table) {
        if (e.length < 1 || e.length > kMaxCodeLength || e.code > 0xFFFF)
            return false;
        if ((e.code & ((1u << (16 - e.length)) - 1)) != 0)
            return false; // stray bits below the code: the entry could never match
        longest = std::max<int>(longest, e.length);
    }
    lut.bits = longest;
    lut.slots.assign(std::size_t(1) << longest, 0);
    for (const Code_Entry &e : table) {
        const uint32_t first = e.code >> (16 - longest);
        const uint32_t span = 1u << (longest - e.length);
        const uint16_t value = static_cast<uint16_t>((e.length << 8) | e.symbol);
        for (uint32_t slot = first; slot < first + span; ++slot) {
            if (lut.slots[slot] != 0)
                return false; // duplicate code, or one code is a prefix of another
            lut.slots[slot] = value;
        }
    }
    return true;
}

// The codes that lie whole in the first kPairBits bits of a window, up to two:
// symbols in bits 0..7 and 8..15, their total length in bits 16..23, how many
// in bits 24..31. 0 where the first code is longer or matches nothing.
constexpr int kPairBits = 12;

std::vector<uint32_t> BuildPairTable(const DecodeTable &lut) {
    std::vector<uint32_t> pairs(std::size_t(1) << kPairBits, 0);
    // The code that starts a 16-bit window, if it lies in its first `room` bits.
    auto code_at = [&](uint32_t window, int room) -> uint32_t {
        const uint16_t hit = lut.slots[window >> (16 - lut.bits)];
        return hit != 0 && (hit >> 8) <= room ? hit : 0;
    };
    for (uint32_t index = 0; index < pairs.size(); ++index) {
        const uint32_t window = index << (16 - kPairBits);
        const uint32_t first = code_at(window, kPairBits);
        if (first == 0)
            continue;
        const int first_length = static_cast<int>(first >> 8);
        const uint32_t second = code_at((window << first_length) & 0xFFFF, kPairBits - first_length);
        const uint32_t total = static_cast<uint32_t>(first_length) + (second >> 8);
        pairs[index] = (first & 0xFF) | (second & 0xFF) << 8 | total << 16 | (second ? 2u : 1u) << 24;
    }
    return pairs;
}

} // namespace

int PickMinNode(std::span<const int64_t> frequencies) {
    int best = -1;
    int64_t best_freq = std::numeric_limits<int64_t>::max();
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
        if (frequencies[i] > 0 && frequencies[i] < best_freq) {
            best = static_cast<int>(i);
            best_freq = frequencies[i];
        }
    }
    return best;
}

Huff_Encoded HuffEncode(std::span<const uint8_t> input) {
    Huff_Encoded result;
    std::array<int64_t, 256> counts{};
    for (uint8_t b : input)
        ++counts[b];
    const std::array<int64_t, 256> counts_of_input = counts; // flattening changes counts

    Tree tree = BuildTree(counts);
    if (tree.root < 0)
        return result;
    if (tree.root < 256) {
        result.table.push_back({0, 1, tree.nodes[tree.root].symbol, 0});
    } else {
        while (Depth(tree, tree.root) > kMaxCodeLength) {
            for (int64_t &c : counts)
                c = (c + 1) / 2; // a count of 0 stays 0, any other stays >= 1
            tree = BuildTree(counts);
        }
        AssignCodes(tree, tree.root, 0, 0, result.table);
    }

    // Each byte takes the first entry of its symbol; codes right-aligned.
    std::array<uint32_t, 256> value{};
    std::array<int, 256> length{};
    for (std::size_t i = result.table.size(); i-- > 0;) {
        const Code_Entry &e = result.table[i];
        value[e.symbol] = e.code >> (16 - e.length);
        length[e.symbol] = e.length;
    }
    for (int v = 0; v < 256; ++v)
        result.bit_count += static_cast<uint64_t>(counts_of_input[v]) * static_cast<uint64_t>(length[v]);
    result.bits.resize(static_cast<std::size_t>((result.bit_count + 7) / 8));
    BitWriter writer(result.bits.data());
    for (uint8_t b : input)
        writer.put(value[b], length[b]);
    writer.finish();
    return result;
}

DecodeStatus HuffDecode(std::span<const Code_Entry> table, std::span<const uint8_t> bits, uint64_t bit_count,
                        std::size_t max_output, std::vector<uint8_t> &out) {
    if (bit_count > static_cast<uint64_t>(bits.size()) * 8)
        return DecodeStatus::Truncated;
    DecodeTable lut;
    if (!BuildDecodeTable(table, lut))
        return DecodeStatus::BadTable;
    const std::vector<uint32_t> pairs = BuildPairTable(lut);

    // Every symbol takes at least one bit. Two bytes of room for the pair writes.
    const std::size_t room = static_cast<std::size_t>(std::min<uint64_t>(max_output, bit_count));
    const std::unique_ptr<uint8_t[]> result(new uint8_t[room + 2]);
    std::size_t produced = 0;
    const std::size_t nbytes = bits.size();
    const uint16_t *slots = lut.slots.data();
    uint64_t pos = 0;

    // While 64 bits are left and 8 whole bytes lie under pos, one load gives 57
    // valid bits: enough for three pair lookups (36 bits) and then one full code,
    // at most 7 bytes.
    // Anything out of the ordinary (a long code, bits that match nothing, the
    // output cap near) takes the careful path below, which is exact.
    if (nbytes >= 8 && bit_count >= 64) {
        const uint64_t last_load = nbytes - 8;
        const uint64_t last_pos = bit_count - 64;
        const int pair_shift = 64 - kPairBits;
        while (pos <= last_pos && (pos >> 3) <= last_load && produced + 7 <= max_output) {
            uint64_t word;
            std::memcpy(&word, bits.data() + (pos >> 3), sizeof word);
            word = __builtin_bswap64(word) << (pos & 7);
            int step = 0;
            for (; step < 3; ++step) {
                const uint32_t e = pairs[word >> pair_shift];
                if (e == 0)
                    break;
                result[produced] = static_cast<uint8_t>(e);
                result[produced + 1] = static_cast<uint8_t>(e >> 8);
                produced += e >> 24;
                const int used = (e >> 16) & 0xFF;
                word <<= used;
                pos += static_cast<uint64_t>(used);
            }
            if (step == 3)
                continue;
            const uint16_t hit = slots[(word >> 48) >> (16 - lut.bits)];
            if (hit == 0)
                return DecodeStatus::Corrupt;
            result[produced++] = static_cast<uint8_t>(hit & 0xFF);
            pos += hit >> 8;
        }
    }
    while (pos < bit_count) {
        // The 16 bits from pos; bits at or past bit_count count as 0.
        const std::size_t i = static_cast<std::size_t>(pos >> 3);
        uint32_t w = static_cast<uint32_t>(bits[i]) << 16;
        if (i + 1 < nbytes)
            w |= static_cast<uint32_t>(bits[i + 1]) << 8;
        if (i + 2 < nbytes)
            w |= bits[i + 2];
        uint32_t window = (w >> (8 - (pos & 7))) & 0xFFFF;
        const uint64_t left = bit_count - pos;
        if (left < 16)
            window &= (0xFFFFu << (16 - left)) & 0xFFFF;
        const uint16_t hit = slots[window >> (16 - lut.bits)];
        if (hit == 0)
            return DecodeStatus::Corrupt;
        const unsigned length = hit >> 8;
        if (length > left)
            break; // the last bits only start a code: dropped
        if (produced == max_output)
            return DecodeStatus::TooLarge;
        result[produced++] = static_cast<uint8_t>(hit & 0xFF);
        pos += length;
    }
    out.assign(result.get(), result.get() + produced);
    return DecodeStatus::Ok;
}

} // namespace zel
