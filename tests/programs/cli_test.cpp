// The three programs' headless command line: dumps, frames, exit status and refusals.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "tests/test_support.h"

using namespace testing_support;

namespace {

const char* const kPrograms[] = {"MORVA95F", "MORVA95S", "kelmat95"};

TEST(CommandLine, HeadlessRunWritesTheDumps) {
    for (const char* program : kPrograms) {
        ScopedTempDir dir;
        BinaryRun run = run_binary(program, "", 0, {"--png", "shot.png", "--frames", "frames"});
        EXPECT_EQ(run.exit_code, 0) << program << ": " << run.err;
        // 24 text lines; 24 lines of 80 colour digits or dots.
        EXPECT_EQ(std::count(run.screen.begin(), run.screen.end(), '\n'), 24) << program;
        ASSERT_EQ(run.colours.size(), 24u * 81u) << program;
        EXPECT_EQ(run.colours.find_first_not_of(".01234567\n"), std::string::npos) << program;
        EXPECT_NE(run.screen.find_first_not_of(" \n"), std::string::npos) << program << " shows nothing";
        std::string png = read_file("shot.png");
        ASSERT_GE(png.size(), 24u) << program;
        EXPECT_EQ(png.substr(1, 3), "PNG") << program;
        // IHDR width and height: 640 x 432.
        EXPECT_EQ(static_cast<unsigned char>(png[18]) * 256 + static_cast<unsigned char>(png[19]), 640) << program;
        EXPECT_EQ(static_cast<unsigned char>(png[22]) * 256 + static_cast<unsigned char>(png[23]), 432) << program;
        // The program waited for input at least once: a frame of that screen.
        EXPECT_TRUE(std::filesystem::exists("frames/0000.txt")) << program;
    }
}

TEST(CommandLine, CloseEndsTheRunWithStatusZero) {
    for (const char* program : kPrograms) {
        ScopedTempDir dir;
        BinaryRun run = run_binary(program, "{CLOSE}");
        EXPECT_EQ(run.exit_code, 0) << program << ": " << run.err;
    }
}

TEST(CommandLine, BadOptionsAndKeyScriptsAreRefused) {
    ScopedTempDir dir;
    BinaryRun unknown_key = run_binary("MORVA95F", "{NOSUCHKEY}");
    EXPECT_NE(unknown_key.exit_code, 0);
    EXPECT_NE(unknown_key.err.find("NOSUCHKEY"), std::string::npos);
    BinaryRun bad_seconds = run_binary("kelmat95", "", 0, {"--clock-seconds", "75"});
    EXPECT_EQ(bad_seconds.exit_code, 2);
    BinaryRun bad_option = run_binary("MORVA95S", "", 0, {"--fullscreen"});
    EXPECT_EQ(bad_option.exit_code, 2);
}

TEST(CommandLine, ControlCharactersInAKeyScriptAreRefusedBeforeTheRun) {
    // Byte 1, a raw Esc and a raw tab: each refused with a message and status 2, never an
    // internal failure, in every program.
    for (const char* program : kPrograms)
        for (std::string script : {std::string("1\x01"), std::string("\x01"), std::string("x\x1b"), std::string("\t")}) {
            ScopedTempDir dir;
            BinaryRun run = run_binary(program, script);
            EXPECT_EQ(run.exit_code, 2) << program << ": " << run.err;
            EXPECT_NE(run.err.find("control character"), std::string::npos) << program << ": " << run.err;
            EXPECT_EQ(run.err.find("internal failure"), std::string::npos) << program << ": " << run.err;
        }
}

TEST(CommandLine, AKeyFileIsReadWithItsLineEndsDropped) {
    for (const char* program : kPrograms) {
        ScopedTempDir dir;
        BinaryRun typed = run_binary(program, "{ESC}1{ENTER}");
        write_file("run.keys", "{ESC}\r\n1{EN\nTER}\n");
        BinaryRun from_file = run_binary(program, "", 0, {"--keys-file", "run.keys"});
        EXPECT_EQ(from_file.exit_code, 0) << program << ": " << from_file.err;
        EXPECT_EQ(from_file.screen, typed.screen) << program;
    }
}

TEST(CommandLine, ArgumentsThatCannotBeUsedAreRefusedWithStatusTwo) {
    // Each refused before the run, with status 2 and a message that names the argument: a key
    // number too large for any integer, a key file that is no regular file of a stored file's
    // size (read for ever, or waited on for ever, before), and dump files or a frames folder
    // that cannot be written.
    ScopedTempDir dir;
    ASSERT_EQ(::mkfifo("fifo", 0644), 0);
    std::filesystem::create_directory("folder");
    write_file("file", "x");
    write_file("big.keys", std::string((1u << 20) + 1, '1'));
    std::filesystem::create_symlink("nowhere/frames", "dangling");
    struct Case {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"--keys", "{F99999999999}"}, "{F99999999999}"},
        {{"--keys", "{F13}"}, "{F13}"},
        {{"--keys", "{F01}"}, "{F01}"},
        {{"--keys-file", "/dev/zero"}, "/dev/zero: not a regular file"},
        {{"--keys-file", "fifo"}, "fifo: not a regular file"},
        {{"--keys-file", "folder"}, "folder: not a regular file"},
        {{"--keys-file", "big.keys"}, "big.keys: larger than 1048576 bytes"},
        {{"--keys-file", "none.keys"}, "none.keys: No such file"},
        {{"--screen", "no/such/screen.txt"}, "--screen no/such/screen.txt"},
        {{"--screen", "folder"}, "--screen folder"},
        {{"--colours", "folder"}, "--colours folder"},
        {{"--png", "no/such/shot.png"}, "--png no/such/shot.png"},
        {{"--frames", "file"}, "--frames file: not a folder"},
        {{"--frames", "no/such/frames"}, "--frames no/such/frames"},
        {{"--png", "p.png/"}, "--png p.png/: a file's name cannot end in /"},
        {{"--colours", "c.txt/"}, "--colours c.txt/: a file's name cannot end in /"},
        {{"--frames", "dangling"}, "--frames dangling: a symbolic link to nothing"},
        // Refused by its folder's rights, or, as root, by the folder that cannot be made.
        {{"--frames", "/proc/fr"}, "--frames /proc/fr: "},
    };
    for (const char* program : kPrograms)
        for (const Case& c : cases) {
            BinaryRun run = run_binary(program, "", 0, c.args);
            EXPECT_EQ(run.exit_code, 2) << program << " " << c.args[1] << ": " << run.err;
            EXPECT_NE(run.err.find(c.says), std::string::npos) << program << " " << c.args[1] << ": " << run.err;
            EXPECT_EQ(run.err.find("stoi"), std::string::npos) << run.err;
            EXPECT_EQ(run.err.find("internal failure"), std::string::npos) << run.err;
        }
    EXPECT_TRUE(std::filesystem::is_directory("folder")) << "left as it was";
    EXPECT_EQ(read_file("file"), "x");
}

