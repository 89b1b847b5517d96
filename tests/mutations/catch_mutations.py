#!/usr/bin/env python3
"""Applies each one-line change of mutations.txt to a scratch copy of the
tree and runs the logic tests against it: every change must make a test
fail, or the tests could not catch that bug. Prints one line a change and
"N passed, N failed" (a change caught is a pass)."""
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LIST = os.path.join(ROOT, "tests", "mutations", "mutations.txt")
# Sources the logic tests build from; the rest of the tree is not needed.
COPIED = ["CMakeLists.txt", "puzzle", "files", "app", "render", "sound",
          "tests", "tools", "bench", "packaging", "web"]


def read_mutations():
    lines = [l.rstrip("\n") for l in open(LIST, encoding="utf-8")]
    lines = [l for l in lines if not l.startswith("#")]
    blocks, block = [], []
    for line in lines + [""]:
        if line.strip():
            block.append(line)
        elif block:
            if len(block) != 3 or " => " not in block[2] + " ":
                sys.exit(f"mutations.txt: an entry is not three lines: {block}")
            before, _, after = block[2].partition(" =>")
            blocks.append((block[0], block[1], before.replace("\\n", "\n"),
                           after.strip().replace("\\n", "\n")))
            block = []
    return blocks


def run(command, cwd, timeout):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=timeout).returncode


def tests_fail(build):
    """Runs the logic tests in two shards at once; True when any fails."""
    binary = os.path.join(build, "tests", "logic_tests")
    shards = []
    for index in range(2):
        env = dict(os.environ, GTEST_TOTAL_SHARDS="2", GTEST_SHARD_INDEX=str(index))
        shards.append(subprocess.Popen([binary, "--gtest_fail_fast", "--gtest_brief=1"],
                                       env=env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL))
    codes = [shard.wait(timeout=600) for shard in shards]
    return any(code != 0 for code in codes)


def main():
    mutations = read_mutations()
    scratch = tempfile.mkdtemp(prefix="linkloom-mutations-")
    try:
        for name in COPIED:
            source = os.path.join(ROOT, name)
            target = os.path.join(scratch, name)
            if os.path.isdir(source):
                shutil.copytree(source, target)
            else:
                shutil.copy2(source, target)
        build = os.path.join(scratch, "build")
        jobs = str(os.cpu_count() or 2)
        if run(["cmake", "-S", scratch, "-B", build, "-DBUILD_TESTING=ON"], scratch, 600):
            sys.exit("catch_mutations: the scratch copy does not configure")
        if run(["cmake", "--build", build, "-j", jobs, "--target", "logic_tests"], scratch, 1800):
            sys.exit("catch_mutations: the scratch copy does not build")
        if tests_fail(build):
            sys.exit("catch_mutations: the logic tests fail before any change")
        caught = missed = 0
        for rule, path, before, after in mutations:
            file = os.path.join(scratch, path)
            text = open(file, encoding="utf-8").read()
            if text.count(before) != 1:
                print(f"NOT APPLIED {path}: {before!r} is not found exactly once")
                missed += 1
                continue
            open(file, "w", encoding="utf-8").write(text.replace(before, after))
            try:
                if run(["cmake", "--build", build, "-j", jobs, "--target", "logic_tests"],
                       scratch, 1800):
                    print(f"DOES NOT BUILD {path}: {rule}")
                    missed += 1
                elif tests_fail(build):
                    print(f"caught   {path}: {rule}")
                    caught += 1
                else:
                    print(f"SURVIVED {path}: {rule}")
                    missed += 1
            finally:
                open(file, "w", encoding="utf-8").write(text)
        print(f"mutations: {caught} passed, {missed} failed")
        return 1 if missed else 0
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
