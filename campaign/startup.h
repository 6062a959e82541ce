// What both games' start-up and turn head do alike: the program armed, the Allied commander's
// character taken from its key, the turn banner over the strategic map.
#pragma once
#include <functional>
#include <string>

namespace morva {

/// The start of a run: the random generator seeded from the clock's seconds, the error
/// handler armed, and function key 1 armed with `function_key_handler`.
void start_program(std::function<void()> function_key_handler);

/// The Allied commander's character for the key of the question "猛進(H) - 慎重(S) - 乱数(R)":
/// 1 headlong (H), -1 cautious (S), 0 drawn at random (R and every other key).
float commander_character(const std::string& key);

/// The turn banner "第 <turn> ターン" in cyan at (11, 0) over the strategic map.
void show_turn_banner(float turn);

}  // namespace morva