TEST(CommandLine, ARefusedCommandLineWritesNothing) {
    // Every option is checked before any file or folder is made: a later option's refusal
    // leaves no dump file, nor frames folder, of an earlier one.
    const std::vector<std::string> cases[] = {
        {"--screen", "s.txt", "--png", "nodir/p.png"},
        {"--frames", "frames", "--colours", "nodir/c.txt"},
        {"--png", "p.png", "--frames", "nodir/frames"},
        {"--screen", "s.txt", "--keys-file", "none.keys"},
        {"--screen", "s.txt", "--png", "p.png/"},
        {"--colours", "c.txt", "--frames", "dangling"},
        {"--screen", "s.txt", "--frames", "/proc/fr"},
    };
    for (const char* program : kPrograms)
        for (const auto& args : cases) {
            ScopedTempDir dir;
            std::filesystem::create_symlink("nowhere/frames", "dangling");
            BinaryRun run = run_binary(program, "", 0, args);
            EXPECT_EQ(run.exit_code, 2) << program << " " << args[3] << ": " << run.err;
            std::vector<std::string> left;
            for (const auto& e : std::filesystem::directory_iterator("."))
                if (e.path().filename() != "run.stderr.txt" && e.path().filename() != "dangling")
                    left.push_back(e.path().filename().string());
            EXPECT_TRUE(left.empty()) << program << " " << args[3] << " left " << left[0];
        }
}

