// Which source files of a library may share a batch of the unity build. A batch is one
// translation unit: each file sees what the files before it declared for themselves (their
// anonymous-namespace and static helpers, using-declarations and aliases, macros, file-scope
// using-directives), and a helper of one file becomes an overload of, or hides, a name the
// other file uses, without a word from the compiler. Which files share a batch changes as files
// are added, so the rule is stated for every pair: two files of a library may both be in the
// batches only when neither names a file-local helper of the other. A name scan of the
// sources, not a compiler: it errs on the side of keeping files apart.
// Shared by the check that runs with the build (check_unity.cpp) and by its tests.
#pragma once
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace unity {

/// A name a file declares for itself at namespace scope.
struct LocalName {
    std::string name;
    int line = 0;
    /// The named namespace it is declared in ("a::b", "" for the global namespace): code in
    /// that namespace or one nested in it reaches the name unqualified, and anywhere with the
    /// namespace's own name before `::`.
    std::string ns;
    /// Reached from any namespace too (by argument-dependent lookup): a static function or a
    /// using-declaration outside an anonymous namespace.
    bool anywhere = false;
    /// For a using-declaration or an alias, what it stands for: another file that declares the
    /// same name for the same thing is not changed by it. Empty for a declaration of its own.
    std::string stands_for;
};

/// An identifier as a file writes it. A member access (`x.n`, `p->n`) is not recorded.
struct Use {
    std::string name;
    int line = 0;
    bool qualified = false;
    /// The namespace before `::` ("" for `::n`, "<" after a template's arguments), a namespace
    /// alias of the file taken for the namespace it names.
    std::string qualifier;
    /// The namespace the use is written in, "*" where lookup may start elsewhere (in the
    /// definition of a member or of a name declared elsewhere, `X::f`, and in a file with a
    /// using-directive).
    std::string ns;
};

/// Something that makes a file unfit for any batch (a macro, a file-scope using-directive).
struct Unfit {
    int line = 0;
    std::string what;
};

struct Scan {
    std::vector<LocalName> locals;
    std::vector<Use> uses;
    std::vector<Unfit> unfit;
};

namespace detail {

enum class Kind { Identifier, Literal, Punctuator };

struct Token {
    Kind kind;
    std::string text;
    int line;
};

inline bool starts_identifier(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }
inline bool continues_identifier(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' || static_cast<unsigned char>(c) >= 0x80;
}

inline bool is_keyword(std::string_view w) {
    // clang-format off
    static const std::set<std::string_view> kKeywords = {
        "alignas", "alignof", "asm", "auto", "bool", "break", "case", "catch", "char", "char8_t",
        "char16_t", "char32_t", "class", "co_await", "co_return", "co_yield", "concept", "const",
        "consteval", "constexpr", "constinit", "const_cast", "continue", "decltype", "default",
        "delete", "do", "double", "dynamic_cast", "else", "enum", "explicit", "export", "extern",
        "false", "float", "for", "friend", "goto", "if", "inline", "int", "long", "mutable",
        "namespace", "new", "noexcept", "nullptr", "operator", "private", "protected", "public",
        "register", "reinterpret_cast", "requires", "return", "short", "signed", "sizeof", "static",
        "static_assert", "static_cast", "struct", "switch", "template", "this", "thread_local",
        "throw", "true", "try", "typedef", "typeid", "typename", "union", "unsigned", "using",
        "virtual", "void", "volatile", "wchar_t", "while", "__attribute__", "__int128", "final",
        "override"};
    // clang-format on
    return kKeywords.count(w) > 0;
}

/// The line ends in s[from, to).
inline int line_ends(std::string_view s, std::size_t from, std::size_t to) {
    return static_cast<int>(
        std::count(s.begin() + static_cast<std::ptrdiff_t>(from), s.begin() + static_cast<std::ptrdiff_t>(to), '\n'));
}

/// Past the block comment opening at i, counting its line ends.
inline std::size_t skip_block_comment(std::string_view s, std::size_t i, int& line) {
    const std::size_t end = s.find("*/", i + 2);
    const std::size_t stop = end == std::string_view::npos ? s.size() : end + 2;
    line += line_ends(s, i, stop);
    return stop;
}

/// Skips a literal's body from `i` (just past its opening quote) to past its closing quote.
inline std::size_t skip_quoted(std::string_view s, std::size_t i, char quote, int& line) {
    while (i < s.size() && s[i] != quote) {
        if (s[i] == '\\' && i + 1 < s.size()) ++i;
        if (s[i] == '\n') {
            ++line;
            if (quote == '\'') return i;  // an apostrophe that opened no literal
        }
        ++i;
    }
    return i < s.size() ? i + 1 : i;
}

/// The tokens of a source with comments, literals and preprocessor lines taken out (a literal
/// leaves one placeholder token); each `#define` is reported in `unfit`.
inline std::vector<Token> tokenize(std::string_view s, std::vector<Unfit>& unfit) {
    std::vector<Token> out;
    int line = 1;
    bool line_start = true;
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '\n') {
            ++line;
            line_start = true;
            ++i;
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++i;
        } else if (c == '\\' && i + 1 < s.size() && s[i + 1] == '\n') {
            i += 2;
            ++line;
        } else if (s.compare(i, 2, "//") == 0) {
            while (i < s.size() && s[i] != '\n') ++i;
        } else if (s.compare(i, 2, "/*") == 0) {
            i = skip_block_comment(s, i, line);
        } else if (c == '#' && line_start) {
            // A directive runs to the end of its line, continuation lines included.
            const int first_line = line;
            std::size_t j = i + 1;
            while (j < s.size() && (s[j] == ' ' || s[j] == '\t')) ++j;
            std::size_t k = j;
            while (k < s.size() && continues_identifier(s[k])) ++k;
            if (s.substr(j, k - j) == "define") {
                while (k < s.size() && (s[k] == ' ' || s[k] == '\t')) ++k;
                std::size_t e = k;
                while (e < s.size() && continues_identifier(s[e])) ++e;
                unfit.push_back({first_line, "defines the macro " + std::string(s.substr(k, e - k))});
            }
            while (i < s.size() && s[i] != '\n') {
                if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == '\n') {
                    ++line;
                    ++i;
                } else if (s.compare(i, 2, "/*") == 0) {
                    i = skip_block_comment(s, i, line) - 1;
                }
                ++i;
            }
        } else if (starts_identifier(c)) {
            std::size_t j = i;
            while (j < s.size() && continues_identifier(s[j])) ++j;
            const std::string_view word = s.substr(i, j - i);
            const bool prefix = word == "L" || word == "u" || word == "U" || word == "u8" || word == "R" ||
                                word == "LR" || word == "uR" || word == "UR" || word == "u8R";
            line_start = false;
            if (prefix && j < s.size() && (s[j] == '"' || s[j] == '\'')) {
                const int at = line;
                if (word.back() == 'R' && s[j] == '"') {  // a raw string: R"delim( ... )delim"
                    const std::size_t open = s.find('(', j + 1);
                    const std::string close =
                        ")" + std::string(s.substr(j + 1, (open == std::string_view::npos ? j + 1 : open) - j - 1)) +
                        "\"";
                    const std::size_t end =
                        open == std::string_view::npos ? std::string_view::npos : s.find(close, open);
                    const std::size_t stop = end == std::string_view::npos ? s.size() : end + close.size();
                    line += line_ends(s, j, stop);
                    i = stop;
                } else {
                    i = skip_quoted(s, j + 1, s[j], line);
                }
                out.push_back({Kind::Literal, "\"", at});
            } else {
                out.push_back({Kind::Identifier, std::string(word), line});
                i = j;
            }
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   (c == '.' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            // A number, digit separators and exponent signs included.
            std::size_t j = i + 1;
            while (j < s.size()) {
                const char d = s[j];
                if (continues_identifier(d) || d == '.') {
                    ++j;
                } else if (d == '\'' && j + 1 < s.size() && continues_identifier(s[j + 1])) {
                    j += 2;
                } else if ((d == '+' || d == '-') &&
                           (s[j - 1] == 'e' || s[j - 1] == 'E' || s[j - 1] == 'p' || s[j - 1] == 'P')) {
                    ++j;
                } else {
                    break;
                }
            }
            out.push_back({Kind::Literal, "0", line});
            line_start = false;
            i = j;
        } else if (c == '"' || c == '\'') {
            const int at = line;
            i = skip_quoted(s, i + 1, c, line);
            out.push_back({Kind::Literal, "\"", at});
            line_start = false;
        } else {
            std::size_t len = 1;
            if (s.compare(i, 2, "::") == 0 || s.compare(i, 2, "->") == 0) len = 2;
            out.push_back({Kind::Punctuator, std::string(s.substr(i, len)), line});
            line_start = false;
            i += len;
        }
    }
    return out;
}

