#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
"""Checks that every job installs the programs that its files start: its entry points, what they run by path, source
or import, and its builds' files. Read without running anything, these start the command words of shell scripts and
makefile recipes (through shfmt's syntax tree), the programs of QProcess, std::system, subprocess, spawnSync and
CMake's COMMANDs, and shebangs' interpreters; not those only started after `command -v PROGRAM`. Each one's package
(scripts/packages/programs.txt) must be in base.txt or the job's lists (scripts/packages/*.txt, debian/control's
Build-Depends). Faults: a package not installed, a program programs.txt does not know, a script that no job runs or
shfmt cannot read. It reads the tree, not the machine. Usage: /usr/bin/python3 scripts/check-programs.py [ROOT]"""

import bisect
import concurrent.futures
import functools
import glob
import itertools
import json
import os
import pathlib
import re
import subprocess
import sys

# Each job: the lists it installs (of scripts/packages/, or "control": Build-Depends, its tests' included); the files
# it starts from, globs from the root (** crosses folders, ! leaves out): its entry points, what is run in it by hand,
# the files of its builds, which no script names; its false flags, whose `if $FLAG; then` it does not run.
TESTS = ["tests/CMakeLists.txt", "tests/*/CMakeLists.txt", "tests/*/**/*.cpp", "tests/calc/model/compare_companion.py",
         "!tests/fuzz/**", "!tests/web/**"]
JOBS = {
    "run": (["run"], ["run", "CMakeLists.txt", "*/**/CMakeLists.txt", "!web/**", "!tests/**", "!bench/**"], ()),
    "web": (["run", "web"], ["run", "web/CMakeLists.txt", "web/inline_page.py", "tests/web/*.cpp"], ()),
    "test": (["run", "test"], ["test", "scripts/mutants.sh", "bench/**/CMakeLists.txt", *TESTS], ("all",)),
    "package": (["control"], ["debian/rules", *TESTS], ()),
    "release": (["run", "web", "release", "control"], ["scripts/release.sh"], ()),
    "all": (["run", "web", "test", "release", "all", "control"],
            [".ci/run", "scripts/screenshot.sh", "web/screenshot.py", "assets/make_main_assets.py", "bench/*/*.sh",
             "scripts/aarch64-toolchain.cmake", "tests/fuzz/CMakeLists.txt", "tests/fuzz/**/*.cpp"], ()),
    "fresh": (["fresh"], ["scripts/check-fresh.sh"], ()),
}
SAMPLES = ["tests/scripts/*.py"]  # this check's tests, whose texts are sample scripts: not read
# The programs and scripts: each must belong to a job, and a job follows only these.
SCRIPTS = ["run", "test", ".ci/run", "scripts/*", "assets/*.py", "web/*.py", "tests/**/*.py", "tests/web/*.js",
           "bench/**/*.sh", "bench/**/*.py", "bench/**/*.js"]
# What a package's build has besides its Build-Depends (build-essential), and what a virtual name stands for.
BUILD_ESSENTIAL = {"build-essential", "dpkg-dev", "g++", "gcc", "make", "libc6-dev"}
PROVIDED_BY = {"debhelper-compat": "debhelper"}
SHELL_BUILTINS = set(". : [ alias bg bind break builtin caller cd command compgen complete continue declare dirs"
                     " disown echo enable eval exec exit export false fc fg getopts hash help history jobs kill let"
                     " local logout mapfile popd printf pushd pwd read readarray readonly return set shift shopt source"
                     " suspend test times trap true type typeset ulimit umask unalias unset wait".split())
# Words before the program, with their options that take a value (and timeout's duration, env's assignments).
PRECOMMANDS = {"exec": (), "command": (), "builtin": (), "time": (), "nice": ("-n",), "env": ("-u", "-C", "-S"),
               "timeout": ("-s", "-k"), "sudo": ("-u", "-g"), "xargs": ("-d", "-I", "-n", "-P", "-L", "-E", "-a", "-s")}