// What a program run with `args` alone printed, and its exit status.
struct PlainRun {
    int exit_code = -1;
    std::string out, err;
};

PlainRun run_with_args(const std::string& program, std::vector<std::string> args) {
    for (const char* folder : {"detailed", "simplified", "gunnery"})
        if (std::string path = std::string(BINARY_DIR) + "/" + folder + "/" + program; access(path.c_str(), X_OK) == 0)
            args.insert(args.begin(), path);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t outputs;
    posix_spawn_file_actions_init(&outputs);
    posix_spawn_file_actions_addopen(&outputs, 1, "plain.out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&outputs, 2, "plain.err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    PlainRun run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &outputs, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&outputs);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << program << ": " << std::strerror(spawned);
        return run;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = read_file("plain.out.txt");
    run.err = read_file("plain.err.txt");
    return run;
}

TEST(CommandLine, HelpPrintsTheUsageOnStandardOutputAndAWrongOptionOnStandardError) {
    for (const char* program : kPrograms) {
        ScopedTempDir dir;
        for (const char* help : {"--help", "-h"}) {
            const PlainRun run = run_with_args(program, {help});
            EXPECT_EQ(run.exit_code, 0) << program << " " << help;
            EXPECT_TRUE(run.out.starts_with(std::string("usage: ") + program)) << program << " " << help << ": " << run.out;
            EXPECT_NE(run.out.find("--headless"), std::string::npos) << run.out;
            EXPECT_EQ(run.err, "") << program << " " << help;
        }
        const PlainRun wrong = run_with_args(program, {"--headless", "--no-such-option"});
        EXPECT_EQ(wrong.exit_code, 2) << program;
        EXPECT_EQ(wrong.out, "") << program;
        EXPECT_TRUE(wrong.err.starts_with(std::string("usage: ") + program)) << program << ": " << wrong.err;
    }
}

// Runs tools/monkey.sh on one short random run of kelmat95 with MONKEY_BUILD_DIR as given and
// `path` as PATH; returns its exit status.
int run_monkey_script(const std::string& build_dir, const std::string& path) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen("monkey.out.txt", "w", stdout) || !std::freopen("monkey.err.txt", "w", stderr)) _exit(126);
        setenv("PATH", path.c_str(), 1);
        setenv("MONKEY_BUILD_DIR", build_dir.c_str(), 1);
        setenv("MONKEY_FIRST_SEED", "1", 1);
        setenv("MONKEY_KEYS", "40", 1);
        const std::string script = std::string(SOURCE_DIR) + "/tools/monkey.sh";
        execl("/bin/bash", "bash", script.c_str(), "kelmat95", "1", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(CommandLine, MonkeyScriptTakesAbsoluteAndRelativeBuildFolders) {
    // A build folder of the built monkey, save check and kelmat95, named absolute and relative
    // to the source folder (where the script runs), with a cmake that builds nothing: a test
    // never rebuilds what other tests run.
    namespace fs = std::filesystem;
    ScopedTempDir dir;
    const fs::path here = fs::current_path();
    fs::create_directories("build/gunnery");
    write_file("build/CMakeCache.txt", "");
    for (const char* tool : {"monkey", "save_check"})
        ASSERT_TRUE(fs::exists(std::string(BINARY_DIR) + "/" + tool)) << "the " << tool << " target is built";
    fs::create_symlink(std::string(BINARY_DIR) + "/monkey", "build/monkey");
    fs::create_symlink(std::string(BINARY_DIR) + "/save_check", "build/save_check");
    fs::create_symlink(std::string(BINARY_DIR) + "/gunnery/kelmat95", "build/gunnery/kelmat95");
    fs::create_directory("bin");
    write_file("bin/cmake", "#!/bin/sh\nexit 0\n");
    fs::permissions("bin/cmake", fs::perms::owner_all);
    const std::string path =
        (here / "bin").string() + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin");
    const fs::path absolute = here / "build";
    const fs::path relative = fs::relative(absolute, fs::canonical(SOURCE_DIR));
    for (const fs::path& folder : {absolute, relative}) {
        EXPECT_EQ(run_monkey_script(folder.string(), path), 0)
            << folder << "\n"
            << read_file("monkey.out.txt") << read_file("monkey.err.txt");
    }
}

}  // namespace