inline bool opens(const Token& t) {
    return t.kind == Kind::Punctuator && (t.text == "(" || t.text == "[" || t.text == "{");
}
inline bool closes(const Token& t) {
    return t.kind == Kind::Punctuator && (t.text == ")" || t.text == "]" || t.text == "}");
}

/// Reads the declarations of a namespace-scope region and the names they make file-local.
class Reader {
public:
    Reader(const std::vector<Token>& tokens, Scan& scan) : t_(tokens), scan_(scan), ns_of_(tokens.size(), "*") {}

    void read_all() {
        std::size_t i = 0;
        while (i < t_.size()) i = scope(i, false, "");
    }

    /// The namespace each token is written in (see Use::ns).
    const std::vector<std::string>& namespaces() const { return ns_of_; }

private:
    const std::vector<Token>& t_;
    Scan& scan_;
    std::vector<std::string> ns_of_;
    /// Whether the declaration read last names something declared elsewhere (`X::f`).
    bool qualified_ = false;

    bool is(std::size_t i, std::string_view text) const {
        return i < t_.size() && t_[i].kind != Kind::Literal && t_[i].text == text;
    }
    bool identifier(std::size_t i) const { return i < t_.size() && t_[i].kind == Kind::Identifier; }

    /// Past the bracket group opening at i (or past i when it opens none).
    std::size_t skip_group(std::size_t i) const {
        if (i >= t_.size() || !opens(t_[i])) return i + 1;
        int depth = 0;
        for (; i < t_.size(); ++i) {
            if (opens(t_[i])) ++depth;
            if (closes(t_[i]) && --depth == 0) return i + 1;
        }
        return i;
    }