INTERPRETERS = {"bash", "sh", "python3", "node", ".", "source"}  # and a variable's value: "$python" x.py
NAME = re.compile(r"[A-Za-z][A-Za-z0-9_.+-]*$")
SYSTEM_PATH = re.compile(r"/(?:usr/)?s?bin/([A-Za-z][A-Za-z0-9_.+-]*)$")
ASSIGNMENT = re.compile(r"[A-Za-z_][A-Za-z0-9_]*(\[[^]]*\])?\+?=")
ARRAY = re.compile(r"\$\{\w+\[[@*]\]\}")  # an array's values, such as a command's prefix ("${as_root[@]}")
FLAG = re.compile(r"\$\{\w+\}")  # a parameter's value: a flag, or an interpreter
TREE_PATH = re.compile(r"(?:\$\{\w+\}/)?([\w.-]*/[\w./-]+|[\w.-]+)")  # after $root/ or $here/, if any
PARSED = {}  # for each shell text, what parse() returns, or what shfmt says of it


def word_text(word):
    """A word as written, unquoted: ${NAME} for a parameter, ${NAME[@]} for an array's values, \\0 for the rest."""
    text = ""
    for part in word.get("Parts", ()):
        index = "[%s]" % word_text(part["Index"]) if "Index" in part else ""
        text += (part.get("Value", "") if part["Type"] in ("Lit", "SglQuoted") else word_text(part)
                 if part["Type"] == "DblQuoted" else "${%s%s}" % (part["Param"]["Value"], index)
                 if part["Type"] == "ParamExp" else "\0")
    return text


def parse(*texts):
    """Reads shell texts through shfmt's syntax tree, several in a run. The last one's commands (CallExpr) as (words,
    lines, flags of the `if $FLAG; then` they are in) and functions' names; or a ValueError, what shfmt says of it."""
    new = [text for text in dict.fromkeys(texts) if text not in PARSED]
    if len(new) > 9:  # two runs side by side
        with concurrent.futures.ThreadPoolExecutor() as pool:
            return list(pool.map(lambda half: parse(*half), [new[::2], new[1::2]])) and PARSED[texts[-1]]
    starts = list(itertools.accumulate([1] + [text.count("\n") + 1 for text in new]))  # each text's first line
    run = subprocess.run(["shfmt", "--to-json"], input="".join(text + "\n" for text in new).encode(),
                         capture_output=True) if new else None
    for text in new if run and run.returncode else []:
        PARSED[text] = parse(text) if len(new) > 1 else ValueError(run.stderr.decode().strip())
    parsed = {text: ([], set()) for text in new}
    pending = [] if not run or run.returncode else [(json.loads(run.stdout), frozenset())]
    while pending:
        node, flags = pending.pop()
        if isinstance(node, list):
            pending += [(child, flags) for child in node]
            continue
        k = bisect.bisect(starts, node["Pos"]["Line"]) - 1 if node.get("Type") in ("CallExpr", "FuncDecl") else 0
        if node.get("Type") == "CallExpr" and "Args" in node:
            lines = [word["Pos"]["Line"] - starts[k] + 1 for word in node["Args"]]
            parsed[new[k]][0].append((node["Pos"]["Offset"], [word_text(w) for w in node["Args"]], lines, flags))
        if node.get("Type") == "FuncDecl":
            parsed[new[k]][1].add(node["Name"]["Value"])
        test = [word_text(w) for s in node["Cond"] if "Negated" not in s
                for w in s["Cmd"].get("Args", ())] if node.get("Type") == "IfClause" else []
        if len(test) == 1 == len(node["Cond"]) and FLAG.fullmatch(test[0]):
            pending += [(node["Then"], flags | {test[0][2:-1]}), (node.get("Else", []), flags)]
            continue
        pending += [(child, flags) for child in node.values()
                    if isinstance(child, list) or isinstance(child, dict) and "Offset" not in child]
    PARSED.update({text: ([command[1:] for command in sorted(commands)], functions) for text, (commands, functions)
                   in parsed.items() if not run.returncode})  # in the order of the text
    return PARSED[texts[-1]]


