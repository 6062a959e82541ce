// Runs with the build: refuses program code that crosses the platform boundary, and a program
// header that defines a macro (see boundary_rules.h). Prints each offending line as
// "file:line: error: ..." and fails; on success touches the stamp file so that the check runs
// again only when a source changes.
//
// Usage: check_boundary STAMP SOURCE_DIR FOLDER...
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/boundary_rules.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: check_boundary STAMP SOURCE_DIR FOLDER...\n";
        return 2;
    }
    int offences = 0;
    for (int a = 3; a < argc; ++a) {
        const fs::path root = fs::path(argv[2]) / argv[a];
        if (!fs::exists(root)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream text;
            text << in.rdbuf();
            for (const std::string& refusal : boundary::refusals(entry.path().string(), text.str())) {
                std::cerr << refusal << "\n";
                ++offences;
            }
        }
    }
    if (offences > 0) return 1;
    std::ofstream(argv[1]) << "ok\n";
    return 0;
}
