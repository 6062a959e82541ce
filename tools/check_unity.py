#!/usr/bin/env python3
"""Lists the source files of a library that must not share a unity batch.

In a unity build a batch of .cpp files is compiled as one translation unit, so each file sees
what the files before it in the batch declared: their anonymous-namespace and static functions,
their file-scope using-declarations and using-directives, their macros, their templates. Two
files' helpers of the same name and different parameters then become overloads of each other,
and a call may pick the other file's helper without a word from the compiler.

This script builds the libraries one file per translation unit at -O0 (in CHECK_DIR, default
build-unity-check; nothing is inlined away there) and, for each library:
  - takes the namespace-scope functions and variables each file defines (nm) and the
    namespace-scope templates and using-declarations of its source, and reports a name that
    another file of the library defines or uses for another entity, or that both define with
    internal linkage (a clash: the two files are to be kept apart);
  - reports every generated file and every file with a file-scope `using namespace` or a
    `#define` (to be kept out of the batches altogether);
  - reads the batches of the unity build in UNITY_DIR (default build, the Unity/*.cxx files
    CMake writes) and fails when two clashing files, or a flagged file, are in one batch;
  - names a small set of files that, kept out of the batches (keep_out_of_batches in the
    folder's CMakeLists.txt), leaves no clash in them.
A name reported here may be harmless (a call written with its namespace); the check errs on the
side of keeping files apart.

Usage: tools/check_unity.py [--check-dir CHECK_DIR] [--unity-dir UNITY_DIR]
Exit status 0 when no batch holds a clash, 1 otherwise.
"""

import argparse
import collections
import json
import os
import re
import shutil
import subprocess
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
LIBRARIES = {
    "console_core": "console",
    "dialogue_lib": "dialogue",
    "campaign_lib": "campaign",
    "detailed_lib": "detailed",
    "simplified_lib": "simplified",
    "gunnery_lib": "gunnery",
}
# Namespaces of the standard library that name free functions in symbols.
STD_NAMESPACES = {"std", "__cxx11", "chrono", "filesystem", "ranges", "__detail", "__gnu_cxx",
                  "__cxxabiv1", "pmr", "this_thread", "literals", "__ops", "views"}
SKIPPED_PREFIXES = ("typeinfo ", "vtable ", "VTT ", "construction vtable", "guard variable",
                    "non-virtual thunk", "virtual thunk", "covariant return thunk",
                    "reference temporary", "TLS ", "transaction clone", "_GLOBAL__",
                    "__static_initialization", "__cxx_global_var_init")


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, text=True, **kw)


def build_check_tree(check_dir):
    if not os.path.exists(os.path.join(check_dir, "CMakeCache.txt")):
        generator = ["-G", "Ninja"] if shutil.which("ninja") else []
        run(["cmake", "-S", ROOT, "-B", check_dir, *generator, "-DCMAKE_BUILD_TYPE=Debug",
             "-DCMAKE_CXX_FLAGS_DEBUG=-O0", "-DUNITY_BUILD_PROGRAMS=OFF",
             "-DUNITY_BUILD_TESTS=OFF"], stdout=subprocess.DEVNULL)
    jobs = os.environ.get("CHECK_JOBS", "4")
    run(["cmake", "--build", check_dir, "--target", *LIBRARIES, "-j", jobs],
        stdout=subprocess.DEVNULL)


def namespaces_of_sources():
    names = set(STD_NAMESPACES) | {"{anon}"}
    pattern = re.compile(r"^\s*(?:inline\s+)?namespace\s+([\w:]+)")
    for folder in set(LIBRARIES.values()):
        base = os.path.join(ROOT, folder)
        for f in os.listdir(base):
            if f.endswith((".cpp", ".h")):
                with open(os.path.join(base, f), encoding="utf-8") as src:
                    for line in src:
                        m = pattern.match(line)
                        if m:
                            names.update(m.group(1).split("::"))
    return names


def split_top(text, sep):
    """Splits at `sep` outside <>, (), [] and {}."""
    parts, depth, start, i = [], 0, 0, 0
    while i < len(text):
        c = text[i]
        if c in "<([{":
            depth += 1
        elif c in ">)]}":
            depth -= 1
        elif depth == 0 and text.startswith(sep, i):
            parts.append(text[start:i])
            i += len(sep)
            start = i
            continue
        i += 1
    parts.append(text[start:])
    return parts