def program_index(words, optional):
    """Where a command's program is, past the precommands; None for none, or for `command -v PROGRAM` (optional)."""
    k, precommand = 0, None
    while k < len(words):
        if precommand == "command" and words[k] in ("-v", "-V"):
            optional.update(words[k + 1:k + 2])
            return None
        if precommand and words[k].startswith("-"):
            k += 2 if words[k] in PRECOMMANDS[precommand] else 1
        elif precommand == "env" and ASSIGNMENT.match(words[k]) or precommand == "timeout" and words[k][:1].isdigit():
            k += 1
        elif words[k] in PRECOMMANDS or ARRAY.fullmatch(words[k]):
            precommand, k = words[k] if words[k] in PRECOMMANDS else None, k + 1
        else:
            return k
    return None


def shell_text(path, text):
    """A makefile's recipes (tab lines, and their continuations) on their lines, make's $(NAME) made a plain word."""
    shell, recipe, continued = [], False, False
    for line in text.split("\n"):
        recipe = recipe if continued else line.startswith("\t")
        line = re.sub(r"\$[({][A-Za-z_]+[)}]", "VALUE", line).strip().replace("$$", "$")
        shell.append(line if recipe and continued else line.lstrip("@+-") if recipe else "")
        continued = line.endswith("\\")
    return "\n".join(shell) if os.path.basename(path) == "rules" else text


def command_name(word):  # of a command line, its first word's; /usr/bin/NAME names NAME
    return SYSTEM_PATH.match(w).group(1) if SYSTEM_PATH.match(w := (word.split() or [""])[0]) else w


def matches(text, pattern):
    return [(command_name(m.group(1)), text.count("\n", 0, m.start()) + 1) for m in re.finditer(pattern, text)]


def programs_of(path, text, off=(), tree=()):
    """A file's programs started, with their lines; those it makes optional; the files of the tree it runs, sources
    or imports, as (path, sourced); its functions. C++: QProcess::start or execute, std::system or popen, with a string
    literal (directly, or in the variable handed over); CMake: the COMMANDs, find_program's names; a shell script:
    its commands' programs, and the files that are a program or an interpreter's first argument."""
    name, folder, optional, runs, functions = os.path.basename(path), os.path.dirname(path), set(), [], set()
    shebang = re.match(r"#!\s*(\S+)(?:\s+(\S+))?", text) if name != "rules" else None
    found = [(os.path.basename(shebang.group(2 if shebang.group(1).endswith("/env") else 1)), 1)] if shebang else []
    if name == "CMakeLists.txt" or name.endswith(".cmake"):
        found = matches(text, r"\bCOMMAND\s+([A-Za-z][A-Za-z0-9_.+-]*)(?=\s)") + matches(
            text, r"\bfind_program\(\s*\w+\s+(?:NAMES\s+)?([A-Za-z][A-Za-z0-9_.+-]*)")
    elif name.endswith((".cpp", ".h")):
        found = matches(text, r'\b(?:start|startDetached|execute)\(\s*"([^"]+)"')
        for match in re.finditer(r"\b(?:system|popen)\(\s*(\(?\s*\"([^\"]*)|([A-Za-z_]\w*))", text):
            literal = match.group(2) if match.group(2) is not None else (re.findall(
                r"\b" + match.group(3) + r'\s*(?:=|\()\s*\(?\s*"([^"]*)', text[:match.start()]) or [""])[-1]
            found += [(command_name(literal), text.count("\n", 0, match.start()) + 1)] if literal else []
    elif name.endswith(".js"):
        found = matches(text, r"\b(?:spawn|spawnSync|execSync|execFileSync|execFile)\(\s*['\"]([^'\"]+)")
        runs = [(module, False) for module in re.findall(r"require\(\s*['\"](\.[^'\"]+)", text)]
    elif name.endswith(".py"):
        found += matches(text, r'subprocess\.\w+\(\s*\[\s*"([^"]+)"') + matches(text, r'"(/(?:usr/)?s?bin/[^"/]+)"')
        runs = [(module + ".py", False) for module in re.findall(r"^(?:from|import) (\w+)", text, re.M)]
    else:
        if isinstance(parse(shell_text(path, text)), ValueError):
            raise parse(shell_text(path, text))
        commands, functions = parse(shell_text(path, text))
        for words, lines, flags in commands:
            k = program_index(words, optional) if not flags & set(off) else None
            program = command_name(words[k]) if k is not None else ""
            found += [(program, lines[k])] if NAME.match(program) and program not in SHELL_BUILTINS | functions else []
            for j, word in list(enumerate(words))[k:] if k is not None else []:
                runner = j > k and (command_name(words[j - 1]) in INTERPRETERS or FLAG.fullmatch(words[j - 1]))
                if TREE_PATH.fullmatch(word) and (runner or j == k and "/" in word):  # not a name PATH finds
                    runs.append((TREE_PATH.fullmatch(word).group(1), bool(runner) and words[j - 1] in (".", "source")))
    runs = [([p for p in (run, os.path.join(folder, run)) if os.path.normpath(p) in tree][:1], s) for run, s in runs]
    return found, optional, [(os.path.normpath(p[0]), s) for p, s in runs if p], functions  # from the root, or folder


