// The headless backend: keys from a script, a virtual clock, frame dumps. Timed waits return
// at once; a run ends when the script is used up and the program waits for input.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#include "console/file_system.h"
#include "console/runner.h"

namespace con {
namespace {

constexpr char kSpecial = '\x01';

// A program that polls the keyboard this many times in a row without getting a key is
// waiting for one (a polling loop); it then gets the next scripted key like a blocking wait.
constexpr unsigned kPollsPerWait = 1000;

class HeadlessBackend : public Backend {
public:
    explicit HeadlessBackend(const HeadlessOptions& options)
        : keys_(parse_key_script(options.keys)), seconds_(options.clock_seconds), frames_dir_(options.frames_dir) {}

    void poll(EventSink& sink, bool for_key) override {
        if (!for_key) return;
        if (++empty_polls_ >= kPollsPerWait) deliver(sink);
    }

    void wait_for_input(EventSink& sink, const Screen&) override { deliver(sink); }

    void sleep_ticks(unsigned n, EventSink&) override { micros_ += static_cast<std::uint64_t>(n) * 10000; }
    void sleep_micros(std::uint64_t us, EventSink&) override { micros_ += us; }
    void present(const Screen&) override {}
    void beep() override {}

    std::string time_string() override {
        std::uint64_t total = micros_ / 1000000 + static_cast<std::uint64_t>(seconds_);
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02u:%02u:%02u", static_cast<unsigned>(total / 3600 % 24),
                      static_cast<unsigned>(total / 60 % 60), static_cast<unsigned>(total % 60));
        return buf;
    }

    void waiting_for_input(const Screen& screen) override {
        if (frames_dir_.empty()) return;
        char name[32];
        std::snprintf(name, sizeof name, "/%04u.txt", frame_++);
        std::string path = frames_dir_ + name;
        std::FILE* fp = std::fopen(path.c_str(), "wb");
        if (!fp) throw DumpError("cannot write frame " + path + ": " + std::strerror(errno));
        const std::string text = screen.dump_text();
        const bool written = std::fwrite(text.data(), 1, text.size(), fp) == text.size();
        const int e = errno;
        if (std::fclose(fp) != 0 || !written)
            throw DumpError("cannot write frame " + path + ": " + std::strerror(written ? errno : e));
    }

private:
    void deliver(EventSink& sink) {
        empty_polls_ = 0;
        if (next_ >= keys_.size()) throw ProgramEnd(ProgramEnd::Reason::ScriptEnded);
        const std::string& k = keys_[next_++];
        if (!k.empty() && k[0] == kSpecial) {
            std::string name = k.substr(1);
            if (name == "CLOSE")
                sink.close();
            else
                sink.function_key(std::stoi(name.substr(1)));
        } else {
            sink.key(k);
        }
    }

    std::vector<std::string> keys_;
    std::size_t next_ = 0;
    int seconds_;
    std::string frames_dir_;
    unsigned frame_ = 0;
    unsigned empty_polls_ = 0;
    std::uint64_t micros_ = 0;
};

// F1 to F12, without a leading zero: read digit by digit, so no count of digits can overflow.
bool is_function_key_name(const std::string& name) {
    if (name.size() < 2 || name.size() > 3 || name[0] != 'F' || name[1] == '0') return false;
    if (name.find_first_not_of("0123456789", 1) != std::string::npos) return false;
    const int n = name.size() == 2 ? name[1] - '0' : (name[1] - '0') * 10 + (name[2] - '0');
    return n >= 1 && n <= 12;
}

}  // namespace

void append_key_file(const std::string& path, std::string& keys) {
    std::string text;
    const std::string why = read_whole_file(path, text);
    if (!why.empty()) throw std::invalid_argument("cannot read the key file " + path + ": " + why);
    for (char c : text)  // line ends only split a long script; Enter is {ENTER}
        if (c != '\n' && c != '\r') keys += c;
}

std::vector<std::string> parse_key_script(std::string_view script) {
    std::vector<std::string> keys;
    for (std::size_t i = 0; i < script.size();) {
        if (script[i] == '{') {
            if (i + 1 < script.size() && script[i + 1] == '{') {
                keys.emplace_back("{");
                i += 2;
                continue;
            }
            std::size_t close = script.find('}', i);
            if (close == std::string_view::npos) throw std::invalid_argument("unclosed { in key script");
            std::string name(script.substr(i + 1, close - i - 1));
            i = close + 1;
            if (name == "ENTER") keys.emplace_back(1, key::kEnter);
            else if (name == "ESC") keys.emplace_back(1, key::kEsc);
            else if (name == "BS") keys.emplace_back(1, key::kBackspace);
            else if (name == "TAB") keys.emplace_back(1, key::kTab);
            else if (name == "UP") keys.emplace_back(1, key::kUp);
            else if (name == "DOWN") keys.emplace_back(1, key::kDown);
            else if (name == "LEFT") keys.emplace_back(1, key::kLeft);
            else if (name == "RIGHT") keys.emplace_back(1, key::kRight);
            else if (name == "CLOSE") keys.push_back(std::string(1, kSpecial) + "CLOSE");
            else if (is_function_key_name(name))
                keys.push_back(std::string(1, kSpecial) + name);
            else
                throw std::invalid_argument("unknown key {" + name + "} in key script");
            continue;
        }
        // A raw control byte is no key a player types here (Enter, Esc and the like are written
        // by name); refusing it keeps the byte from posing as the script's own special marker.
        unsigned char c = static_cast<unsigned char>(script[i]);
        if (c < 0x20 || c == 0x7f)
            throw std::invalid_argument("control character (byte " + std::to_string(c) +
                                        ") in key script; write keys such as {ENTER} or {ESC} by name");
        TextUnit u = next_unit(script, i);
        keys.emplace_back(script.substr(i, u.length));
        i += u.length;
    }
    return keys;
}

std::unique_ptr<Backend> make_headless_backend(const HeadlessOptions& options) {
    return std::make_unique<HeadlessBackend>(options);
}

}  // namespace con
