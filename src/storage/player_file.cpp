// The player file: one player's profile, days and tournaments, compressed.
#include "storage/player_file.h"

#include "shell/shared_state.h"
#include "storage/atomic_file.h"
#include "storage/huffman.h"
#include "storage/run_length.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"

#include <cstring>
#include <functional>

namespace zel {
namespace {

constexpr char kOpenCaption[] = "Probleme d'ouverture du fichier";
constexpr char kInfoCaption[] = "Info";
constexpr std::size_t kProfileBytes = sizeof(Player_Profile);
constexpr std::size_t kDayBytes = sizeof(Day_Sheet);
constexpr std::size_t kTournamentBytes = sizeof(Tournament_Sheet);
constexpr int32_t kMaxScaleLength = 19;

uint32_t ReadLe32(const uint8_t *p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void AppendLe32(std::vector<uint8_t> &out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

template <typename T> void AppendRaw(std::vector<uint8_t> &out, const T *items, std::size_t count) {
    const auto *p = reinterpret_cast<const uint8_t *>(items);
    out.insert(out.end(), p, p + sizeof(T) * count);
}

bool CountsUsable(const Player_Profile &profile, std::size_t days, std::size_t tournaments) {
    return profile.day_count >= 0 && profile.tournament_count >= 0 &&
           static_cast<std::size_t>(profile.day_count) <= days &&
           static_cast<std::size_t>(profile.tournament_count) <= tournaments;
}

uint64_t RecordBytes(int64_t days, int64_t tournaments) {
    return kProfileBytes + kDayBytes * static_cast<uint64_t>(days) +
           kTournamentBytes * static_cast<uint64_t>(tournaments);
}

std::vector<uint8_t> BuildRecord(const Player_Profile &profile, std::span<const Day_Sheet> days,
                                 std::span<const Tournament_Sheet> tournaments) {
    std::vector<uint8_t> record;
    record.reserve(RecordBytes(profile.day_count, profile.tournament_count));
    AppendRaw(record, &profile, 1);
    AppendRaw(record, days.data(), static_cast<std::size_t>(profile.day_count));
    AppendRaw(record, tournaments.data(), static_cast<std::size_t>(profile.tournament_count));
    return record;
}

// Where each section of a file with a table of n entries begins, for telling
// the user which write failed.
const char *WriteFailureText(std::size_t offset, std::size_t entries) {
    if (offset < 3)
        return "Erreur d'écriture de l'identificateur";
    if (offset < 7)
        return "Erreur d'écriture de Num_code";
    if (offset < 7 + 8 * entries)
        return "Erreur d'écriture Code";
    if (offset < 11 + 8 * entries)
        return "Erreur d'écriture Bin_pos";
    return "Erreur d'écriture Recept";
}

// How many more pair-stream bytes a record may need when `added` bytes of any
// content are inserted: each may stand alone, and the run it lands in may split.
std::size_t WorstStreamGrowth(std::size_t added) {
    return 2 * added + 2;
}

bool FitsOneMore(const SharedState &s, int extra_days, int extra_tournaments) {
    const Player_Profile &p = s.Current_Profile;
    if (!CountsUsable(p, s.Mem_Days.size(), s.Mem_Tournois.size()))
        return false;
    const uint64_t added = kDayBytes * extra_days + kTournamentBytes * extra_tournaments;
    if (RecordBytes(p.day_count, p.tournament_count) + added > kMaxRecordBytes)
        return false;
    const std::vector<uint8_t> record = BuildRecord(p, s.Mem_Days, s.Mem_Tournois);
    return RunLengthPackedSize(record) + WorstStreamGrowth(added) <= kMaxStreamBytes;
}

} // namespace

std::string_view DescribePlayerFileStatus(PlayerFileStatus status) {
    switch (status) {
    case PlayerFileStatus::Ok:
        return "";
    case PlayerFileStatus::NotPlayerFile:
        return "Ce fichier n'est pas un fichier joueur";
    case PlayerFileStatus::TruncatedNumCode:
        return "Erreur de lecture de Num_code";
    case PlayerFileStatus::TruncatedCode:
        return "Erreur de lecture Code";
    case PlayerFileStatus::TruncatedBinPos:
        return "Erreur de lecture Bin_pos";
    case PlayerFileStatus::BinPosPastEnd:
        return "Erreur de lecture Contenu";
    case PlayerFileStatus::BadNumCode:
        return "Fichier joueur endommagé : nombre de codes (Num_code) invalide";
    case PlayerFileStatus::BadCodeTable:
        return "Fichier joueur endommagé : table des codes invalide";
    case PlayerFileStatus::TrailingBytes:
        return "Fichier joueur endommagé : données en trop après Contenu";
    case PlayerFileStatus::BadStream:
        return "Fichier joueur endommagé : données compressées invalides";
    case PlayerFileStatus::TooLarge:
        return "Fichier joueur endommagé : données trop volumineuses";
    case PlayerFileStatus::BadRecordSize:
        return "Fichier joueur endommagé : la taille des données ne correspond pas au profil";
    case PlayerFileStatus::BadCounts:
        return "Fichier joueur endommagé : nombre de journées ou de tournois invalide";
    case PlayerFileStatus::BadScaleLength:
        return "Fichier joueur endommagé : échelle des classements invalide";
    }
    return "Fichier joueur endommagé";
}

PlayerFit CheckPlayerFit(const Player_Profile &profile, std::span<const Day_Sheet> days,
                         std::span<const Tournament_Sheet> tournaments) {
    if (!CountsUsable(profile, days.size(), tournaments.size()))
        return PlayerFit::BadCounts;
    if (RecordBytes(profile.day_count, profile.tournament_count) > kMaxRecordBytes)
        return PlayerFit::RecordTooLarge;
    if (RunLengthPackedSize(BuildRecord(profile, days, tournaments)) > kMaxStreamBytes)
        return PlayerFit::StreamTooLarge;
    return PlayerFit::Ok;
}

std::vector<uint8_t> EncodePlayer(const Player_Profile &profile, std::span<const Day_Sheet> days,
                                  std::span<const Tournament_Sheet> tournaments) {
    if (!CountsUsable(profile, days.size(), tournaments.size()) ||
        RecordBytes(profile.day_count, profile.tournament_count) > kMaxRecordBytes)
        return {};
    const std::vector<uint8_t> stream = RunLengthPack(BuildRecord(profile, days, tournaments));
    if (stream.size() > kMaxStreamBytes)
        return {};
    const Huff_Encoded coded = HuffEncode(stream);

    std::vector<uint8_t> file;
    file.reserve(11 + 8 * coded.table.size() + coded.bits.size());
    file.insert(file.end(), {'u', 's', 'r'});
    AppendLe32(file, static_cast<uint32_t>(coded.table.size()));
    AppendRaw(file, coded.table.data(), coded.table.size());
    AppendLe32(file, static_cast<uint32_t>(coded.bit_count));
    file.insert(file.end(), coded.bits.begin(), coded.bits.end());
    return file;
}

PlayerFileStatus DecodePlayer(std::span<const uint8_t> bytes, PlayerData &out) {
    const std::size_t size = bytes.size();
    if (size < 3 || std::memcmp(bytes.data(), "usr", 3) != 0)
        return PlayerFileStatus::NotPlayerFile;
    if (size < 7)
        return PlayerFileStatus::TruncatedNumCode;
    const uint32_t entries = ReadLe32(&bytes[3]);
    if (entries < 1 || entries > 256)
        return PlayerFileStatus::BadNumCode;
    const std::size_t table_end = 7 + 8 * std::size_t(entries);
    if (size < table_end)
        return PlayerFileStatus::TruncatedCode;
    std::vector<Code_Entry> table(entries);
    std::memcpy(table.data(), &bytes[7], 8 * std::size_t(entries));
    if (size < table_end + 4)
        return PlayerFileStatus::TruncatedBinPos;
    const uint64_t bit_count = ReadLe32(&bytes[table_end]);
    const std::size_t bits_at = table_end + 4;
    const uint64_t bits_bytes = (bit_count + 7) / 8;
    if (bits_bytes > size - bits_at)
        return PlayerFileStatus::BinPosPastEnd;
    if (bits_bytes < size - bits_at)
        return PlayerFileStatus::TrailingBytes;

    std::vector<uint8_t> stream;
    switch (HuffDecode(table, bytes.subspan(bits_at), bit_count, kMaxStreamBytes, stream)) {
    case DecodeStatus::Ok:
        break;
    case DecodeStatus::BadTable:
        return PlayerFileStatus::BadCodeTable;
    case DecodeStatus::TooLarge:
        return PlayerFileStatus::TooLarge;
    case DecodeStatus::Truncated:
        return PlayerFileStatus::BinPosPastEnd;
    case DecodeStatus::Corrupt:
        return PlayerFileStatus::BadStream;
    }
    std::vector<uint8_t> record;
    switch (RunLengthUnpack(stream, kMaxRecordBytes, record)) {
    case DecodeStatus::Ok:
        break;
    case DecodeStatus::TooLarge:
        return PlayerFileStatus::TooLarge;
    default:
        return PlayerFileStatus::BadStream;
    }

    if (record.size() < kProfileBytes)
        return PlayerFileStatus::BadRecordSize;
    PlayerData data;
    std::memcpy(&data.profile, record.data(), kProfileBytes);
    const int32_t d = data.profile.day_count;
    const int32_t t = data.profile.tournament_count;
    if (d < 0 || t < 0)
        return PlayerFileStatus::BadCounts;
    if (RecordBytes(d, t) != record.size())
        return PlayerFileStatus::BadRecordSize;
    if (data.profile.scale_length < 1 || data.profile.scale_length > kMaxScaleLength)
        return PlayerFileStatus::BadScaleLength;

    data.days.resize(static_cast<std::size_t>(d));
    data.tournaments.resize(static_cast<std::size_t>(t));
    if (d > 0)
        std::memcpy(data.days.data(), record.data() + kProfileBytes, kDayBytes * d);
    if (t > 0)
        std::memcpy(data.tournaments.data(), record.data() + kProfileBytes + kDayBytes * d,
                    kTournamentBytes * t);
    out = std::move(data);
    return PlayerFileStatus::Ok;
}

LoadResult LoadPlayerFile(const std::string &path, PlayerData &out, Reporter &r) {
    std::vector<uint8_t> bytes;
    const ReadFileStatus read = ReadWholeFile(path, kMaxPlayerFileBytes, bytes);
    if (read == ReadFileStatus::Missing || read == ReadFileStatus::OpenFailed ||
        read == ReadFileStatus::NotRegular) {
        r.message(path, kOpenCaption, Icon::None);
        return LoadResult::Failed;
    }
    if (read == ReadFileStatus::ReadFailed) {
        r.message("Erreur de lecture d'identificateur", kInfoCaption, Icon::None);
        return LoadResult::Failed;
    }
    if (bytes.size() < 3 || std::memcmp(bytes.data(), "usr", 3) != 0)
        return LoadResult::NotPlayerFile;
    if (read == ReadFileStatus::TooLarge) {
        r.message(std::string(DescribePlayerFileStatus(PlayerFileStatus::TooLarge)) + "\n" + path,
                  kInfoCaption, Icon::None);
        return LoadResult::Failed;
    }
    const PlayerFileStatus status = DecodePlayer(bytes, out);
    if (status == PlayerFileStatus::Ok)
        return LoadResult::Ok;
    r.message(std::string(DescribePlayerFileStatus(status)) + "\n" + path, kInfoCaption, Icon::None);
    return LoadResult::Failed;
}

bool SavePlayerFile(const std::string &path, const Player_Profile &profile, std::span<const Day_Sheet> days,
                    std::span<const Tournament_Sheet> tournaments, Reporter &r) {
    switch (CheckPlayerFit(profile, days, tournaments)) {
    case PlayerFit::Ok:
        break;
    case PlayerFit::BadCounts:
        r.message("Nombre de journées ou de tournois incohérent : le joueur n'est pas enregistré",
                  kInfoCaption, Icon::None);
        return false;
    case PlayerFit::RecordTooLarge:
    case PlayerFit::StreamTooLarge:
        r.message("Le joueur est trop volumineux pour être enregistré", kInfoCaption, Icon::None);
        return false;
    }
    const std::vector<uint8_t> file = EncodePlayer(profile, days, tournaments);
    const std::size_t entries = ReadLe32(&file[3]);
    const AtomicWriteResult written = WriteFileAtomically(path, file);
    switch (written.status) {
    case AtomicWriteStatus::Ok:
        return true;
    case AtomicWriteStatus::OpenFailed:
    case AtomicWriteStatus::RenameFailed:
        r.message(path, kOpenCaption, Icon::None);
        return false;
    case AtomicWriteStatus::WriteFailed:
        r.message(WriteFailureText(written.failed_offset, entries), kInfoCaption, Icon::None);
        return false;
    case AtomicWriteStatus::SyncFailed:
        // The bits are the last section: a file that cannot be flushed lacks them.
        r.message(WriteFailureText(file.size() - 1, entries), kInfoCaption, Icon::None);
        return false;
    }
    return false;
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string_view::npos;
}

std::string PlayerFilePath(const std::string &user_dir, std::string_view file_name_cp1252) {
    return user_dir + Cp1252ToUtf8(file_name_cp1252);
}

bool SaveCurrentPlayer(const SharedState &s, Reporter &r) {
    const std::string_view name = FieldText(s.Current_Profile.file_name);
    const std::string path = PlayerFilePath(s.User_Dir, name);
    if (!IsPlainFileName(name)) {
        r.message(path, kOpenCaption, Icon::None);
        return false;
    }
    return SavePlayerFile(path, s.Current_Profile, s.Mem_Days, s.Mem_Tournois, r);
}

bool SavePlayerChange(SharedState &s, Reporter &r, const std::function<bool(SharedState &)> &change) {
    const Player_Profile profile = s.Current_Profile;
    const std::vector<Day_Sheet> days = s.Mem_Days;
    const std::vector<Tournament_Sheet> tournaments = s.Mem_Tournois;
    const std::vector<std::string> classements = s.Classement_List;
    if (change(s) && SaveCurrentPlayer(s, r))
        return true;
    s.Current_Profile = profile;
    s.Mem_Days = days;
    s.Mem_Tournois = tournaments;
    s.Classement_List = classements;
    return false;
}

bool LoadPlayerData(SharedState &s, const std::string &file_name, Reporter &r) {
    const std::string_view name = FieldText(file_name.data(), file_name.size());
    const std::string path = PlayerFilePath(s.User_Dir, name);
    if (!IsPlainFileName(name)) {
        r.message(path, kOpenCaption, Icon::None);
        return false;
    }
    PlayerData data;
    switch (LoadPlayerFile(path, data, r)) {
    case LoadResult::Ok:
        break;
    case LoadResult::NotPlayerFile:
        r.message("Le fichier " + Cp1252ToUtf8(name) + " n'est pas un fichier joueur valide", kInfoCaption,
                  Icon::None);
        return false;
    case LoadResult::Failed:
        return false;
    }
    if (data.profile.day_count != s.Current_Profile.day_count ||
        data.profile.tournament_count != s.Current_Profile.tournament_count) {
        r.message("Le fichier " + Cp1252ToUtf8(name) +
                      " ne correspond pas au profil du joueur (nombre de journées ou de tournois)",
                  kInfoCaption, Icon::None);
        return false;
    }
    s.Mem_Days = std::move(data.days);
    s.Mem_Tournois = std::move(data.tournaments);
    return true;
}

bool FitsOneMoreDay(const SharedState &s) {
    return FitsOneMore(s, 1, 0);
}
bool FitsOneMoreTournament(const SharedState &s) {
    return FitsOneMore(s, 0, 1);
}

} // namespace zel
