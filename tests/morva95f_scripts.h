// Key scripts of MORVA95F's operational days, shared by the program's tests and the golden
// replays: a day's opening questions, the switches between timed and keyed pauses, and the keys
// of a daytime hour step in the order the program asks for them.
#pragma once
#include <optional>
#include <string>

namespace morva95f_scripts {

/// A day's opening questions: no extra search planes, both air-defence splits even (Return).
inline const std::string kMorvaDayQuestions = "n{ENTER}{ENTER}";
/// From here on every pause waits for a key (F1, then the display-time key 9), or waits its
/// display time again (F1, then 5); pressed at a one-key question.
inline const std::string kMorvaKeyMode = "{F1}9";
inline const std::string kMorvaTimedMode = "{F1}5";
/// The move of an hour in which the fleet stays: the default heading, speed 0.
inline const std::string kMorvaStay = "{ENTER}0{ENTER}";

/// How the pauses of an hour step end.
enum class Pauses {
    Timed,            ///< each waits its display time: no key
    Keyed,            ///< each waits for a key ("a")
    KeyedFromSearch,  ///< timed up to the search-launch question, where F1 9 makes them keyed
};

/// One daytime hour step (1-15) and its answers.
struct MorvaHour {
    int hour = 1;
    Pauses pauses = Pauses::Timed;
    /// The keys of the raid that opens hours 2-15: a raid on the fleet's questions and pauses,
    /// or, in the harbour raid, the closing pause of an hour without a raid ("a", keyed only).
    std::string raid = "";
    /// The answer to the search-launch question ("n": no plane goes out).
    std::string search = "n";
    /// The deck dialogues' keys; none: the carriers stay idle (morva_idle_deck).
    std::optional<std::string> deck = std::nullopt;
    /// The answer to the battleship-detachment question ("n" for a fleet with battleships: they
    /// keep station; "" for a fleet without, which is not asked).
    std::string detach = "";
    /// The heading and the speed.
    std::string move = kMorvaStay;
};

/// The deck dialogues of hour step `hour` with the carriers idle: when the pauses are keyed a
/// key ends the launch phase's pause ("攻撃はできません", nothing on deck); then "n" to the
/// spotting question (from hour step 2, once the arming phase has made the fighters and dive
/// bombers ready) and "n" to the arming question. Hour step 15 has no deck dialogues. A fleet
/// without dive bombers would raise its fighters and be asked the patrol question instead.
inline std::string morva_idle_deck(int hour, bool keyed) {
    if (hour > 14) return "";
    return std::string(keyed ? "a" : "") + (hour > 1 ? "nn" : "n");
}

/// The keys of an hour step in the order the program asks for them: the raid (hours 2-15),
/// the two air-defence split questions (hours 6, 9 and 12: both splits kept), the search
/// flight's pause (hours 2-15, keyed), the search-launch question, the deck dialogues (hours
/// 1-14), the detachment answer and the move.
inline std::string morva_hour(const MorvaHour& h) {
    const bool keyed = h.pauses == Pauses::Keyed;
    std::string keys;
    if (h.hour >= 2) keys += h.raid;
    if (h.hour == 6 || h.hour == 9 || h.hour == 12) keys += "nn";
    if (h.hour >= 2 && keyed) keys += "a";
    if (h.pauses == Pauses::KeyedFromSearch) keys += kMorvaKeyMode;
    keys += h.search;
    keys += h.deck ? *h.deck : morva_idle_deck(h.hour, h.pauses != Pauses::Timed);
    return keys + h.detach + h.move;
}

/// The keys of an hour step up to its deck dialogues: morva_hour without the deck's keys, the
/// detachment answer and the move.
inline std::string morva_to_deck(MorvaHour h) {
    h.deck = "";
    h.detach = "";
    h.move = "";
    return morva_hour(h);
}

/// Hours `first` to `last` answered like `like` (its hour replaced); a switch to keyed pauses
/// is made in the first of them only.
inline std::string morva_hours(int first, int last, MorvaHour like = {}) {
    std::string keys;
    for (int hour = first; hour <= last; ++hour) {
        like.hour = hour;
        keys += morva_hour(like);
        if (like.pauses == Pauses::KeyedFromSearch) like.pauses = Pauses::Keyed;
    }
    return keys;
}

/// The 15 daytime hours of a day answered like `like`.
inline std::string morva_day(const MorvaHour& like = {}) { return morva_hours(1, 15, like); }

/// A daytime hour step in which the fleet stays and its carriers stay idle; `detach` answers
/// the detachment question.
inline std::string morva_stay_hour(int hour, const std::string& detach = "", Pauses pauses = Pauses::Timed) {
    return morva_hour({.hour = hour, .pauses = pauses, .detach = detach});
}

/// Hours `first` to `last` in which the fleet stays.
inline std::string morva_stay_hours(int first, int last, const std::string& detach = "",
                                    Pauses pauses = Pauses::Timed) {
    return morva_hours(first, last, {.pauses = pauses, .detach = detach});
}

/// A day of 15 hours in which the fleet stays.
inline std::string morva_stay_day(const std::string& detach = "", Pauses pauses = Pauses::Timed) {
    return morva_stay_hours(1, 15, detach, pauses);
}

}  // namespace morva95f_scripts
