// Runs with the build: refuses two source files of a library in the batches of the unity build
// when one names a helper local to the other, and a file in the batches that defines a macro or
// has a file-scope using-directive (see unity_rules.h). Prints each case as
// "file:line: error: ..." with what to do, and fails; on success touches the stamp file so that
// the check runs again only when a source or the list changes.
//
// Usage: check_unity STAMP LIST
// LIST (written by the top CMakeLists.txt) holds, for each library compiled in batches, a line
// "library <source folder>" and then one line per source file: "batched <path>" or
// "kept <path>" (kept out of the batches).
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/unity_rules.h"

namespace {

struct Library {
    std::string folder;
    std::vector<unity::Source> sources;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: check_unity STAMP LIST\n";
        return 2;
    }
    std::ifstream list(argv[2]);
    if (!list) {
        std::cerr << argv[2] << ": error: cannot read the list of sources\n";
        return 2;
    }
    std::vector<Library> libraries;
    std::string line;
    while (std::getline(list, line)) {
        const std::size_t space = line.find(' ');
        const std::string word = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        if (word == "library") {
            libraries.push_back({rest, {}});
        } else if ((word == "batched" || word == "kept") && !libraries.empty()) {
            unity::Source source{rest, "", word == "batched"};
            if (source.batched) {
                std::ifstream in(rest, std::ios::binary);
                if (!in) {
                    std::cerr << rest << ": error: cannot read this source\n";
                    return 2;
                }
                std::ostringstream text;
                text << in.rdbuf();
                source.text = text.str();
            }
            libraries.back().sources.push_back(std::move(source));
        } else if (!line.empty()) {
            std::cerr << argv[2] << ": error: unexpected line: " << line << "\n";
            return 2;
        }
    }
    std::size_t found = 0;
    for (const Library& library : libraries)
        for (const std::string& problem : unity::problems(library.sources, library.folder)) {
            std::cerr << problem << "\n";
            ++found;
        }
    if (found > 0) return 1;
    std::ofstream(argv[1]) << "ok\n";
    return 0;
}
