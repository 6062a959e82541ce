// The libFuzzer entry of one fuzz target, chosen when it is built (FUZZ_TARGET names a
// function of tests/fuzz/fuzz_support.h). Inputs are written as files into a temporary
// directory of the run's own, in memory (/dev/shm) where there is one, removed at its end.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "tests/fuzz/fuzz_support.h"

namespace {

std::string g_directory;

void remove_directory() {
    const std::string cmd = "rm -rf '" + g_directory + "'";
    if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", g_directory.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/morva-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()) || chdir(pattern.c_str()) != 0) {
        std::perror("temporary directory");
        std::exit(1);
    }
    g_directory = pattern;
    std::atexit(remove_directory);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::FUZZ_TARGET(data, size);
}
