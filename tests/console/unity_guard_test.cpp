// The unity build's guard: two files of a library may share a batch only when neither names a
// helper local to the other, and a file with a macro or a file-scope using-directive shares
// none. The build runs the check (tools/check_unity.cpp); these tests pin the rules it applies.
#include <gtest/gtest.h>

#include "tools/unity_rules.h"

namespace {

std::vector<std::string> problems_of(const char* a, const char* b, bool b_batched = true) {
    return unity::problems({{"lib/a.cpp", a, true}, {"lib/b.cpp", b, b_batched}}, "lib");
}

TEST(UnityGuard, FilesThatMustNotShareABatch) {
    struct Case {
        const char* what;
        const char* a;
        const char* b;
        bool flagged;
    };
    const Case cases[] = {
        {"a helper of one file named in the other", "namespace p {\nnamespace {\nint spread(int x) { return x; }\n}\n}",
         "namespace p {\nint f() { return spread(2.5); }\n}", true},
        {"the same helper name in both files", "namespace p {\nnamespace {\nvoid draw(int) {}\n}\n}",
         "namespace p {\nnamespace {\nvoid draw(double) {}\n}\n}", true},
        {"a static function", "namespace p {\nstatic int die(int n) { return n; }\n}", "void g() { die(3); }", true},
        {"a static variable", "static float total = 0;", "int g() { return total; }", true},
        {"a constant", "namespace {\nconstexpr int kLastShip = 33;\n}", "int n = kLastShip;", true},
        {"a type", "namespace {\nstruct Entry { int a; };\n}", "void f(Entry e);", true},
        {"an alias", "namespace {\nusing Row = int[4];\n}", "Row r;", true},
        {"an enumerator of an unscoped enumeration", "namespace {\nenum Side { kOwn, kAllied };\n}", "int s = kAllied;",
         true},
        {"one of several declarators", "namespace {\nconst int kA = 1, kB[2] = {2, 3};\n}", "int x = kB[0];", true},
        {"a function template", "namespace {\ntemplate <typename T, int N = 2>\nT twice(T v) { return v * N; }\n}",
         "int y = twice(3);", true},
        {"a file-scope using-declaration", "using con::store;", "float f(float store) { return store; }", true},
        {"a using-declaration for another entity", "using con::L;", "using other::L;\nlong double x = L(2);", true},
        {"the same using-declaration in both files", "using con::L;\nauto a = L(1);", "using con::L;\nauto b = L(2);",
         false},
        {"the same alias in both files", "namespace {\nusing i64 = long long;\n}",
         "namespace {\nusing i64 = long long;\n}\ni64 v;", false},
        {"a member access", "namespace {\nint count(int) { return 0; }\n}",
         "int f(S s, S* p) { return s.count + p->count; }", false},
        {"a qualified name of another namespace", "namespace p {\nnamespace {\nint hits(int) { return 0; }\n}\n}",
         "int f() { return q::hits(1) + std::hits; }", false},
        {"a qualified name of the helper's namespace", "namespace p {\nnamespace {\nint hits(int) { return 0; }\n}\n}",
         "int f() { return p::hits(1); }", true},
        {"a name in comments and literals only", "namespace {\nint roll() { return 4; }\n}",
         "// roll()\n/* roll() */\nconst char* s = \"roll()\";\nconst char* r = R\"x(roll \")\" roll)x\";\n"
         "char c = '\"';\nint n = 1'000;\nint m = roll2;",
         false},
        {"a helper named only in the other file's comments and literals",
         "// namespace { int roll(); }\nconst char* t = \"namespace { int roll(); }\";", "int r = roll();", false},
        {"a helper of a nested namespace named in the outer one",
         "namespace con::gfx {\nnamespace {\nvoid line(int) {}\n}\n}", "namespace con {\nvoid f() { int line = 0; }\n}",
         false},
        {"a helper of a nested namespace named in that namespace",
         "namespace con::gfx {\nnamespace {\nvoid line(int) {}\n}\n}",
         "namespace con {\nnamespace gfx {\nvoid f() { line(2); }\n}\n}", true},
        {"a helper of a nested namespace named in a member's definition",
         "namespace con::gfx {\nnamespace {\nvoid line(int) {}\n}\n}",
         "namespace con {\nvoid Screen::f() { line(2); }\n}", true},
        {"a helper named after a function-local using-directive",
         "namespace con::gfx {\nnamespace {\nvoid line(int) {}\n}\n}",
         "namespace con {\nvoid f() {\n  using namespace gfx;\n  line(2);\n}\n}", true},
        {"a helper of an inline namespace named in its parent",
         "namespace con {\ninline namespace v1 {\nnamespace {\nvoid line(int) {}\n}\n}\n}",
         "namespace con {\nvoid f() { line(2); }\n}", true},
        {"a helper named through a namespace alias", "namespace con::gfx {\nnamespace {\nvoid line(int) {}\n}\n}",
         "namespace g = con::gfx;\nvoid f() { g::line(2); }", true},
        {"names declared for the whole library", "namespace p {\nint spread(int x) { return x; }\nstruct Entry {};\n}",
         "namespace p {\nint f(Entry) { return spread(2); }\n}", false},
        {"a helper's own member", "namespace {\nstruct Plan {\n  int roll() { return 1; }\n};\n}", "int r = roll();",
         false},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> found = problems_of(c.a, c.b);
        EXPECT_EQ(!found.empty(), c.flagged) << c.what << (found.empty() ? "" : "\n" + found.front());
    }
}

TEST(UnityGuard, AFileKeptOutOfTheBatchesSharesNone) {
    const char* a = "namespace {\nvoid draw(int) {}\n}";
    const char* b = "#define TWICE(x) ((x) * 2)\nusing namespace std;\nnamespace {\nvoid draw(double) {}\n}";
    EXPECT_FALSE(problems_of(a, b).empty());
    EXPECT_TRUE(problems_of(a, b, false).empty());
}

TEST(UnityGuard, AMacroOrAFileScopeUsingDirectiveKeepsTheFileOut) {
    struct Case {
        const char* source;
        bool flagged;
    };
    const Case cases[] = {
        {"#define STB_IMAGE_WRITE_IMPLEMENTATION\n#include <stb_image_write.h>", true},
        {"  #  define TWICE(x) \\\n    ((x) * 2)", true},
        {"using namespace std;", true},
        {"namespace p {\nusing namespace con::err;\n}", true},
        {"using enum Side;", true},
        {"#include \"a.h\"\n#pragma once\n#if 1\n#endif", false},
        {"void f() {\n  using namespace con::err;\n}", false},
        {"// #define X 1\nconst char* s = \"#define X\";", false},
    };
    for (const Case& c : cases) EXPECT_EQ(problems_of(c.source, "").size(), c.flagged ? 1u : 0u) << c.source;
}

TEST(UnityGuard, TheMessageNamesTheFilesTheNameAndTheRemedy) {
    const std::vector<std::string> found =
        problems_of("int a;\nnamespace {\nint distance(int) { return 0; }\n}", "int f() {\n  return distance(1);\n}");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NE(found[0].find("lib/a.cpp:3: error: `distance`"), std::string::npos) << found[0];
    EXPECT_NE(found[0].find("lib/b.cpp:2"), std::string::npos) << found[0];
    EXPECT_NE(found[0].find("keep_out_of_batches(a.cpp) or keep_out_of_batches(b.cpp) in lib/CMakeLists.txt"),
              std::string::npos)
        << found[0];
    // Both files' helpers of one name: one report.
    EXPECT_EQ(problems_of("namespace {\nvoid draw(int) {}\n}\nvoid f() { draw(1); }",
                          "namespace {\nvoid draw(double) {}\n}\nvoid g() { draw(1.0); }")
                  .size(),
              1u);
}

}  // namespace
