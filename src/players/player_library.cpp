// The player library User.bib: the players known here, by their file names.
#include "players/player_library.h"

#include "shell/shared_state.h"
#include "storage/atomic_file.h"
#include "storage/player_file.h"
#include "text/cp1252.h"
#include "text/fixed_text.h"

#include <cstring>
#include <filesystem>
#include <optional>
#include <set>
#include <unistd.h>

namespace zel {
namespace {

// Far beyond any real library; only keeps a hostile file from eating memory.
constexpr std::size_t kMaxLibraryBytes = kLibraryRecordBytes * 1000000;
constexpr std::size_t kDisplayBytes = 63;

// Windows compares file names ignoring case, accented letters included.
std::string FoldCase(std::string_view cp1252) {
    std::string out(cp1252);
    for (char &ch : out) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            ch = static_cast<char>(c + 0x20);
        else if (c == 0x8A || c == 0x8C || c == 0x8E)
            ch = static_cast<char>(c + 0x10);
        else if (c == 0x9F)
            ch = static_cast<char>(0xFF);
    }
    return out;
}

// Characters that cannot stand in a file name; the five bytes Windows-1252
// leaves undefined are control characters in their Unicode form.
bool UnsafeInFileName(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D ||
           std::strchr("/\\:*?\"<>|", c) != nullptr;
}

std::string SafeStem(std::string_view text) {
    std::string out(text);
    for (char &c : out)
        if (UnsafeInFileName(static_cast<unsigned char>(c)))
            c = '_';
    return out;
}

// The name a record holds, or nothing when the record has no terminator.
std::optional<std::string_view> RecordName(const uint8_t *record) {
    const void *nul = std::memchr(record, 0, kLibraryRecordBytes);
    if (!nul)
        return std::nullopt;
    return std::string_view(reinterpret_cast<const char *>(record),
                            static_cast<const uint8_t *>(nul) - record);
}

std::vector<uint8_t> MakeRecord(std::string_view name) {
    std::vector<uint8_t> record(kLibraryRecordBytes, 0);
    std::memcpy(record.data(), name.data(), std::min(name.size(), kLibraryRecordBytes - 1));
    return record;
}

enum class LibraryRead { Ok, Missing, Failed };

// The library's whole records; a trailing partial record is dropped.
LibraryRead ReadLibrary(const std::string &path, std::vector<uint8_t> &records) {
    std::vector<uint8_t> bytes;
    switch (ReadWholeFile(path, kMaxLibraryBytes, bytes)) {
    case ReadFileStatus::Ok:
        break;
    case ReadFileStatus::Missing:
        records.clear();
        return LibraryRead::Missing;
    default:
        return LibraryRead::Failed;
    }
    bytes.resize(bytes.size() / kLibraryRecordBytes * kLibraryRecordBytes);
    records.swap(bytes);
    return LibraryRead::Ok;
}

// Every name the directory holds, and every name the library lists, folded;
// nothing when the directory cannot be listed to its end: a name missing from
// a partial picture could be a player's file, replaced by the next save.
std::optional<std::set<std::string>> TakenNames(const std::string &user_dir,
                                                const std::vector<uint8_t> &records) {
    std::set<std::string> taken;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(user_dir, ec), end; !ec && it != end; it.increment(ec))
        taken.insert(FoldCase(Utf8ToCp1252(it->path().filename().string())));
    if (ec)
        return std::nullopt;
    for (std::size_t at = 0; at < records.size(); at += kLibraryRecordBytes)
        if (auto name = RecordName(&records[at]))
            taken.insert(FoldCase(*name));
    return taken;
}

