// A loaded player whose file lies in a temporary players' directory: what the
// dialog tests that save compare memory, file and a reload with.
#pragma once

#include "support/fake_platform.h"

namespace zel::test {

struct SavedPlayer {
    QTemporaryDir dir;
    SharedState state;
    FakePlatform platform;
    CommandContext context{state, platform, nullptr};

    // The profile in memory becomes the loaded player of this directory, saved.
    void saveAsLoaded() {
        state.User_Dir = dir.path().toStdString() + "/";
        state.Player_State = 1;
        save();
    }
    void save() { ASSERT_TRUE(SaveCurrentPlayer(state, platform)); }
    std::string file() const {
        return state.User_Dir + std::string(FieldText(state.Current_Profile.file_name));
    }
    QByteArray fileBytes() const {
        QFile f(QString::fromStdString(file()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QByteArray memoryBytes() const {
        const std::vector<uint8_t> b =
            EncodePlayer(state.Current_Profile, state.Mem_Days, state.Mem_Tournois);
        return QByteArray(reinterpret_cast<const char *>(b.data()), qsizetype(b.size()));
    }
    PlayerData reload() {
        PlayerData data;
        EXPECT_EQ(LoadPlayerFile(file(), data, platform), LoadResult::Ok);
        return data;
    }

    // Runs a list command: `row` is chosen, `body` drives the dialog it opens, `after` sees the list
    // again, then the list closes. Gives what the command returned.
    int throughList(int (*command)(CommandContext &), std::function<void(QDialog &)> body,
                    FakePlatform::Ending ending = FakePlatform::Closes, int row = 0,
                    std::function<void(QDialog &)> after = {}) {
        platform.onDialog([row, after](QDialog &d) {
            auto &list = FakePlatform::form(d);
            list.controlAs<SeasonList>(list.control(1072) ? 1072 : 1118)->selectRow(row);
            list.click(1037);
            if (after)
                after(d);
            list.click(1038);
        });
        platform.onDialog(body, ending);
        return command(context);
    }
};

} // namespace zel::test
