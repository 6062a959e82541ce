// kelmat95's dialogue kit: questions, key waits and number inputs over the console.
#include "gunnery/dialogue.h"

namespace kelmat {
namespace {

bool accepts(std::string_view accepted, const std::string& key) {
    return accepted.empty() || (key.size() == 1 && accepted.find(key[0]) != std::string_view::npos);
}

void show_text(const Text& t) {
    if (t.colour != kColourInForce) con::color(t.colour);
    con::print_at(con::Col(t.column), con::Row(t.row), t.words);
}

}  // namespace

void show(std::initializer_list<Text> texts) {
    for (const Text& t : texts) show_text(t);
}

std::string wait_for_key(std::string& key, std::string_view accepted) {
    // Ends only on a key typed by the player: no data decides how often it runs.
    for (;;) {
        key = con::wait_key_string();
        if (accepts(accepted, key)) return key;
    }
}

int wait_for_digit(std::string& key, int lo, int hi) {
    std::string digits;
    for (int d = lo; d <= hi; ++d) digits += static_cast<char>('0' + d);
    return wait_for_key(key, digits)[0] - '0';
}

bool ask_yes_no(std::string& key, std::initializer_list<Text> question, std::string_view yes, std::string_view no) {
    show(question);
    const std::string both = no.empty() ? std::string() : std::string(yes) + std::string(no);
    const std::string k = wait_for_key(key, both);
    return k.size() == 1 && yes.find(k[0]) != std::string_view::npos;
}

std::string hit_any_key(std::string& key, const Text& hint, bool blank_after) {
    show_text(hint);
    key = con::wait_key_string();
    if (blank_after)
        con::print_at(con::Col(hint.column), con::Row(hint.row), con::space_string(con::byte_length(hint.words)));
    return key;
}

float ask_number(float& answer, const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi,
                 bool whole) {
    for (;;) {
        if (ask) ask();
        if (entry.column != kAtCursor) con::locate(con::Col(entry.column), con::Row(entry.row));
        answer = con::input_number(entry.prompt);
        const con::real n = con::L(answer);
        if (n >= lo && n <= hi && (!whole || n == con::int_floor(n))) return answer;
    }
}

std::string ask_line_choice(std::string& answer, const std::function<void()>& ask, const Entry& entry,
                            con::PromptStyle style, std::initializer_list<std::string_view> accepted,
                            const std::function<void()>& after) {
    for (;;) {
        if (ask) ask();
        if (entry.column != kAtCursor) con::locate(con::Col(entry.column), con::Row(entry.row));
        answer = con::input_line(entry.prompt, style);
        if (after) after();
        for (std::string_view a : accepted)
            if (answer == a) return answer;
    }
}

}  // namespace kelmat