    /// Past the template argument or parameter list opening at i (a `<`).
    std::size_t skip_angles(std::size_t i) const {
        int depth = 0;
        while (i < t_.size()) {
            if (opens(t_[i])) {
                i = skip_group(i);
                continue;
            }
            if (is(i, "<")) ++depth;
            if (is(i, ">") && --depth == 0) return i + 1;
            if (is(i, ";") || closes(t_[i])) return i;
            ++i;
        }
        return i;
    }

    std::string text(std::size_t from, std::size_t to) const {
        std::string s;
        for (std::size_t i = from; i < to && i < t_.size(); ++i) s += t_[i].text + " ";
        return s;
    }

    void local(std::size_t at, const std::string& ns, std::string stands_for = "", bool anywhere = false) {
        if (at < t_.size() && identifier(at) && !is_keyword(t_[at].text))
            scan_.locals.push_back({t_[at].text, t_[at].line, ns, anywhere, std::move(stands_for)});
    }

    static std::string nested(const std::string& ns, const std::string& name) {
        return ns.empty() ? name : name.empty() ? ns : ns + "::" + name;
    }

    /// Reads the declarations of a scope from i to past its closing brace (or the end).
    /// `file_local`: everything declared here is local (an anonymous namespace).
    std::size_t scope(std::size_t i, bool file_local, const std::string& ns) {
        while (i < t_.size()) {
            if (is(i, "}")) return i + 1;
            if (is(i, ";")) {
                ++i;
                continue;
            }
            const bool inline_namespace = is(i, "inline") && is(i + 1, "namespace");
            const std::size_t n = inline_namespace ? i + 1 : i;
            if (is(n, "namespace")) {
                std::size_t k = n + 1;
                // "a::b" for `namespace a::b`; an inline namespace's names are its parent's.
                std::string name;
                bool named = false;
                while (k < t_.size() && !is(k, "{") && !is(k, "=") && !is(k, ";")) {
                    if (opens(t_[k])) {  // an attribute
                        k = skip_group(k);
                        continue;
                    }
                    if (identifier(k) && t_[k].text != "inline") {
                        named = true;
                        if (!inline_namespace && !is(k - 1, "inline")) name = nested(name, t_[k].text);
                    }
                    ++k;
                }
                std::fill(ns_of_.begin() + static_cast<std::ptrdiff_t>(i),
                          ns_of_.begin() + static_cast<std::ptrdiff_t>(k), ns);
                if (is(k, "=")) {  // a namespace alias
                    std::size_t e = k;
                    while (e < t_.size() && !is(e, ";")) ++e;
                    local(n + 1, ns, "namespace " + text(k + 1, e));
                    i = e + 1;
                } else if (is(k, "{")) {
                    if (named && file_local) local(k - 1, ns);
                    i = scope(k + 1, file_local || !named, nested(ns, name));
                } else {
                    i = k + 1;
                }
                continue;
            }
            if (is(i, "extern") && i + 2 < t_.size() && t_[i + 1].kind == Kind::Literal && is(i + 2, "{")) {
                i = scope(i + 3, file_local, ns);
                continue;
            }
            const std::size_t begin = i;
            qualified_ = false;
            i = declaration(i, file_local, ns);
            std::fill(ns_of_.begin() + static_cast<std::ptrdiff_t>(begin),
                      ns_of_.begin() + static_cast<std::ptrdiff_t>(std::min(i, t_.size())), qualified_ ? "*" : ns);
        }
        return i;
    }