def strip_templates(component):
    out, depth = [], 0
    for c in component:
        if c == "<":
            depth += 1
        elif c == ">":
            depth -= 1
        elif depth == 0:
            out.append(c)
    return "".join(out)


def parse_symbol(demangled, namespaces):
    """(unqualified name, entity, whether a template's instance) of a namespace-scope
    function's or variable's symbol, or None."""
    s = demangled.replace("(anonymous namespace)", "{anon}")
    if s.startswith(SKIPPED_PREFIXES):
        return None
    s = re.sub(r" \[clone [^\]]*\]", "", s)
    if "operator" in s:
        return None
    s = s.rstrip()
    if "(" not in s:  # a variable
        components = [strip_templates(c) for c in split_top(s, "::")]
        if any(c not in namespaces for c in components[:-1]):
            return None
        return components[-1], "::".join(components), components[0] in STD_NAMESPACES
    while not s.endswith(")"):  # trailing qualifiers of a member (const, &, noexcept)
        if " " not in s:
            return None  # a variable
        s = s.rsplit(" ", 1)[0]
    depth = 0
    for i in range(len(s) - 1, -1, -1):
        depth += {")": 1, "(": -1}.get(s[i], 0)
        if depth == 0:
            break
    head, params = s[:i], s[i:]
    head = split_top(head, " ")[-1]  # drop a template function's return type
    raw = split_top(head, "::")
    components = [strip_templates(c) for c in raw]
    if not components[-1] or any(c not in namespaces for c in components[:-1]):
        return None  # a member function
    entity = "::".join(components) + params
    # A template's instance: the template is the file's own only when its source defines it
    # (scan_source), else it comes from a header.
    instance = raw[-1] != components[-1] or components[0] in STD_NAMESPACES
    return components[-1], entity, instance


def symbols(obj, namespaces):
    """{name: {entity}} of the functions the file defines with external linkage, of those it
    defines with internal linkage, and of every function it defines or calls."""
    out = run(["nm", obj], stdout=subprocess.PIPE).stdout.splitlines()
    raw = []
    for line in out:
        fields = line.split()
        if len(fields) < 2 or not fields[-1].startswith("_Z"):
            continue
        raw.append((fields[-2], fields[-1]))
    names = run(["c++filt"], input="\n".join(m for _, m in raw), stdout=subprocess.PIPE).stdout
    defined, local, used = (collections.defaultdict(set) for _ in range(3))
    for (kind, _), demangled in zip(raw, names.splitlines()):
        parsed = parse_symbol(demangled, namespaces)
        if not parsed:
            continue
        name, entity, instance = parsed
        used[name].add(entity)
        if kind in "tTbBdDrR" and not instance:
            (local if kind.islower() else defined)[name].add(entity)
    return defined, local, used


TEMPLATE_NAME = re.compile(r"(\w+)\s*\(")
USING_DECL = re.compile(r"^using\s+((?:\w+::)+)(\w+)\s*;")
USING_DIRECTIVE = re.compile(r"^\s*using\s+namespace\b")
DEFINE = re.compile(r"^\s*#\s*define\s+(\w+)")


def scan_source(path):
    """Namespace-scope templates and using-declarations, and the reasons to keep the file out
    of every batch."""
    templates, usings, flags = set(), {}, []
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    for n, line in enumerate(lines):
        if line.startswith("template"):
            for follow in lines[n:n + 4]:
                m = TEMPLATE_NAME.search(follow.split(">", 1)[-1] if follow is line else follow)
                if m:
                    templates.add(m.group(1))
                    break
        m = USING_DECL.match(line)
        if m:
            usings[m.group(2)] = m.group(1)[:-2]
        if USING_DIRECTIVE.match(line) and not line.startswith((" ", "\t")):
            flags.append(f"line {n + 1}: file-scope using-directive")
        m = DEFINE.match(line)
        if m:
            flags.append(f"line {n + 1}: #define {m.group(1)}")
    return templates, usings, flags


