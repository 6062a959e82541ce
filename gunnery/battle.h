// kelmat95: the gun battle's working values and the rules and screens of its phases, shared by
// the files of the battle (BS) and by its tests.
#pragma once
#include <string>
#include <vector>

#include "gunnery/blocks.h"

namespace kelmat {

/// The 4-byte value of 3.14159 with which the battle turns a course (9-degree steps) into an
/// angle: course x kCoursePi / 20 radians.
inline constexpr float kCoursePi = 3.14159f;

/// The working values of one call of BS: all 0 (texts empty) when the battle is entered.
/// Arrays are indexed by side, 0 BLUE and 1 RED.
struct Battle {
    float count[2] = {0, 0};            ///< ship counts handed in
    float navy[2] = {0, 0};             ///< navies handed in
    float larger_count = 0;             ///< the bound of the status tables' ship loops
    float mode = 0;                     ///< control mode 0-4
    float range = 0;                    ///< metres between the leading ships
    float range_km = 0;                 ///< INT(range / 1000), taken at the step opening
    float step = 0;                     ///< 5-second steps since the start
    float fire_opened[2] = {0, 0};      ///< 1 once the side has opened fire
    float line_speed[2] = {0, 0};       ///< knots: the slowest ship afloat
    float afloat[2] = {0, 0};           ///< ships with durability above 0
    float interval[2] = {0, 0};         ///< steps since the side last fired
    float target_chosen = 0;            ///< 1 once any ship has a target in this step
    float candidate[2] = {0, 0};        ///< where each side's automatic search stands
    float leading_firings[2] = {0, 0};  ///< firing count of the side's first ready ship
    float leader[2] = {0, 0};           ///< leading ship found by the last range measurement
    std::string course_label;           ///< "右" or "左", shared by the course lines
    float firings_seen = -1;            ///< both sides' firings as the last step left them
    float quiet_steps = 0;              ///< steps in a row in which no ship fired
};

/// Steps in a row without a shot after which a battle breaks off (12 hours of battle time):
/// lines that can neither reach each other nor part beyond 80 km, such as two stopped by
/// engine-room hits out of gun range, would otherwise fight on for ever.
inline constexpr float kMostQuietSteps = 12 * 720;

// ---- Rules shared by the phases (no screen output) -----------------------------------------

/// Ships of side s that steer by hand in control mode m (BLUE in 1-4, RED in 2 and 4).
bool moved_by_hand(float mode, int side);
/// Whether side s directs its fire by hand (BLUE in modes 3 and 4, RED in 4).
bool fired_by_hand(float mode, int side);
/// The firing interval of side s in steps, HT(5+s) x (3 - HC(5+s)).
con::real firing_interval(const Kelmat& s, int side);
/// Whether side s is due to fire in this step: its interval counter + 1 reaches the interval.
bool due_to_fire(const Kelmat& s, const Battle& b, int side);
/// The shots that empty the ammunition: 200 / (3 - fire mode).
con::real firing_limit(const Kelmat& s, int side);
/// Whole kilometres between two points, a half going up: INT((SQR(dx^2 + dy^2) + 500) / 1000).
float whole_km(con::real dx, con::real dy);
/// The bearing sector 1-4 (ahead, starboard, astern, port) of a point dx, dy metres away,
/// seen from a ship on `course` (9-degree steps).
int bearing_sector(float course, con::real dx, con::real dy);
/// The sector labels " 前方", " 右舷", " 後方", " 左舷" by sector 1-4.
const char* sector_label(int sector);
/// The battle clock and the range in row 0, in yellow.
void show_clock_line(const Battle& b);
/// Sets the course label from `course`: "右" above 0 and below 20, "左" below 0, else kept.
void set_course_label(Battle& b, float course);

// ---- Set-up (side parameters) ---------------------------------------------------------------

/// The set-up dialogue: control mode, map, side parameters, display time.
void battle_setup(Kelmat& s, Battle& b);
/// The fire concentration offered to side s (0 BLUE, 1 RED): INT(own / (enemy + 1)) + 1 in 1-10.
float default_concentration(const Battle& b, int side);

// ---- Course control and movement --------------------------------------------------------------

/// The automatic course rules of the minute for every automatically steered line (RED first).
void steer_automatically(Kelmat& s, Battle& b);
/// The course line that follows the automatic control in mode 0.
void show_auto_course_line(Kelmat& s, Battle& b);
/// The tail of a step from the manoeuvre check on; `with_manoeuvre` false enters at the course
/// line (a step end where neither side was due).
void step_tail(Kelmat& s, Battle& b, bool with_manoeuvre);
/// Movement of both lines along their courses at their line speeds.
void move_lines(Kelmat& s, Battle& b);
/// The range between the leading ships, from their positions.
void measure_range(Kelmat& s, Battle& b);
/// Every 6th step (counter MOD 6 = 5): each ship takes the course of the ship ahead.
void hand_down_courses(Kelmat& s, const Battle& b);
/// Moves the whole picture when a flagship nears the edge of the map.
void shift_picture(Kelmat& s, const Battle& b);
/// Clears and recounts the per-step fire-state counters.
void recount_fire_state(Kelmat& s, const Battle& b);
/// Steps the two firing-interval counters.
void step_interval_counters(Kelmat& s, Battle& b);
/// The battle map: frame and a dot per ship afloat.
void draw_battle_map(Kelmat& s, const Battle& b);

// ---- Target choice ------------------------------------------------------------------------------

/// The target pass of side s (fire opening, due test, every ship's turn).
void target_pass(Kelmat& s, Battle& b, int side);
/// The automatic choice for ship i of side s with previous target p0; `found` is the pass's
/// found flag. Sets the target (row 0) and field 18; records the choice. No screen output.
void choose_target_automatically(Kelmat& s, Battle& b, int side, int ship, float p0, float& found);
/// Records the choice of target t by ship i of side s (previous target p0).
void record_target(Kelmat& s, Battle& b, int side, int ship, float t, float p0);

// ---- Fire control -----------------------------------------------------------------------------

/// What the fire control worked out for one ship.
struct FireLine {
    float sector = 0;
    float shells = 0;
};
/// Charge, bearing, shells, ranging and hit rate of ship i of side s (which has a target).
/// Draws the two ranging numbers. No screen output.
FireLine aim_salvo(Kelmat& s, Battle& b, int side, int ship);
/// The ranging factor K of `count` improving salvoes with base `base` (stops above 99).
float ranging_factor(float count, con::real base);
/// The hit rate of ship i of side s at range R with ranging factor K and `shells`, from the
/// fire mode `mode`; stored in HIT.
void work_out_hit_rate(Kelmat& s, int side, int ship, float K, float shells, float mode);
/// The fire-control phase: every due side's ships, with the fire-status table.
void fire_control(Kelmat& s, Battle& b);

// ---- Salvoes ----------------------------------------------------------------------------------

/// One printed effect of a salvo, in the order it happened.
struct SalvoEvent {
    enum Kind { Announce, Penetration, Turret, Magazine, EngineRoom } kind;
    int side;   ///< the target's side
    int ship;   ///< the target
    float hits = 0;  ///< the target's hits of the step (announcements)
};
/// Resolves the salvo of ship i of side s, shell by shell, into its events. No screen output.
std::vector<SalvoEvent> resolve_salvo(Kelmat& s, int side, int ship);
/// The salvo phase: pause, salvo screen, every due side's salvoes, pause.
void salvo_phase(Kelmat& s, Battle& b);

// ---- Step end and results -----------------------------------------------------------------------

/// Applies and clears the step damage `DM` of every ship (speed lost, turrets knocked out).
void apply_step_damage(Kelmat& s, const Battle& b);
/// The status table of both fleets (no pause).
void show_status_table(Kelmat& s, const Battle& b);
/// The end test: whether the battle goes on.
bool battle_goes_on(const Kelmat& s, const Battle& b);
/// The result screen and its key.
void show_results(Kelmat& s, const Battle& b);

}  // namespace kelmat
