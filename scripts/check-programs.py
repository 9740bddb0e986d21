#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
"""Checks that every job installs the programs that its files start.

A job (./run, ./test, the package's build...) runs a set of files: shell
scripts, Python and JavaScript helpers, the CMake build, the C++ tests. This
check reads those files, without running anything, and finds the programs
they start: the command words of the shell scripts, the programs handed to
QProcess, std::system, subprocess and spawnSync, the CMake COMMANDs, the
interpreters of the shebang lines. Each program is looked up in
scripts/packages/programs.txt, which names its Debian package, and that
package must be in the lists the job installs (scripts/packages/*.txt, or
debian/control's Build-Depends for the package's build), or on every Debian
12 system (scripts/packages/base.txt).

It fails, one line a fault, on:
  - a program whose package is not in the lists of a job that starts it;
  - a program that programs.txt does not know;
  - a script that no job runs.
What it reads is the tree, never the machine: it gives the same answer
whatever is installed. A program that a script only uses after asking
`command -v PROGRAM` is optional, and not checked.

    /usr/bin/python3 scripts/check-programs.py [ROOT]
"""

import glob
import os
import re
import sys

# Each job: the package lists it installs, and the files it runs. A list is
# a file of scripts/packages/, or "control": the package's Build-Depends,
# with those its tests need.
# Patterns are globs from the root; ** crosses folders.
JOBS = {
    "run": {
        "lists": ["run"],
        "files": ["run", "scripts/setup.sh", "scripts/build.sh", "CMakeLists.txt", "*/**/CMakeLists.txt"],
        "except": ["web/**", "tests/**", "bench/**"],
    },
    "web": {
        "lists": ["run", "web"],
        "files": ["web/CMakeLists.txt", "web/inline_page.py"],
    },
    "test": {
        "lists": ["run", "test"],
        "files": ["test", "scripts/check-format.sh", "scripts/check-layers.sh", "scripts/check-programs.py",
                  "scripts/check-skips.sh", "scripts/mutants.sh", "tests/CMakeLists.txt", "tests/*/CMakeLists.txt",
                  "tests/*/**/*.cpp", "tests/*/**/*.py", "bench/**/CMakeLists.txt"],
        "except": ["tests/fuzz/**", "tests/web/**", "tests/scripts/**"],
    },
    "package": {
        "lists": ["control"],
        "files": ["debian/rules", "tests/CMakeLists.txt", "tests/*/CMakeLists.txt", "tests/*/**/*.cpp",
                  "tests/*/**/*.py"],
        "except": ["tests/fuzz/**", "tests/web/**", "tests/scripts/**"],
    },
    "release": {
        "lists": ["run", "web", "release", "control"],
        "files": ["scripts/release.sh", "scripts/check-versions.sh"],
    },
    "all": {
        "lists": ["run", "web", "test", "release", "all", "control"],
        "files": [".ci/run", "scripts/check-platforms.sh", "scripts/aarch64-toolchain.cmake", "scripts/setup-cross.sh", "scripts/fuzz.sh",
                  "scripts/soak.sh", "scripts/soak.py", "scripts/check-versions.sh", "scripts/check-reuse.sh",
                  "scripts/check-publiccode.sh", "scripts/check-reproducible.sh", "scripts/check-package.sh",
                  "scripts/check-web.sh", "scripts/screenshot.sh", "tests/fuzz/**/*.cpp",
                  "tests/fuzz/CMakeLists.txt", "tests/web/*", "bench/**/*.sh", "bench/**/*.py", "bench/**/*.js",
                  "web/screenshot.py", "assets/*.py"],
    },
    "fresh": {
        "lists": ["fresh"],
        "files": ["scripts/check-fresh.sh"],
    },
}

# The tests of this check, which ./test runs with the python3 of its list:
# their texts are sample scripts, not programs started.
SAMPLES = ["tests/scripts/*.py"]

# The files that are programs or scripts: each must belong to a job.
SCRIPTS = ["run", "test", ".ci/run", "scripts/*", "assets/*.py", "web/*.py", "tests/**/*.py", "tests/web/*.js",
           "bench/**/*.sh", "bench/**/*.py", "bench/**/*.js"]

# What a package's build has besides its Build-Depends (build-essential),
# and the package that a virtual name of Build-Depends stands for.
BUILD_ESSENTIAL = {"build-essential", "dpkg-dev", "g++", "gcc", "make", "libc6-dev"}
PROVIDED_BY = {"debhelper-compat": "debhelper"}

