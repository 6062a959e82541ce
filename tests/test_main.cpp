// Test entry: every suite runs in a fresh temporary directory (programs read and write files
// in the current directory).
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    char dir[] = "/tmp/morva-test-XXXXXX";
    if (!mkdtemp(dir) || chdir(dir) != 0) {
        std::perror("temporary directory");
        return 1;
    }
    int rc = RUN_ALL_TESTS();
    std::string cmd = std::string("rm -rf '") + dir + "'";
    if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", dir);
    return rc;
}
