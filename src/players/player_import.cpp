// Importing a player file from another directory into the players' directory.
#include "players/player_import.h"

#include "players/player_library.h"
#include "shell/shared_state.h"
#include "storage/player_file.h"
#include "text/fixed_text.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace zel {
namespace fs = std::filesystem;
namespace {

std::string Lower(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool LessIgnoringCase(const std::string &a, const std::string &b) {
    const std::string la = Lower(a), lb = Lower(b);
    return la != lb ? la < lb : a < b;
}

bool IsPlayerFileName(const std::string &name) {
    return name.size() > 4 && Lower(name.substr(name.size() - 4)) == ".usr";
}

} // namespace

ImportListing ListImportDirectory(const std::string &dir) {
    ImportListing out;
    std::error_code ec;
    const fs::path here = fs::weakly_canonical(fs::path(dir), ec);
    if (!ec && here.has_parent_path() && here != here.root_path())
        out.directories.emplace_back("..");
    std::vector<std::string> subdirs;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code type_ec;
        if (it->is_directory(type_ec))
            subdirs.push_back(name);
        else if (it->is_regular_file(type_ec) && IsPlayerFileName(name))
            out.files.push_back(name);
    }
    std::sort(out.files.begin(), out.files.end(), LessIgnoringCase);
    std::sort(subdirs.begin(), subdirs.end(), LessIgnoringCase);
    out.directories.insert(out.directories.end(), subdirs.begin(), subdirs.end());
    return out;
}

std::string EnterDirectory(const std::string &dir, const std::string &name) {
    std::error_code ec;
    fs::path target = fs::weakly_canonical(fs::path(dir) / name, ec);
    if (ec)
        target = (fs::path(dir) / name).lexically_normal();
    std::string out = target.string();
    while (out.size() > 1 && out.back() == '/')
        out.pop_back();
    return out;
}

bool SameDirectory(const std::string &a, const std::string &b) {
    std::error_code ec;
    const bool same = fs::equivalent(fs::path(a), fs::path(b), ec);
    return !ec && same;
}

ImportResult ImportPlayerFile(const SharedState &state, const std::string &dir, const std::string &name,
                              Reporter &r, std::string *new_file_name) {
    if (SameDirectory(dir, state.User_Dir))
        return ImportResult::SameDirectory;
    if (!IsPlainFileName(name))
        return ImportResult::NotPlayerFile;
    const std::string source = (fs::path(dir) / name).string();
    PlayerData data;
    switch (LoadPlayerFile(source, data, r)) {
    case LoadResult::Ok:
        break;
    case LoadResult::NotPlayerFile:
        return ImportResult::NotPlayerFile;
    case LoadResult::Failed:
        return ImportResult::ReadFailed;
    }

    // A scratch state: the loaded player and its stores stay as they are.
    SharedState copy;
    copy.User_Dir = state.User_Dir;
    copy.Current_Profile = data.profile;
    copy.Mem_Days = std::move(data.days);
    copy.Mem_Tournois = std::move(data.tournaments);
    if (!RegisterNewPlayer(copy, r))
        return ImportResult::RegisterFailed;
    if (new_file_name)
        *new_file_name = std::string(FieldText(copy.Current_Profile.file_name));
    return ImportResult::Imported;
}

} // namespace zel