SHELL_KEYWORDS = {
    "if", "then", "else", "elif", "fi", "case", "esac", "for", "select", "while", "until", "do", "done", "in",
    "function", "time", "!", "[[", "]]", "{", "}",
}
SHELL_BUILTINS = {
    ".", ":", "[", "alias", "bg", "bind", "break", "builtin", "caller", "cd", "command", "compgen", "complete",
    "continue", "declare", "dirs", "disown", "echo", "enable", "eval", "exec", "exit", "export", "false", "fc",
    "fg", "getopts", "hash", "help", "history", "jobs", "kill", "let", "local", "logout", "mapfile", "popd",
    "printf", "pushd", "pwd", "read", "readarray", "readonly", "return", "set", "shift", "shopt", "source",
    "suspend", "test", "times", "trap", "true", "type", "typeset", "ulimit", "umask", "unalias", "unset", "wait",
}
# Words after which the next word is the program: each with its options
# that take a value, and how many plain words it takes before the program.
PRECOMMANDS = {
    "exec": (set(), 0), "command": (set(), 0), "builtin": (set(), 0), "time": (set(), 0),
    "nice": ({"-n"}, 0), "env": ({"-u", "-C", "-S"}, 0), "timeout": ({"-s", "-k"}, 1),
    "xargs": ({"-d", "-I", "-n", "-P", "-L", "-E", "-a", "-s"}, 0), "sudo": ({"-u", "-g"}, 0),
}
NAME = re.compile(r"[A-Za-z][A-Za-z0-9_.+-]*$")
SYSTEM_PATH = re.compile(r"/(?:usr/)?s?bin/([A-Za-z][A-Za-z0-9_.+-]*)$")
ASSIGNMENT = re.compile(r"[A-Za-z_][A-Za-z0-9_]*(\[[^]]*\])?\+?=")


class ShellLexer:
    """Splits a shell script into words and the operators that end a
    command, with the commands inside $( ), <( ) and double quotes, and
    without comments and here-documents; arithmetic is one word."""

    def __init__(self, text):
        self.text = text
        self.i = 0
        self.line = 1
        self.tokens = []  # (kind, text, line): kind "word" or "op"
        self.heredocs = []

    def run(self):
        self.commands(None)
        return self.tokens

    def peek(self, k=0):
        j = self.i + k
        return self.text[j] if j < len(self.text) else ""

    def advance(self, n=1):
        for _ in range(n):
            if self.peek() == "\n":
                self.line += 1
            self.i += 1

    def op(self, text):
        self.tokens.append(("op", text, self.line))

    def commands(self, closer):
        """Tokens up to the closer (")" for $( ), or the end of the text."""
        word, word_line = "", self.line
        depth = 0

        def end_word():
            nonlocal word
            if word:
                self.tokens.append(("word", word, word_line))
                if len(self.tokens) >= 2 and self.tokens[-2][1] in ("<<", "<<-"):
                    self.heredocs.append(word.strip("'\""))
            word = ""

        while self.i < len(self.text):
            c = self.peek()
            if not word:
                word_line = self.line
            if c == "\\" and self.peek(1) == "\n":
                self.advance(2)
            elif c == "\\":
                word += self.text[self.i:self.i + 2]
                self.advance(2)
            elif c == "#" and not word:
                while self.peek() not in ("\n", ""):
                    self.advance()
            elif c == "'":
                j = self.text.find("'", self.i + 1)
                j = len(self.text) if j < 0 else j
                word += self.text[self.i:j + 1]
                self.advance(j + 1 - self.i)
            elif c == '"':
                word += self.double_quoted()
            elif c == "`":
                end_word()
                self.advance()
                self.op("(")
                self.commands("`")
                self.op(")")
            elif c == "$" and self.text.startswith("$((", self.i):
                word += self.balanced("(", ")")
            elif c == "$" and self.peek(1) == "(":
                self.advance(2)
                self.op("(")
                self.commands(")")
                self.op(")")
                word += "$(...)"
            elif c == "$" and self.peek(1) == "{":
                word += "$" + self.skip_braces()
            elif c == "(" and word.endswith("="):
                word += self.balanced("(", ")")  # an array's values
            elif c == "(" and self.peek(1) == "(" and not word:
                end_word()
                self.tokens.append(("word", self.balanced("(", ")"), self.line))  # an arithmetic command
            elif c in "<>" and self.peek(1) == "(":
                end_word()
                self.advance(2)
                self.op("(")
                self.commands(")")
                self.op(")")
            elif closer == ")" and c == ")" and depth == 0:
                end_word()
                self.advance()
                return
            elif closer == "`" and c == "`":
                end_word()
                self.advance()
                return
            elif c in " \t":
                end_word()
                self.advance()
            elif c == "\n":
                end_word()
                self.advance()
                self.op("\n")
                self.skip_heredocs()
            elif c in ";&|()":
                end_word()
                two = self.text[self.i:self.i + 2]
                text = two if two in (";;", "&&", "||", "|&", "&>") else c
                if c == "(":
                    depth += 1
                if c == ")":
                    depth -= 1
                self.advance(len(text))
                self.op(text)
            elif c in "<>":
                if word.isdigit():
                    word = ""  # a file descriptor's number
                end_word()
                j = self.i
                while j < len(self.text) and self.text[j] in "<>&-":
                    j += 1
                self.op(self.text[self.i:j])
                self.advance(j - self.i)
            else:
                word += c
                self.advance()
        end_word()

    def double_quoted(self):
        text = self.text[self.i]
        self.advance()
        while self.i < len(self.text) and self.peek() != '"':
            c = self.peek()
            if c == "\\":
                text += self.text[self.i:self.i + 2]
                self.advance(2)
            elif c == "$" and self.text.startswith("$((", self.i):
                text += self.balanced("(", ")")
            elif c == "$" and self.peek(1) == "(":
                self.advance(2)
                self.op("(")
                self.commands(")")
                self.op(")")
                text += "$(...)"
            elif c == "$" and self.peek(1) == "{":
                text += "$" + self.skip_braces()
            elif c == "`":
                self.advance()
                self.op("(")
                self.commands("`")
                self.op(")")
            else:
                text += c
                self.advance()
        self.advance()
        return text + '"'

    def skip_braces(self):
        """A ${...} expansion, from its $."""
        self.advance()
        return self.balanced("{", "}")

    def balanced(self, opener, closer):
        start, depth = self.i, 0
        while self.i < len(self.text):
            c = self.peek()
            if c == opener:
                depth += 1
            elif c == closer:
                depth -= 1
                if depth == 0:
                    self.advance()
                    break
            self.advance()
        return self.text[start:self.i]

    def skip_heredocs(self):
        for delimiter in self.heredocs:
            while self.i < len(self.text):
                end = self.text.find("\n", self.i)
                end = len(self.text) if end < 0 else end
                line = self.text[self.i:end]
                self.advance(end + 1 - self.i)
                if line.strip("\t") == delimiter:
                    break
        self.heredocs = []