    /// Reads one declaration from i; returns the index past it.
    std::size_t declaration(std::size_t i, bool file_local, const std::string& ns) {
        while (is(i, "template") && is(i + 1, "<")) i = skip_angles(i + 1);
        if (is(i, "using")) return using_declaration(i, file_local, ns);
        if (is(i, "static_assert")) {
            while (i < t_.size() && !is(i, ";") && !is(i, "}")) i = skip_group(i);
            return i + 1;
        }
        // The declaration's tokens outside brackets, and where it ends.
        std::vector<std::size_t> top;
        bool seen_equals = false, seen_params = false, seen_body = false, seen_init_colon = false;
        std::size_t class_key = t_.size();
        std::size_t body = t_.size();
        std::size_t end = i;
        while (end < t_.size()) {
            const Token& tok = t_[end];
            if (is(end, ";")) {
                ++end;
                break;
            }
            if (is(end, "}")) break;    // a stray brace: leave it to the scope
            if (is(end, "operator")) {  // `operator=`, `operator()`: not an initializer or a parameter list
                top.push_back(end);
                ++end;
                if (is(end, "(") && is(end + 1, ")")) end += 2;
                while (end < t_.size() && !is(end, "(") && !is(end, ";") && !is(end, "{")) ++end;
                continue;
            }
            if (tok.kind == Kind::Identifier && class_key == t_.size() && !seen_params && !seen_equals &&
                (tok.text == "class" || tok.text == "struct" || tok.text == "union" || tok.text == "enum"))
                class_key = end;
            if (is(end, "=")) seen_equals = true;
            if (is(end, ":") && seen_params) seen_init_colon = true;
            if (is(end, "{")) {
                const bool member_init =
                    seen_init_colon && end > 0 && (t_[end - 1].kind == Kind::Identifier || is(end - 1, ">"));
                if (class_key != t_.size() && !seen_params && !seen_equals && !seen_body) {
                    seen_body = true;
                    body = end;
                } else if (seen_params && !seen_equals && !member_init) {
                    end = skip_group(end);  // a function's body ends its definition
                    break;
                }
                top.push_back(end);
                end = skip_group(end);
                continue;
            }
            if (is(end, "(")) {
                const bool specifier = !top.empty() && identifier(top.back()) &&
                                       (t_[top.back()].text == "decltype" || t_[top.back()].text == "alignas" ||
                                        t_[top.back()].text == "__attribute__" || t_[top.back()].text == "noexcept" ||
                                        t_[top.back()].text == "requires");
                if (!specifier && !seen_equals) seen_params = true;
            }
            top.push_back(end);
            end = opens(tok) ? skip_group(end) : end + 1;
        }
        const bool is_static = std::any_of(top.begin(), top.end(), [&](std::size_t k) { return is(k, "static"); });
        const bool is_typedef = std::any_of(top.begin(), top.end(), [&](std::size_t k) { return is(k, "typedef"); });
        const bool record = file_local || is_static || is_typedef;
        const bool anywhere = is_static && !file_local;
        const std::string stands_for = is_typedef ? "typedef " + text(i, end) : "";
        auto from = top.begin();
        if (body != t_.size()) {
            // A class or enumeration defined here: its name, an unscoped enumeration's
            // enumerators, then any declarators after the body.
            std::size_t k = class_key + 1;
            const bool scoped = is(class_key, "enum") && (is(k, "class") || is(k, "struct"));
            if (scoped) ++k;
            while (k < body && (opens(t_[k]) || is(k, "alignas"))) k = skip_group(is(k, "alignas") ? k + 1 : k);
            if (identifier(k) && is(k + 1, "::")) qualified_ = true;  // a class declared elsewhere
            if (identifier(k) && k < body && record) local(k, ns);
            if (is(class_key, "enum") && !scoped && record) {
                for (std::size_t e = body + 1; e < t_.size() && !is(e, "}");) {
                    local(e, ns);
                    while (e < t_.size() && !is(e, ",") && !is(e, "}")) e = skip_group(e);
                    if (is(e, ",")) ++e;
                }
            }
            from = std::find(top.begin(), top.end(), body) + 1;
        }
        declarators(from, top.end(), ns, stands_for, record, anywhere);
        return end;
    }

