// kelmat95: the stored records (built-in tables) in their stored order, and their self-check.
#include <stdexcept>
#include <vector>

#include "gunnery/state.h"

namespace kelmat {
namespace {

// The record files in stored order: readers that run on past a record go into the next one,
// so the order of the files is part of the data.
constexpr const char* kFiles[] = {
    "01_class_names.txt", "02_reference_texts.txt", "03_gun_data.txt",    "04_gun_label_order.txt",
    "05_ship_names.txt",  "06_design_counts.txt",   "07_calibre_names.txt", "08_class_values.txt",
    "09_design_values.txt", "10_belt_overlay.txt",  "11_turret_layouts.txt", "12_viewer_names.txt",
};

constexpr const char* kReferenceGroups[] = {"Displacement", "Calibre", "Layout", "Speed", "Belt", "Deck"};

struct GroupSize {
    std::string name;
    std::size_t items;
};

// Every read start in stored order with the number of items up to the next start.
std::vector<GroupSize> expected_groups() {
    std::vector<GroupSize> g;
    for (int n = 1; n <= 5; ++n) g.push_back({"ClassNames" + std::to_string(n), 22});
    for (int n = 1; n <= 5; ++n)
        for (const char* r : kReferenceGroups) g.push_back({std::string("Reference") + r + std::to_string(n), 22});
    g.push_back({"GunData", 6 * 36});
    g.push_back({"GunLabelOrder", 2 * 36});
    g.push_back({"ShipNames", 351});
    g.push_back({"DesignCounts", 10 * 22});
    g.push_back({"CalibreNames", 36});
    for (int n = 1; n <= 5; ++n) g.push_back({"ClassValues" + std::to_string(n), 6 * 22});
    g.push_back({"DesignValues", 35 * 22});  // 30 final records, then as-built field 1
    for (int n = 1; n <= 4; ++n) g.push_back({"AsBuiltGuns" + std::to_string(n), 22});
    g.push_back({"AsBuiltGuns5", 16 * 22});  // its record, then as-built fields 3, 5, 6
    for (int n = 1; n <= 5; ++n) g.push_back({"BeltOverlay" + std::to_string(n), 22});
    g.push_back({"TurretLayouts", 22 * 7 + 22});
    g.push_back({"NovelistNames", 6});
    g.push_back({"NationName", 1});
    return g;
}

[[noreturn]] void fail(const con::RecordSet& data, const std::string& what) {
    throw std::runtime_error("stored tables: " + what + " (" + data.where() + ")");
}

float number_at(con::RecordSet& data) {
    try {
        return data.read_number();
    } catch (const con::RuntimeError&) {
        fail(data, "a number was expected");
    }
}

void check_texts(con::RecordSet& data, const std::string& group, int count, long limit, long last_limit) {
    data.restore_data(group);
    for (int i = 1; i <= count; ++i) {
        std::string t = data.read_text();
        long max = (i == count) ? last_limit : limit;
        if (con::byte_length(t) > max)
            fail(data, group + " item " + std::to_string(i) + " is longer than " + std::to_string(max) + " bytes");
    }
}

void check_group_sizes(con::RecordSet& data) {
    auto groups = expected_groups();
    for (std::size_t i = 0; i < groups.size(); ++i) {
        data.restore_data(groups[i].name);
        std::size_t here = data.remaining();
        std::size_t next = 0;
        if (i + 1 < groups.size()) {
            data.restore_data(groups[i + 1].name);
            next = data.remaining();
        }
        if (here < next || here - next != groups[i].items)
            throw std::runtime_error("stored tables: group " + groups[i].name + " holds " +
                                     std::to_string(here - next) + " items, not " +
                                     std::to_string(groups[i].items));
    }
}

// Ship counts, as-built flags, the ship names they govern, and the value ranges that the
// real-class path uses as table indices.
void check_design_numbers(con::RecordSet& data) {
    data.restore_data("DesignCounts");
    long names = 0;
    for (int r = 1; r <= 10; ++r)
        for (int c = 1; c <= 22; ++c) {
            float v = number_at(data);
            // A class has 1-8 ships (the names table holds 8 per class); a flag is 0 or 1.
            const long min = r <= 5 ? 1 : 0, max = r <= 5 ? 8 : 1;
            if (v != con::int_floor(v) || v < min || v > max) fail(data, "a ship count or as-built flag is out of range");
            if (r <= 5) names += static_cast<long>(v);
        }
    if (names != 351) fail(data, "the ship counts add up to " + std::to_string(names) + ", not 351");
    data.restore_data("ShipNames");
    for (int i = 1; i <= 351; ++i) {
        std::string name = data.read_text();
        if (con::byte_length(name) > 20) fail(data, "a ship name is longer than 20 bytes");
        if (name.find(',') != std::string::npos) fail(data, "a ship name holds a comma");
    }
    data.restore_data("DesignValues");
    const int fields[] = {1, 2, 3, 4, 5, 6, 1, 2, 3, 5, 6};
    for (int k = 0; k < 11; ++k)
        for (int n = 1; n <= 5; ++n)
            for (int c = 1; c <= 22; ++c) {
                float v = number_at(data);
                int f = fields[k];
                if (f == 1 && v <= 0) fail(data, "a displacement is not above 0");
                if (f == 2 && (v < 1 || v > 36 || v != con::int_floor(v))) fail(data, "a gun type is not 1-36");
                if (f == 3 && (v < 1 || v > 22 || v != con::int_floor(v))) fail(data, "a layout is not 1-22");
            }
}

}  // namespace

int record_navy(float navy) {
    long n = con::round_half_away(con::L(navy));
    return (n >= 1 && n <= 4) ? static_cast<int>(n) : 5;
}

RecordFiles stored_record_files() {
    con::EmbeddedSet set = gunnery_tables();
    RecordFiles files;
    for (const char* name : kFiles) files.emplace_back(name, std::string(set.get(name)));
    return files;
}

con::RecordSet records_from(const RecordFiles& files) {
    std::vector<std::pair<std::string, std::string_view>> views;
    for (const auto& [name, text] : files) views.emplace_back(name, text);
    return con::RecordSet(views);
}

con::RecordSet load_stored_records() { return records_from(stored_record_files()); }

void check_stored_records(con::RecordSet& data) {
    check_group_sizes(data);
    for (int n = 1; n <= 5; ++n) {
        std::string navy = std::to_string(n);
        check_texts(data, "ClassNames" + navy, 22, 23, 23);
        // Class 22's text stands on row 23, whose last column is never written.
        for (const char* r : kReferenceGroups) check_texts(data, std::string("Reference") + r + navy, 22, 12, 11);
    }
    check_design_numbers(data);
    // The viewer prints the novelist names from its year column up to the calibre column and
    // the nation's name from column 67 up to the row's end.
    check_texts(data, "NovelistNames", 6, 9, 9);
    check_texts(data, "NationName", 1, 13, 13);
    data.restore_data();
}

Kelmat::Kelmat() : data(load_stored_records()) { check_stored_records(data); }

std::unique_ptr<Kelmat> make_state() { return std::make_unique<Kelmat>(); }

}  // namespace kelmat