def shell_functions(tokens):
    return {t[1] for k, t in enumerate(tokens[:-2])
            if t[0] == "word" and tokens[k + 1][1] == "(" and tokens[k + 2][1] == ")"}


def shell_programs(text, known=frozenset()):
    """The programs a shell script starts, as (program, line), and those it
    asks `command -v` about. Known: the functions of the files it sources."""
    tokens = ShellLexer(text).run()
    functions = shell_functions(tokens) | known
    started, optional = [], set()
    expect = True  # the next word is in a command's place
    in_case = []  # for each open case: True while reading a pattern
    skip_to = None  # a word that ends what is not commands: "do" of for, "]]", "in" of case
    precommand = None
    k = 0
    while k < len(tokens):
        kind, text, line = tokens[k]
        k += 1
        if skip_to:
            if kind == "word" and text == skip_to:
                if skip_to == "in":
                    in_case.append(True)
                expect = skip_to == "do"
                skip_to = None
            continue
        if in_case and in_case[-1]:
            if kind == "word" and text == "esac":
                in_case.pop()
                expect = False
            elif kind == "op" and text == ")":
                in_case[-1] = False
                expect = True
            continue
        if kind == "op":
            if text == ";;" and in_case:
                in_case[-1] = True
            if text in ("<", ">", ">>", "<<", "<<-", "<<<", ">&", "<&", "&>", ">|", "&>>"):
                k += 1  # the redirection's target
                continue
            expect = text != ")"
            precommand = None
            continue
        if text == "{":
            expect = True  # also after the "()" of a function's name
            continue
        if not expect:
            continue
        if precommand:
            options, plain = PRECOMMANDS[precommand[0]]
            if text.startswith("-"):
                if precommand[0] == "command" and text in ("-v", "-V"):
                    if k < len(tokens) and tokens[k][0] == "word":
                        optional.add(tokens[k][1])
                    expect = False
                    precommand = None
                elif text in options:
                    k += 1
                continue
            if ASSIGNMENT.match(text) and precommand[0] == "env":
                continue
            if precommand[1] < plain:
                precommand = (precommand[0], precommand[1] + 1)
                continue
            precommand = None
        if text == "esac" and in_case:
            in_case.pop()
            expect = False
            continue
        if text in ("for", "select"):
            skip_to = "do"
            continue
        if text == "case":
            skip_to = "in"
            continue
        if text == "[[":
            skip_to = "]]"
            continue
        if text in ("fi", "done", "}", "]]"):
            expect = False
            continue
        if text in SHELL_KEYWORDS:
            continue
        if ASSIGNMENT.match(text):
            continue
        if re.fullmatch(r'"\$\{[A-Za-z_][A-Za-z0-9_]*\[@\]\}"', text):
            continue  # a command's prefix kept in an array, such as sudo
        if text in PRECOMMANDS:
            precommand = (text, 0)
            continue
        expect = False
        program = text.strip("\"'")
        system = SYSTEM_PATH.match(program)
        if system:
            program = system.group(1)
        elif not NAME.match(program):
            continue  # the project's own files, or a variable's value
        if program in SHELL_BUILTINS or program in functions:
            continue
        started.append((program, line))
    return started, optional