def unity_batches(unity_dir, library):
    """Source path -> batch file, from the unity build's generated batch files."""
    batches = {}
    folder = LIBRARIES[library]
    udir = os.path.join(unity_dir, folder, "CMakeFiles", f"{library}.dir", "Unity")
    if not os.path.isdir(udir):
        return None
    for f in sorted(os.listdir(udir)):
        if not f.endswith((".cxx", ".cpp")):
            continue
        with open(os.path.join(udir, f), encoding="utf-8") as batch:
            for line in batch:
                m = re.match(r'#include "(.*)"', line.strip())
                if m:
                    batches[os.path.realpath(m.group(1))] = f
    return batches


def keep_apart(clashes, info):
    """A small set of files whose removal from the batches leaves no clash in them: the flagged
    files, then, one at a time, the file in most of the clashes left."""
    keep_out = {src for src, entry in info.items() if entry[-1]}
    pairs = {pair for pairs in clashes.values() for pair in pairs}
    while True:
        left = [p for p in pairs if not keep_out.intersection(p)]
        if not left:
            return keep_out
        count = collections.Counter(f for p in left for f in p)
        keep_out.add(min(count, key=lambda f: (-count[f], f)))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--check-dir", default=os.path.join(ROOT, "build-unity-check"))
    ap.add_argument("--unity-dir", default=os.path.join(ROOT, "build"))
    args = ap.parse_args()
    build_check_tree(args.check_dir)
    namespaces = namespaces_of_sources()
    with open(os.path.join(args.check_dir, "compile_commands.json"), encoding="utf-8") as f:
        commands = json.load(f)
    failed = False
    for library, folder in LIBRARIES.items():
        marker = f"/CMakeFiles/{library}.dir/"
        files = {}
        for c in commands:
            output = re.search(r" -o (\S+)", c["command"]).group(1)
            if marker in "/" + output:
                obj = os.path.join(c["directory"], output)
                files[os.path.realpath(c["file"])] = obj
        info = {}
        for src, obj in sorted(files.items()):
            defined, local, used = symbols(obj, namespaces)
            templates, usings, flags = set(), {}, []
            if os.path.dirname(src) == os.path.join(ROOT, folder):
                templates, usings, flags = scan_source(src)
            else:
                flags = ["generated source"]
            info[src] = (defined, local, used, templates, usings, flags)
        # Names a file brings into the files after it, each with what another file may use
        # under that name without a clash: only the file's own external functions (another
        # file's function of the same name and signature is its own, twice defined).
        clashes = collections.defaultdict(set)  # name -> {(file, file)}
        for a, (defined, local, _, templates, usings, _) in info.items():
            introduced = {n: set(e) for n, e in defined.items()}
            for n in list(local) + list(templates):
                introduced.setdefault(n, set())
            for b, (_, _, used_b, templates_b, _, _) in info.items():
                if a == b:
                    continue
                for n in templates & templates_b:
                    clashes[n].add(tuple(sorted((a, b))))
                for n, entities in introduced.items():
                    others = used_b.get(n, set()) - entities
                    if others:
                        clashes[n].add(tuple(sorted((a, b))))
                for n, prefix in usings.items():
                    others = {e for e in used_b.get(n, set()) if not e.startswith(prefix + "::")}
                    if others:
                        clashes[n].add(tuple(sorted((a, b))))
        batches = unity_batches(args.unity_dir, library)
        rel = lambda p: os.path.relpath(p, ROOT) if p.startswith(ROOT + os.sep + folder) \
            else os.path.basename(p)
        lines = []
        for n in sorted(clashes):
            for a, b in sorted(clashes[n]):
                status = ""
                if batches is not None:
                    together = a in batches and batches.get(a) == batches.get(b)
                    status = " IN ONE BATCH" if together else " (kept apart)"
                    failed |= together
                lines.append(f"  {n}: {rel(a)} / {rel(b)}{status}")
        for src, (_, _, _, _, _, flags) in sorted(info.items()):
            for flag in flags:
                status = ""
                if batches is not None:
                    inside = src in batches
                    status = " IN A BATCH" if inside else " (kept out)"
                    failed |= inside
                lines.append(f"  {rel(src)} {flag}{status}")
        batched = "not a unity build" if batches is None else f"{len(batches)} files in batches"
        print(f"{library}: {len(files)} files, {batched}")
        print("\n".join(lines) if lines else "  no clash")
        keep_out = keep_apart(clashes, info)
        if keep_out:
            print("  these files kept out of the batches part every clash: "
                  + " ".join(sorted(rel(f) for f in keep_out)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
