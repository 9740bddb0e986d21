#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
"""The program check's reading of the files: which programs a shell script,
a makefile, CMake, C++ and Python start, which files a script runs, and its
verdict on a small tree."""

import importlib.machinery
import os
import subprocess
import tempfile
import types
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CHECK = os.path.join(HERE, "..", "..", "scripts", "check-programs.py")
# The check is a script with a dash in its name, so it is loaded from its
# path rather than imported.
loader = importlib.machinery.SourceFileLoader("check_programs", CHECK)
check = types.ModuleType(loader.name)
check.__file__ = CHECK
loader.exec_module(check)


def started(path, text):
    programs, optional = check.programs_of(path, text)[:2]
    return [name for name, _ in programs if name not in optional]


class ProgramsOfAFile(unittest.TestCase):
    ROWS = [
        # (file, text, programs started)
        ("a.sh", "git status | grep -q x && echo ok\n", ["git", "grep"]),
        ("a.sh", 'x=$(dpkg-query -W "$(basename "$p")")\n', ["dpkg-query", "basename"]),
        ("a.sh", 'echo "files: $(ls | wc -l)"\n', ["ls", "wc"]),
        ("a.sh", "cat <<'END'\nxdotool key a\nEND\nsort f\n", ["cat", "sort"]),
        ("a.sh", "case $1 in\n  run) lists+=(run) ;;\n  *) usage ;;\nesac\n", ["usage"]),
        ("a.sh", "f() { Xvfb :1; }\nf\n", ["Xvfb"]),
        ("a.sh", "for x in openbox xprop; do rm \"$x\"; done\n", ["rm"]),
        ("a.sh", "[[ $a == b ]] || exit 1\n", []),
        ("a.sh", "if ((n < 1 || n > $#)); then exit 2; fi\n", []),
        ("a.sh", 'env -i HOME=/root nice -n 5 timeout 10 make all\n', ["make"]),
        ("a.sh", '"${as_root[@]}" apt-get update 2>/dev/null >&2\n', ["apt-get"]),
        ("a.sh", "command -v xdg-open >/dev/null && xdg-open page\n", []),
        ("a.sh", '/usr/bin/python3 x.py; "$root/scripts/build.sh" web\n', ["python3"]),
        ("a.sh", "# xdotool in a comment\nread -r a b <(sha256sum f)\n", ["sha256sum"]),
        ("a.sh", "while read -r w; do\n  tar -x \\\n    -f w\ndone <list\n", ["tar"]),
        ("a.sh", 'for _ in $(seq 3); do :; done < <(git ls-files)\nx=${1:-$(mktemp)}\n', ["seq", "git", "mktemp"]),
        ("rules", "x := $(shell pwd)\n%:\n\tdh $@ \\\n\t\t--with=$(X)\n", ["dh"]),
        ("CMakeLists.txt", "add_custom_command(OUTPUT o\n  COMMAND python3 x.py)\n"
                           "find_program(NODE_PROGRAM node)\n", ["python3", "node"]),
        ("t.cpp", 'p.start("xdotool", {"key"});\nstd::system(("chattr +i " + d).c_str());\n',
         ["xdotool", "chattr"]),
        ("t.cpp", 'const std::string command =\n  "localedef -i ps_AF";\nstd::system(command.c_str());\n',
         ["localedef"]),
        ("t.py", '#!/usr/bin/env python3\nsubprocess.run(["rsvg-convert", "-w"])\nB = "/usr/bin/chromium"\n',
         ["python3", "rsvg-convert", "chromium"]),
    ]

    def test_rows(self):
        for path, text, programs in self.ROWS:
            with self.subTest(text=text):
                self.assertEqual(started(path, text), programs)