def line_of(text, index):
    return text.count("\n", 0, index) + 1


def first_word(literal):
    word = literal.split()[0] if literal.split() else ""
    system = SYSTEM_PATH.match(word)
    return system.group(1) if system else word


def cpp_programs(text):
    """Programs started by QProcess::start or execute, std::system or popen,
    with their name or command line in a string literal (directly, or in the
    variable handed over)."""
    found = []
    for match in re.finditer(r'\b(?:start|startDetached|execute)\(\s*"([^"]+)"', text):
        found.append((first_word(match.group(1)), line_of(text, match.start())))
    for match in re.finditer(r"\b(?:system|popen)\(\s*(\(?\s*\"([^\"]*)|([A-Za-z_]\w*))", text):
        literal = match.group(2)
        if literal is None:
            variable = match.group(3)
            assigned = None
            for assignment in re.finditer(r"\b" + variable + r'\s*(?:=|\()\s*\(?\s*"([^"]*)', text[:match.start()]):
                assigned = assignment
            literal = assigned.group(1) if assigned else ""
        if literal:
            found.append((first_word(literal), line_of(text, match.start())))
    return found


def python_programs(text):
    found = []
    for match in re.finditer(r'subprocess\.\w+\(\s*\[\s*"([^"]+)"', text):
        found.append((first_word(match.group(1)), line_of(text, match.start())))
    for match in re.finditer(r'"(/usr/s?bin/[^"/]+|/s?bin/[^"/]+)"', text):
        found.append((first_word(match.group(1)), line_of(text, match.start())))
    return found


def javascript_programs(text):
    return [(first_word(m.group(1)), line_of(text, m.start()))
            for m in re.finditer(r"\b(?:spawn|spawnSync|execSync|execFileSync|execFile)\(\s*['\"]([^'\"]+)", text)]


def cmake_programs(text):
    """The programs of COMMAND clauses, and those that find_program looks
    for (the build or its tests start them)."""
    commands = re.finditer(r"\bCOMMAND\s+([A-Za-z][A-Za-z0-9_.+-]*)(?=\s)", text)
    found = re.finditer(r"\bfind_program\(\s*\w+\s+(?:NAMES\s+)?([A-Za-z][A-Za-z0-9_.+-]*)", text)
    return [(first_word(m.group(1)), line_of(text, m.start())) for m in [*commands, *found]]


def makefile_programs(text):
    """The programs of a makefile's recipes (lines that start with a tab,
    with their continuations); make's own $(NAME) is not a command."""
    found = []
    lines = text.split("\n")
    number = 0
    while number < len(lines):
        first = number
        recipe = lines[number]
        while recipe.endswith("\\") and number + 1 < len(lines):
            number += 1
            recipe = recipe[:-1] + " " + lines[number]
        number += 1
        if recipe.startswith("\t"):
            recipe = re.sub(r"\$[({][A-Za-z_]+[)}]", "VALUE", recipe)
            found += [(program, first + 1) for program, _ in shell_programs(recipe.strip())[0]]
    return found


def shebang(text):
    match = re.match(r"#!\s*(\S+)(?:\s+(\S+))?", text)
    if not match:
        return []
    program = match.group(2) if match.group(1).endswith("/env") else match.group(1)
    return [(os.path.basename(program), 1)]


