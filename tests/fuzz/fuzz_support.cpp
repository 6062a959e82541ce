// What the fuzz targets share.
#include "tests/fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "console/runner.h"

namespace fuzz {

const NamedTarget kTargets[6] = {{"detailed_save", detailed_save}, {"simplified_save", simplified_save},
                                 {"scenario_file", scenario_file}, {"records", records},
                                 {"numbers", numbers},             {"cp932", cp932}};

namespace {
void (*broken_handler)(std::string_view) = nullptr;
long commit_count = 0;
}  // namespace

long commits() { return commit_count; }
void note_commit() { ++commit_count; }

void set_broken_handler(void (*handler)(std::string_view what)) { broken_handler = handler; }

void broken(std::string_view what) {
    if (broken_handler) broken_handler(what);
    std::fprintf(stderr, "fuzz invariant broken: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

con::Console& ready_console() {
    static con::Console* console = [] {
        auto* c = new con::Console(con::make_headless_backend(con::HeadlessOptions{}));
        c->make_current();
        return c;
    }();
    console->make_current();
    console->files().abandon_all();
    while (console->key_waiting()) (void)console->take_key();
    console->screen().clear(4);
    return *console;
}

void type_keys(std::string_view script) {
    con::Console& c = con::current();
    for (const auto& k : con::parse_key_script(script)) c.key(k);
}

void write_file(const std::string& name, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    check(static_cast<bool>(out), "the input could not be written");
}

std::string read_file(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace fuzz
