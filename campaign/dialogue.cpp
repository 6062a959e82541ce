// The campaign games' number questions over the dialogue kit.
#include "campaign/dialogue.h"

#include <optional>
#include <string>

namespace morva {

con::real ask_number(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi, bool whole,
                     EmptyLine empty) {
    return dialogue::ask_in_range(ask, entry, lo, hi, whole,
                                  [empty](std::string_view prompt) -> std::optional<con::real> {
                                      const std::string line = con::input_line(prompt);
                                      if (line.empty() && empty == EmptyLine::AsksAgain) return std::nullopt;
                                      return con::val(line);
                                  });
}

con::real ask_count(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi) {
    float answer = 0;
    return con::L(dialogue::ask_number(answer, ask, entry, lo, hi, true));
}

}  // namespace morva