def programs_of(path, text, known=frozenset()):
    """(programs started, with their lines; programs optional). Known: the
    functions of the files a shell script sources."""
    name = os.path.basename(path)
    if name == "CMakeLists.txt" or name.endswith(".cmake"):
        return cmake_programs(text), set()
    if name.endswith((".cpp", ".h")):
        return cpp_programs(text), set()
    if name == "rules":
        return makefile_programs(text), set()
    if name.endswith(".py"):
        return shebang(text) + python_programs(text), set()
    if name.endswith(".js"):
        return javascript_programs(text), set()
    started, optional = shell_programs(text, known)
    return shebang(text) + started, optional


# A shell script's `. "$root/scripts/x.sh"` or `source "${here}/x.sh"`: the
# path after the variable, from the tree's root.
SOURCED = re.compile(r'^\s*(?:\.|source)\s+"?\$\{?\w+\}?/([\w./-]+)"?', re.M)


def read_text(root, path):
    with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
        return source.read()


def sourced_by(root, path):
    """The files of the tree that a shell script sources, directly or not."""
    found, pending = set(), [path]
    while pending:
        for name in SOURCED.findall(read_text(root, pending.pop())):
            if name not in found and os.path.isfile(os.path.join(root, name)):
                found.add(name)
                pending.append(name)
    return found


def read_list(root, name):
    packages = set()
    with open(os.path.join(root, "scripts/packages", name + ".txt"), encoding="utf-8") as lines:
        for line in lines:
            word = line.split("#")[0].split()
            if word:
                packages.add(word[0])
    return packages


def build_depends(root):
    """The packages of debian/control's Build-Depends, those of its tests
    (<!nocheck>) included."""
    with open(os.path.join(root, "debian/control"), encoding="utf-8") as control:
        text = control.read()
    field = re.search(r"^Build-Depends:(.*?)^(?=\S)", text, re.S | re.M).group(1)
    packages = set(BUILD_ESSENTIAL)
    for relation in field.split(","):
        words = relation.split()
        if not words:
            continue
        packages.add(PROVIDED_BY.get(words[0], words[0]))
    return packages


def read_programs(root):
    programs = {}
    with open(os.path.join(root, "scripts/packages/programs.txt"), encoding="utf-8") as lines:
        for line in lines:
            words = line.split("#")[0].split()
            if len(words) == 2:
                programs[words[0]] = words[1]
    return programs


def files_matching(root, patterns):
    files = set()
    for pattern in patterns:
        for path in glob.glob(os.path.join(root, pattern), recursive=True):
            if os.path.isfile(path):
                files.add(os.path.relpath(path, root))
    return files


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    programs = read_programs(root)
    base = read_list(root, "base")
    faults = []
    claimed = set()
    checked = 0
    for job, job_files in JOBS.items():
        installed = set(base)
        for name in job_files["lists"]:
            if name == "control":
                installed |= build_depends(root)
            else:
                installed |= read_list(root, name)
        files = files_matching(root, job_files["files"]) - files_matching(root, job_files.get("except", []))
        sources = {path: sourced_by(root, path) for path in files}
        files |= set().union(*sources.values())  # a sourced file runs in the job that sources it
        claimed |= files
        for path in sorted(files):
            known = set().union(*(shell_functions(ShellLexer(read_text(root, name)).run())
                                  for name in sources.get(path, ())))
            started, optional = programs_of(path, read_text(root, path), known)
            for program, line in started:
                if program in optional:
                    continue
                checked += 1
                package = programs.get(program)
                if package is None:
                    faults.append(f"{path}:{line}: starts {program}, which scripts/packages/programs.txt does not "
                                  "know: add it there with its Debian package")
                elif package not in installed:
                    lists = ", ".join("debian/control" if n == "control" else f"scripts/packages/{n}.txt"
                                      for n in job_files["lists"])
                    faults.append(f"{path}:{line}: starts {program}, whose package {package} is not in what the "
                                  f"{job} job installs ({lists})")
    for path in sorted(files_matching(root, SCRIPTS) - claimed - files_matching(root, SAMPLES)):
        faults.append(f"{path}: no job runs it; name it in a job of scripts/check-programs.py")
    for fault in dict.fromkeys(faults):
        print("check-programs: " + fault, file=sys.stderr)
    if faults:
        sys.exit(1)
    print(f"Program check: the {checked} program starts of {len(claimed)} files are installed by their jobs.")


if __name__ == "__main__":
    main()
