// JOURNEEBOX: entry of a new championship day.
#pragma once

#include "platform/template_dialog.h"

#include <cstdint>

namespace zel {

struct SharedState;
class Platform;

inline constexpr int kDayStored = 302; // the dialog's result after a day was stored
inline constexpr int kDayEntryTimer = 1;

class DayEntryDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    DayEntryDialog(SharedState &state, Platform &platform, QWidget *parent = nullptr);

    // Current_Season: the first year of the season shown.
    int32_t currentSeason() const { return current_season_; }

  protected:
    void onCommand(int id, int code) override;
    void onTimer(int timer_id) override;

  private:
    void showPoints();
    void store();

    SharedState &state_;
    Platform &platform_;
    int32_t current_season_ = 0;
};

} // namespace zel
