// The date of today, behind an interface so tests can choose it.
#pragma once

namespace zel {

struct Date {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date today() const = 0; // UTC, as the system time is read
};

class SystemClock final : public Clock {
  public:
    Date today() const override;
};

class FixedClock final : public Clock {
  public:
    explicit FixedClock(Date date) : date_(date) {}
    Date today() const override { return date_; }
    void set(Date date) { date_ = date; }

  private:
    Date date_;
};

} // namespace zel
