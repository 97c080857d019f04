// DETAILBOX: the figures of one championship by poule, its deciding sets and
// its results at home and away.
#pragma once

#include "days/day_store.h"
#include "platform/template_dialog.h"

#include <vector>

namespace zel {

struct SharedState;

class DetailsDialog final : public TemplateDialog {
    Q_OBJECT
  public:
    explicit DetailsDialog(const SharedState &state, QWidget *parent = nullptr);

    int currentChampionship() const { return current_; }

  protected:
    void onCommand(int id, int code) override;

  private:
    void display();

    const SharedState &state_;
    std::vector<Championship_Entry> championships_;
    int current_ = 0;
};

} // namespace zel