std::optional<std::string> FreeFileName(const Player_Profile &p, const std::set<std::string> &taken) {
    const std::string_view name = FieldText(p.name);
    const std::string_view first = FieldText(p.first_name);
    const std::string stem = SafeStem(name.empty() ? "Njttttt" : name);
    const std::string full_name = stem + SafeStem(first.empty() ? "fix" : first);
    auto free = [&](const std::string &candidate) { return !taken.contains(FoldCase(candidate)); };
    if (free(stem + ".usr"))
        return stem + ".usr";
    if (free(full_name + ".usr"))
        return full_name + ".usr";
    for (unsigned letter = 'A'; letter <= 0xFF; ++letter) {
        if (UnsafeInFileName(static_cast<unsigned char>(letter)))
            continue;
        const std::string candidate = full_name + static_cast<char>(letter) + ".usr";
        if (free(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace

std::string LibraryPath(const std::string &user_dir) {
    const std::string exact = user_dir + kLibraryFileName;
    std::error_code ec;
    if (std::filesystem::exists(exact, ec))
        return exact;
    const std::string folded = FoldCase(kLibraryFileName);
    for (std::filesystem::directory_iterator it(user_dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (FoldCase(name) == folded)
            return user_dir + name;
    }
    return exact;
}

std::vector<LibraryEntry> ReadPlayerLibrary(SharedState &s, Reporter &r) {
    s.Library_Image.clear();
    std::vector<LibraryEntry> entries;
    const std::string path = LibraryPath(s.User_Dir);
    std::vector<uint8_t> records;
    const LibraryRead read = ReadLibrary(path, records);
    if (read == LibraryRead::Failed)
        r.message("Impossible d'accéder à la librairie des joueurs", path, Icon::Stop);
    if (read != LibraryRead::Ok)
        return entries;

    const std::size_t count = records.size() / kLibraryRecordBytes;
    s.Library_Image.assign(count, Player_Profile{});
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<std::string_view> name = RecordName(&records[i * kLibraryRecordBytes]);
        if (!name || !IsPlainFileName(*name))
            continue; // a tampered record: it could name a file outside the directory
        PlayerData data;
        switch (LoadPlayerFile(PlayerFilePath(s.User_Dir, *name), data, r)) {
        case LoadResult::Ok:
            break;
        case LoadResult::NotPlayerFile:
            r.message("Le fichier " + Cp1252ToUtf8(*name) + " n'est pas un fichier joueur valide", "Info",
                      Icon::None);
            continue;
        case LoadResult::Failed:
            continue;
        }
        Player_Profile &profile = s.Library_Image[i];
        profile = data.profile;
        // Saves and deletions follow this field: it must name the file actually read.
        if (FieldText(profile.file_name) != *name) {
            std::memset(profile.file_name, 0, sizeof profile.file_name);
            SetFieldText(profile.file_name, *name);
        }
        std::string display =
            std::string(FieldText(profile.name)) + " " + std::string(FieldText(profile.first_name));
        if (display.size() > kDisplayBytes)
            display.resize(kDisplayBytes);
        entries.push_back({i, std::move(display), std::string(*name)});
    }
    return entries;
}

bool RegisterNewPlayer(SharedState &s, Reporter &r) {
    const std::string library = LibraryPath(s.User_Dir);
    std::vector<uint8_t> records;
    if (ReadLibrary(library, records) == LibraryRead::Failed) {
        r.beep();
        return false;
    }
    const std::optional<std::set<std::string>> taken = TakenNames(s.User_Dir, records);
    if (!taken) {
        r.message("Le répertoire des joueurs ne peut pas être lu : aucun joueur n'y est enregistré.",
                  "Zel Manager", Icon::Exclamation);
        return false;
    }
    const std::optional<std::string> file_name = FreeFileName(s.Current_Profile, *taken);
    if (!file_name) {
        r.message("Aucun nom de fichier libre pour ce joueur", "Information", Icon::None);
        return false;
    }

    const Player_Profile before = s.Current_Profile;
    SetFieldText(s.Current_Profile.file_name, *file_name);
    if (!SaveCurrentPlayer(s, r)) {
        s.Current_Profile = before;
        return false;
    }
    const std::vector<uint8_t> record = MakeRecord(*file_name);
    records.insert(records.end(), record.begin(), record.end());
    if (WriteFileAtomically(library, records).status != AtomicWriteStatus::Ok) {
        r.beep();
        ::unlink(PlayerFilePath(s.User_Dir, *file_name).c_str());
        s.Current_Profile = before;
        return false;
    }
    return true;
}

bool RemoveFromLibrary(const SharedState &s, Reporter &r) {
    const std::string_view target = FieldText(s.Current_Profile.file_name);
    const std::string library = LibraryPath(s.User_Dir);
    std::vector<uint8_t> records;
    if (!IsPlainFileName(target) || ReadLibrary(library, records) != LibraryRead::Ok) {
        r.beep();
        return false;
    }
    std::size_t at = 0;
    while (at < records.size() && RecordName(&records[at]) != target)
        at += kLibraryRecordBytes;
    if (at == records.size()) {
        r.beep();
        return false;
    }
    records.erase(records.begin() + at, records.begin() + at + kLibraryRecordBytes);
    const bool done = records.empty() ? ::unlink(library.c_str()) == 0
                                      : WriteFileAtomically(library, records).status == AtomicWriteStatus::Ok;
    if (!done)
        r.beep();
    return done;
}

} // namespace zel
