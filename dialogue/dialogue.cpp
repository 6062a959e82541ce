// The dialogue kit: questions, key waits and number inputs over the console.
#include "dialogue/dialogue.h"

namespace dialogue {
namespace {

bool accepts(std::string_view accepted, const std::string& key) {
    return accepted.empty() || (key.size() == 1 && accepted.find(key[0]) != std::string_view::npos);
}

bool is_yes(std::string_view yes, const std::string& key) {
    return key.size() == 1 && yes.find(key[0]) != std::string_view::npos;
}

/// The keys a yes/no question takes: both sets, or every key when `no` is empty.
std::string yes_or_no(std::string_view yes, std::string_view no) {
    return no.empty() ? std::string() : std::string(yes) + std::string(no);
}

void show_text(const Text& t) {
    if (t.colour != kColourInForce) con::color(t.colour);
    con::print_at(con::Col(t.column), con::Row(t.row), t.words);
}

/// Draws (when given) and waits for a key, each left in `key`, until one of `accepted` comes.
std::string key_drawn_before_each(std::string& key, const std::function<void()>& draw, std::string_view accepted) {
    // Ends only on a key typed by the player: no data decides how often it runs.
    for (;;) {
        if (draw) draw();
        key = con::wait_key_string();
        if (accepts(accepted, key)) return key;
    }
}

/// Places the cursor at `entry`, unless it is typed where the question left it.
void place(const Entry& entry) {
    if (entry.column != kAtCursor) con::locate(con::Col(entry.column), con::Row(entry.row));
}

}  // namespace

void show(std::initializer_list<Text> texts) {
    for (const Text& t : texts) show_text(t);
}

std::string wait_for_key(std::string& key, std::string_view accepted) {
    return key_drawn_before_each(key, nullptr, accepted);
}

int wait_for_digit(std::string& key, int lo, int hi) {
    std::string digits;
    for (int d = lo; d <= hi; ++d) digits += static_cast<char>('0' + d);
    return wait_for_key(key, digits)[0] - '0';
}

std::string ask_key(std::string& key, std::initializer_list<Text> question, std::string_view accepted, Shown shown) {
    if (shown == Shown::Once) {
        show(question);
        return wait_for_key(key, accepted);
    }
    const auto draw = [question] { show(question); };
    return key_drawn_before_each(key, draw, accepted);
}

bool ask_yes_no(std::string& key, std::initializer_list<Text> question, std::string_view yes, std::string_view no,
                Shown shown) {
    return is_yes(yes, ask_key(key, question, yes_or_no(yes, no), shown));
}

bool ask_yes_no(std::string& key, const std::function<void()>& draw, std::string_view yes, std::string_view no) {
    return is_yes(yes, key_drawn_before_each(key, draw, yes_or_no(yes, no)));
}

std::string hit_any_key(std::string& key, const Text& hint, bool blank_after) {
    show_text(hint);
    key = con::wait_key_string();
    if (blank_after)
        con::print_at(con::Col(hint.column), con::Row(hint.row), con::space_string(con::byte_length(hint.words)));
    return key;
}

con::real ask_in_range(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi, bool whole,
                       const NumberReader& read) {
    // Ends only on an answer typed by the player.
    for (;;) {
        if (ask) ask();
        place(entry);
        const std::optional<con::real> n = read(entry.prompt);
        if (n && *n >= lo && *n <= hi && (!whole || *n == con::int_floor(*n))) return *n;
    }
}

float ask_number(float& answer, const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi,
                 bool whole) {
    ask_in_range(ask, entry, lo, hi, whole, [&answer](std::string_view prompt) -> std::optional<con::real> {
        answer = con::input_number(prompt);
        return con::L(answer);
    });
    return answer;
}

std::string ask_line_choice(std::string& answer, const std::function<void()>& ask, const Entry& entry,
                            con::PromptStyle style, std::initializer_list<std::string_view> accepted,
                            const std::function<void()>& after) {
    // Ends only on an answer typed by the player.
    for (;;) {
        if (ask) ask();
        place(entry);
        answer = con::input_line(entry.prompt, style);
        if (after) after();
        for (std::string_view a : accepted)
            if (answer == a) return answer;
    }
}

}  // namespace dialogue