def files_matching(root, patterns):
    paths = {os.path.relpath(path, root) for pattern in patterns if not pattern.startswith("!")
             for path in glob.glob(os.path.join(root, pattern), recursive=True) if os.path.isfile(path)}
    return paths - files_matching(root, [p[1:] for p in patterns if p.startswith("!")]) if paths else paths


def closure(paths, step):
    found, pending = set(), list(paths)
    while pending:
        found.add(pending[-1])
        pending += [path for path in step(pending.pop()) if path not in found]
    return found


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    lists, programs, faults, claimed, checked = {}, {}, [], set(), 0
    read = functools.cache(lambda path: pathlib.Path(root, path).read_text("utf-8", "replace"))
    for path in glob.glob(os.path.join(root, "scripts/packages/*.txt")):  # programs.txt: PROGRAM PACKAGE a line
        words = [line.split("#")[0].split() for line in read(os.path.relpath(path, root)).split("\n")]
        lists[os.path.basename(path)[:-4]] = {line[0] for line in words if line}
        programs.update(line for line in words if len(line) == 2 and path.endswith("/programs.txt"))
    field = re.search(r"^Build-Depends:(.*?)^(?=\S)", read("debian/control"), re.S | re.M).group(1)
    lists["control"] = BUILD_ESSENTIAL | {PROVIDED_BY.get(w[0], w[0]) for w in map(str.split, field.split(",")) if w}
    scripts, samples = files_matching(root, SCRIPTS), files_matching(root, SAMPLES)
    shell = [p for p in scripts | files_matching(root, ["debian/rules"]) if not p.endswith((".py", ".js", ".cmake"))]
    parse(*(shell_text(path, read(path)) for path in shell), "")  # all at once, kept for what follows

    @functools.cache
    def reading(path, off):
        try:
            return programs_of(path, read(path), off, scripts) if path not in samples else ([], set(), [], set())
        except ValueError as error:
            faults.append(f"{path}: shfmt cannot read it, at {error}")
            return [], set(), [], set()

    for job, (names, entries, off) in JOBS.items():
        installed = lists["base"].union(*(lists[name] for name in names))
        where = ", ".join("debian/control" if n == "control" else f"scripts/packages/{n}.txt" for n in names)
        files = closure(files_matching(root, entries), lambda path: [run for run, _ in reading(path, off)[2]])
        claimed |= files
        for path in sorted(files - samples):
            started, optional, runs, _ = reading(path, off)
            sourced = closure([run for run, s in runs if s], lambda name: [r for r, s in reading(name, off)[2] if s])
            skipped = optional.union(*(reading(name, off)[3] for name in sourced))  # and the sourced functions
            for program, line in [(program, line) for program, line in started if program not in skipped]:
                checked += 1
                if program not in programs:
                    faults.append(f"{path}:{line}: starts {program}, which scripts/packages/programs.txt does not "
                                  "know: add it there with its Debian package")
                elif programs[program] not in installed:
                    faults.append(f"{path}:{line}: starts {program}, whose package {programs[program]} is not in what "
                                  f"the {job} job installs ({where})")
    faults += [f"{path}: no job runs it; run it from a job's script, or name it in a job of this check"
               for path in sorted(scripts - claimed)]
    if faults:
        sys.exit("\n".join("check-programs: " + fault for fault in dict.fromkeys(faults)))
    print(f"Program check: the {checked} program starts of {len(claimed)} files are installed by their jobs.")


if __name__ == "__main__":
    main()