class FilesRunByAFile(unittest.TestCase):
    TREE = {"scripts/a.sh", "scripts/v.sh", "run", "test", "tests/w/t.py", "tests/w/rows.js", "tests/w/browser.py"}
    ROWS = [
        # (file, text, files of the tree it runs as (path, sourced))
        ("run", "scripts/a.sh run\nexec ./test --all\nsh run\n",
         [("scripts/a.sh", False), ("test", False), ("run", False)]),
        ("scripts/a.sh", '. "$root/scripts/v.sh"\n"$python" tests/w/t.py\n/usr/bin/python3 "$here/v.sh"\n',
         [("scripts/v.sh", True), ("tests/w/t.py", False), ("scripts/v.sh", False)]),
        ("scripts/a.sh", 'step "./run" ./run\ncheck "size" test -s f\ntest -s f\ncommand -v ./test\n', []),
        ("tests/w/c.js", "const {r} = require('./rows.js');\n", [("tests/w/rows.js", False)]),
        ("tests/w/t.py", "import os\nfrom browser import load\n", [("tests/w/browser.py", False)]),
    ]

    def test_rows(self):
        for path, text, runs in self.ROWS:
            with self.subTest(text=text):
                self.assertEqual(check.programs_of(path, text, (), self.TREE)[2], runs)


class VerdictOnATree(unittest.TestCase):
    """A tree of the jobs' lists and a ./test that runs one script: the check
    passes while the script's program is in the test job's lists, and fails
    naming it otherwise."""

    def run_check(self, test_list, script, library):
        with tempfile.TemporaryDirectory() as root:
            files = {
                "scripts/packages/base.txt": "coreutils\n",
                "scripts/packages/programs.txt": "xdotool xdotool\ncat coreutils\n",
                "scripts/packages/run.txt": "cmake\n",
                "scripts/packages/test.txt": test_list,
                "scripts/packages/web.txt": "", "scripts/packages/release.txt": "",
                "scripts/packages/all.txt": "xdotool\n", "scripts/packages/fresh.txt": "",
                "debian/control": "Source: x\nBuild-Depends:\n cmake,\n xdotool <!nocheck>,\n\nPackage: x\n",
                "test": "scripts/check-layers.sh\n", "scripts/check-layers.sh": script,
            }
            if library:
                files["scripts/library.sh"] = library
            for path, text in files.items():
                os.makedirs(os.path.dirname(os.path.join(root, path)), exist_ok=True)
                with open(os.path.join(root, path), "w", encoding="utf-8") as out:
                    out.write(text)
            return subprocess.run(["/usr/bin/python3", CHECK, root], capture_output=True, text=True)

    def test_verdicts(self):
        press = "press() { xdotool key a; }\n"
        rows = [
            # (test.txt, the test job's script, the library it may source, exit code, a part of the fault)
            ("xdotool\n", "xdotool key a\ncat f\n", "", 0, ""),
            ("", "xdotool key a\n", "", 1, "starts xdotool, whose package xdotool is not in what the test job installs"),
            ("", "xwininfo -root\n", "", 1, "starts xwininfo, which scripts/packages/programs.txt does not know"),
            ("", "command -v xdotool && xdotool key a\n", "", 0, ""),
            # A sourced file runs in the job of the script that sources it,
            # and its functions are not programs.
            ("xdotool\n", '. "$root/scripts/library.sh"\npress\n', press, 0, ""),
            ("", '. "$root/scripts/library.sh"\npress\n', press, 1,
             "scripts/library.sh:1: starts xdotool, whose package xdotool is not in what the test job installs"),
            ("", "true\n", press, 1, "scripts/library.sh: no job runs it"),
            # ./test, and what it runs, without what only ./test --all runs.
            ("", "if $all; then xdotool key a; fi\n", "", 0, ""),
            ("", "if true; then\n", "", 1, "scripts/check-layers.sh: shfmt cannot read it, at 1:1: if statement"),
        ]
        for test_list, script, library, status, fault in rows:
            with self.subTest(script=script):
                run = self.run_check(test_list, script, library)
                self.assertEqual(run.returncode, status, run.stderr)
                self.assertIn(fault, run.stderr)


if __name__ == "__main__":
    unittest.main()