    /// The names of a declarator list (`int a = 1, b[2];`, `void f(int)`), given the
    /// declaration's tokens outside brackets: recorded when `record`; a name declared elsewhere
    /// (`X::f`) sets qualified_.
    void declarators(std::vector<std::size_t>::const_iterator k, std::vector<std::size_t>::const_iterator end,
                     const std::string& ns, const std::string& stands_for, bool record, bool anywhere) {
        while (k != end) {
            std::size_t name = t_.size();
            bool own = true;  // not an operator, a destructor or a member defined out of its class
            bool function = false;
            int angles = 0;
            for (; k != end; ++k) {
                const std::size_t at = *k;
                if (angles > 0) {
                    if (is(at, "<")) ++angles;
                    if (is(at, ">")) --angles;
                    continue;
                }
                if (is(at, "<")) {
                    ++angles;
                    continue;
                }
                if (is(at, "[") && is(at + 1, "[")) continue;  // an attribute
                if (is(at, "operator")) own = false;
                if (identifier(at) && !is_keyword(t_[at].text)) {
                    name = at;
                    continue;
                }
                if (identifier(at) || is(at, "::") || is(at, "*") || is(at, "&") || is(at, "~") || is(at, "...") ||
                    is(at, ">"))
                    continue;
                if (is(at, "(")) {
                    const bool specifier = at > 0 && identifier(at - 1) &&
                                           (t_[at - 1].text == "decltype" || t_[at - 1].text == "alignas" ||
                                            t_[at - 1].text == "__attribute__" || t_[at - 1].text == "requires");
                    if (specifier) continue;
                    if (is(at + 1, "*") || is(at + 1, "&")) {  // (*name)(...): a pointer to a function
                        for (std::size_t e = at + 1; e < t_.size() && !is(e, ")"); ++e)
                            if (identifier(e)) name = e;
                        ++k;
                        break;
                    }
                    function = true;
                }
                break;
            }
            if (name != t_.size() && name > 0 && is(name - 1, "::")) qualified_ = true;
            if (name != t_.size() && name > 0 && (is(name - 1, "::") || is(name - 1, "~"))) own = false;
            if (own && record && name != t_.size()) local(name, ns, stands_for, anywhere);
            if (function) return;  // the rest is parameters, qualifiers and a return type
            while (k != end && !is(*k, ",")) ++k;
            if (k != end) ++k;
        }
    }

