// Random-key runs: plays seeded random key scripts through a program's headless binary (built
// with the sanitizers) and fails on a crash, a sanitizer report, a hang, a non-zero exit, a
// partial file left in the working directory or, with --check, a save file there that its
// game's loader refuses (tools/save_check.cpp loads them). A failing script is shrunk to a
// short one that fails the same way, and printed with the command that replays it. Not a
// program of the games: it starts them as a player's shell would. tools/monkey.sh builds and
// runs it.
//
//   monkey --program PATH [--check SAVE_CHECK] [--runs N] [--first-seed S] [--keys K] [--timeout SECONDS]
//   monkey --print-script SEED [--keys K]     prints the script of a seed (to replay it)
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

struct Options {
    std::string program;
    std::string save_check;  // the loader check run in each run's folder; none when empty
    long runs = 10;
    unsigned long first_seed = 1;
    int keys = 3000;
    int timeout_seconds = 60;
    bool print_only = false;
};

// One key of the script language of the headless mode (a character or a {NAME}).
using Script = std::vector<std::string>;

std::string text_of(const Script& script) {
    std::string s;
    for (const auto& k : script) s += k;
    return s;
}

// Digits most often, as most questions take numbers; then Enter, the letters of the
// questions (Y, N, and the few letter keys), other letters, the editing keys, function and
// arrow keys, blanks and the characters of numbers.
Script random_script(std::mt19937_64& rng, int keys) {
    static const char* const kNamed[] = {"{ENTER}", "{ESC}", "{BS}", "{TAB}", "{UP}", "{DOWN}", "{LEFT}", "{RIGHT}"};
    static const std::string kQuestionLetters = "YNynhsrZXCx";
    static const std::string kNumberChars = ".-+E ";
    Script s;
    s.reserve(static_cast<std::size_t>(keys));
    auto pick = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    for (int i = 0; i < keys; ++i) {
        const std::size_t r = pick(100);
        if (r < 42) {
            s.emplace_back(1, static_cast<char>('0' + pick(10)));
        } else if (r < 60) {
            s.emplace_back("{ENTER}");
        } else if (r < 72) {
            s.emplace_back(1, kQuestionLetters[pick(kQuestionLetters.size())]);
        } else if (r < 78) {
            s.emplace_back(1, static_cast<char>(pick(2) ? 'a' + pick(26) : 'A' + pick(26)));
        } else if (r < 86) {
            s.emplace_back(kNamed[1 + pick(2)]);  // Esc, Backspace
        } else if (r < 91) {
            s.emplace_back("{F" + std::to_string(1 + pick(10)) + "}");
        } else if (r < 95) {
            s.emplace_back(kNamed[3 + pick(5)]);  // Tab and the arrows
        } else {
            s.emplace_back(1, kNumberChars[pick(kNumberChars.size())]);
        }
    }
    return s;
}

struct Outcome {
    std::string failure;  // empty: the run passed
    std::string report;   // the program's stderr
};

std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The names in `dir`, subfolders included (a program may make none, but a leftover anywhere
// counts).
std::vector<std::string> files_in(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir, ec))
        names.push_back(e.path().filename().string());
    return names;
}

// Removes a run's folder and all in it; a folder the run left unremovable is reported, not fatal.
void remove_tree(const std::string& dir) {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    if (ec) std::cerr << "could not remove " << dir << ": " << ec.message() << "\n";
}

// Starts `args` (the executable first) in the folder `work`, its output dropped and its stderr
// into `err_file`; the child's process id.
pid_t start_in(const std::string& work, const std::string& err_file, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    // What is buffered for our own output must not be written again by the child.
    std::cout.flush();
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(work.c_str()) != 0 || !freopen("/dev/null", "w", stdout) || !freopen(err_file.c_str(), "w", stderr))
            _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

// Runs `save_check` in `work` and waits for it; the exit status and what it wrote on stderr.
std::pair<int, std::string> check_saves(const std::string& save_check, const std::string& work,
                                        const std::string& err_file) {
    const pid_t pid = start_in(work, err_file, {save_check});
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), read_all(err_file)};
}

