// The system clock, in UTC.
#include "platform/clock.h"

#include <chrono>

namespace zel {

Date SystemClock::today() const {
    const std::chrono::year_month_day ymd{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day()))};
}

} // namespace zel