    /// A using-directive, a using-declaration (`using a::b, c::d;`) or an alias (`using n = ...;`).
    std::size_t using_declaration(std::size_t i, bool file_local, const std::string& ns) {
        std::size_t end = i;
        while (end < t_.size() && !is(end, ";") && !is(end, "}")) end = skip_group(end);
        if (is(i + 1, "namespace") || is(i + 1, "enum")) {
            scan_.unfit.push_back({t_[i].line, "has the file-scope directive `using " + t_[i + 1].text + " " +
                                                   (i + 2 < t_.size() ? t_[i + 2].text : "") + "`"});
            return end + 1;
        }
        std::size_t eq = i;
        while (eq < end && !is(eq, "=")) ++eq;
        if (eq < end) {
            std::size_t name = i + 1;
            while (name < eq && !identifier(name)) ++name;
            local(name, ns, "alias " + text(eq + 1, end));
            return end + 1;
        }
        for (std::size_t from = i + 1; from < end;) {
            std::size_t to = from;
            while (to < end && !is(to, ",")) ++to;
            std::size_t last = t_.size();
            for (std::size_t k = from; k < to; ++k)
                if (identifier(k) && t_[k].text != "typename") last = k;
            if (last != t_.size() && !(last > 0 && is(last - 1, "operator")))
                local(last, ns, "using " + text(from, to), !file_local);
            from = to + 1;
        }
        return end + 1;
    }
};

}  // namespace detail

/// What a source declares for itself and what names it writes.
inline Scan scan(std::string_view source) {
    using detail::Kind;
    Scan result;
    const std::vector<detail::Token> tokens = detail::tokenize(source, result.unfit);
    detail::Reader reader(tokens, result);
    reader.read_all();
    const auto is = [&](std::size_t i, std::string_view text) {
        return i < tokens.size() && tokens[i].kind != Kind::Literal && tokens[i].text == text;
    };
    // Namespace aliases (`namespace g = a::b;`, in a function too) stand for their namespace
    // before `::`; a using-directive anywhere lets lookup start in any namespace.
    std::map<std::string, std::string> aliases;
    bool any_namespace = false;
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (is(i, "using") && is(i + 1, "namespace")) any_namespace = true;
        if (is(i, "namespace") && tokens[i + 1].kind == Kind::Identifier && is(i + 2, "=")) {
            std::size_t e = i + 3;
            while (e < tokens.size() && !is(e, ";")) ++e;
            if (e > i + 3 && tokens[e - 1].kind == Kind::Identifier) aliases[tokens[i + 1].text] = tokens[e - 1].text;
        }
    }
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != Kind::Identifier || detail::is_keyword(tokens[i].text)) continue;
        if (i > 0 && (is(i - 1, ".") || is(i - 1, "->"))) continue;
        Use use{tokens[i].text, tokens[i].line, i > 0 && is(i - 1, "::"), "",
                any_namespace ? "*" : reader.namespaces()[i]};
        if (use.qualified && i > 1) {
            const detail::Token& q = tokens[i - 2];
            if (q.kind == Kind::Identifier) use.qualifier = aliases.count(q.text) ? aliases[q.text] : q.text;
            if (is(i - 2, ">")) use.qualifier = "<";
        }
        result.uses.push_back(std::move(use));
    }
    return result;
}

