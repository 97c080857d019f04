// How pure code tells the user something: a message box or a warning beep.
#pragma once

#include <string>

namespace zel {

enum class Icon { None, Stop, Exclamation, Information, Question };

// Texts and captions are UTF-8. The UI shows them in message boxes; tests record them.
class Reporter {
  public:
    virtual ~Reporter() = default;
    virtual void message(const std::string &text, const std::string &caption, Icon icon) = 0;
    virtual void beep() = 0;
};

// Swallows everything: for tools that report through their own channel.
class SilentReporter final : public Reporter {
  public:
    void message(const std::string &, const std::string &, Icon) override {}
    void beep() override {}
};

} // namespace zel