// Runs the program once on the script in a fresh directory and says how it failed, if it did.
Outcome run_once(const Options& o, const Script& script, int clock_seconds) {
    char pattern[] = "/tmp/morva-monkey-XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    const std::string dir = pattern;
    const std::string work = dir + "/run";
    const std::string keys_file = dir + "/keys.txt", err_file = dir + "/stderr.txt";
    ::mkdir(work.c_str(), 0755);
    std::ofstream(keys_file, std::ios::binary) << text_of(script);
    const pid_t pid = start_in(work, err_file,
                               {o.program, "--headless", "--keys-file", keys_file, "--clock-seconds",
                                std::to_string(clock_seconds)});
    Outcome out;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(o.timeout_seconds);
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            out.failure = "hang (no end within " + std::to_string(o.timeout_seconds) + " s)";
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    out.report = read_all(err_file);
    if (out.failure.empty()) {
        if (WIFSIGNALED(status)) {
            out.failure = "crash (signal " + std::to_string(WTERMSIG(status)) + ")";
        } else if (out.report.find("Sanitizer") != std::string::npos ||
                   out.report.find("runtime error:") != std::string::npos) {
            out.failure = "sanitizer report";
        } else if (WEXITSTATUS(status) != 0) {
            out.failure = "exit status " + std::to_string(WEXITSTATUS(status));
        } else {
            for (const auto& f : files_in(work))
                if (f.size() > 8 && f.compare(f.size() - 8, 8, ".partial") == 0) out.failure = "partial file " + f;
        }
    }
    // Every file the run left loads again through its game's loader, or the player lost it.
    if (out.failure.empty() && !o.save_check.empty()) {
        const auto [status, report] = check_saves(o.save_check, work, dir + "/check.txt");
        if (status != 0) {
            out.failure = status == 1 ? "a save file its loader refuses"
                                      : "the save check did not run (status " + std::to_string(status) + ")";
            out.report = report;
        }
    }
    remove_tree(dir);
    return out;
}

// Removes ever smaller stretches of keys while the run still fails the same way; bounded.
Script shrink(const Options& o, Script script, int clock_seconds, const std::string& failure) {
    int tries = 0;
    for (std::size_t chunk = script.size() / 2; chunk >= 1 && tries < 400; chunk /= 2) {
        for (std::size_t at = 0; at < script.size() && tries < 400;) {
            Script shorter(script.begin(), script.begin() + static_cast<long>(at));
            shorter.insert(shorter.end(), script.begin() + static_cast<long>(std::min(at + chunk, script.size())),
                           script.end());
            ++tries;
            if (run_once(o, shorter, clock_seconds).failure == failure)
                script = std::move(shorter);
            else
                at += chunk;
        }
    }
    return script;
}

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc) return false;
        const std::string v = argv[++i];
        if (a == "--program") o.program = v;
        else if (a == "--check") o.save_check = v;
        else if (a == "--runs") o.runs = std::stol(v);
        else if (a == "--first-seed") o.first_seed = std::stoul(v);
        else if (a == "--keys") o.keys = std::stoi(v);
        else if (a == "--timeout") o.timeout_seconds = std::stoi(v);
        else if (a == "--print-script") o.print_only = true, o.first_seed = std::stoul(v);
        else return false;
    }
    return (o.print_only || !o.program.empty()) && o.runs > 0 && o.keys > 0 && o.timeout_seconds > 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::cerr << "usage: monkey --program PATH [--check SAVE_CHECK] [--runs N] [--first-seed S] [--keys K]\n"
                     "              [--timeout SECONDS]\n"
                     "       monkey --print-script SEED [--keys K]\n";
        return 2;
    }
    if (o.print_only) {
        std::mt19937_64 rng(o.first_seed);
        std::cout << text_of(random_script(rng, o.keys)) << "\n";
        return 0;
    }
    long failures = 0;
    long long keys = 0;
    for (long r = 0; r < o.runs; ++r) {
        const unsigned long seed = o.first_seed + static_cast<unsigned long>(r);
        std::mt19937_64 rng(seed);
        const int clock_seconds = static_cast<int>(seed % 60);
        const Script script = random_script(rng, o.keys);
        keys += static_cast<long long>(script.size());
        const Outcome out = run_once(o, script, clock_seconds);
        if (out.failure.empty()) continue;
        ++failures;
        std::cout << "FAILED seed " << seed << " (clock second " << clock_seconds << "): " << out.failure << "\n"
                  << out.report.substr(0, 2000) << "\n";
        const Script small = shrink(o, script, clock_seconds, out.failure);
        std::cout << "shrunk to " << small.size() << " keys; replay with\n  " << o.program
                  << " --headless --clock-seconds " << clock_seconds << " --keys '" << text_of(small) << "'\n";
    }
    std::cout << o.program << ": " << o.runs << " runs, " << keys << " keys, seeds " << o.first_seed << "-"
              << o.first_seed + static_cast<unsigned long>(o.runs) - 1 << ", " << failures << " failed\n";
    return failures == 0 ? 0 : 1;
}