/// Whether a use of a file-local name as written reaches the name's declaration.
inline bool reaches(const Use& use, const LocalName& n) {
    if (use.qualified) {
        const std::size_t colons = n.ns.rfind("::");
        return use.qualifier == (colons == std::string::npos ? n.ns : n.ns.substr(colons + 2));
    }
    return n.anywhere || n.ns.empty() || use.ns == "*" || use.ns == n.ns ||
           use.ns.compare(0, n.ns.size() + 2, n.ns + "::") == 0;
}

/// A source file of a library: its path, its text and whether it is compiled in the batches.
struct Source {
    std::string path;
    std::string text;
    bool batched = true;
};

/// Every reason two of a library's files may not both be in the batches, or one file in none,
/// as "path:line: error: ..." lines that say what to do. `folder` is the library's source
/// folder, whose CMakeLists.txt keeps files out of the batches.
inline std::vector<std::string> problems(const std::vector<Source>& sources, const std::string& folder) {
    const std::string prefix = folder + "/";
    const auto name_of = [&](const std::string& path) {
        return path.compare(0, prefix.size(), prefix) == 0 ? path.substr(prefix.size()) : path;
    };
    const std::string where = " in " + prefix + "CMakeLists.txt";
    std::vector<std::pair<const Source*, Scan>> batched;
    for (const Source& source : sources)
        if (source.batched) batched.emplace_back(&source, scan(source.text));
    std::vector<std::string> out;
    for (const auto& [source, found] : batched)
        for (const Unfit& u : found.unfit)
            out.push_back(source->path + ":" + std::to_string(u.line) + ": error: the file " + u.what +
                          ", which every file after it in a batch of the unity build would see. Remove it or keep "
                          "the file out of the batches: keep_out_of_batches(" +
                          name_of(source->path) + ")" + where);
    // Each name once per pair of files, from the file that declares it (the first one when both do).
    std::map<std::string, std::vector<std::pair<std::size_t, const LocalName*>>> declared;
    for (std::size_t x = 0; x < batched.size(); ++x)
        for (const LocalName& n : batched[x].second.locals) declared[n.name].emplace_back(x, &n);
    struct Clash {
        std::size_t x, y;
        const LocalName* name;
        int use_line;
    };
    std::map<std::tuple<std::size_t, std::size_t, std::string>, Clash> clashes;
    for (std::size_t y = 0; y < batched.size(); ++y) {
        const Scan& other = batched[y].second;
        std::set<std::string> same_meaning;  // the file's aliases and using-declarations
        for (const LocalName& n : other.locals)
            if (!n.stands_for.empty()) same_meaning.insert(n.name + "\n" + n.stands_for);
        for (const Use& use : other.uses) {
            const auto found = declared.find(use.name);
            if (found == declared.end()) continue;
            for (const auto& [x, n] : found->second) {
                if (x == y || !reaches(use, *n)) continue;
                if (!n->stands_for.empty() && same_meaning.count(n->name + "\n" + n->stands_for)) continue;
                const auto [at, added] =
                    clashes.try_emplace({std::min(x, y), std::max(x, y), n->name}, Clash{x, y, n, use.line});
                if (!added && x < at->second.x) at->second = Clash{x, y, n, use.line};
            }
        }
    }
    std::vector<Clash> sorted;
    for (const auto& entry : clashes) sorted.push_back(entry.second);
    std::sort(sorted.begin(), sorted.end(), [](const Clash& a, const Clash& b) {
        return std::tie(a.x, a.name->line, a.y) < std::tie(b.x, b.name->line, b.y);
    });
    for (const Clash& c : sorted) {
        const std::string& px = batched[c.x].first->path;
        const std::string& py = batched[c.y].first->path;
        out.push_back(px + ":" + std::to_string(c.name->line) + ": error: `" + c.name->name +
                      "` is local to this file and " + py + ":" + std::to_string(c.use_line) +
                      " names it too: in one batch of the unity build the one file's name would reach the "
                      "other. Rename the helper or keep one file out: keep_out_of_batches(" +
                      name_of(px) + ") or keep_out_of_batches(" + name_of(py) + ")" + where);
    }
    return out;
}

}  // namespace unity
