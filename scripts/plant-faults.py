#!/usr/bin/env python3
"""Plants one fault at a time in a scratch copy of the sources and counts the faults no test
catches. The faults are listed in scripts/faults/faults.txt (its head explains the format).

    scripts/plant-faults.py [--check] [--layer L[,L]] [--only ID[,ID]] [--fast | --subset]
                            [--no-clean] [--work DIR] [--out FILE] [--jobs N] [--timeout S]

The scratch copy (build-faults/src, its build folder build-faults/build kept between runs, so
rebuilds are incremental) is brought up to the working tree, tracked and untracked files alike,
at start and at the end. For each fault the tool replaces its search text (which must occur
exactly once in its file), rebuilds everything but the benchmarks, runs the whole suite (ctest,
QT_QPA_PLATFORM=offscreen) and puts the file back. A fault that does not build is "n/a"; one
whose search text is missing or not unique is "refused". First the suite runs without a fault:
a test failing there is left out of the count.

  --check      only verify the search texts in the working tree; no build
  --layer      faults of these layers only (engine platform library play pages pages-qt ui app
               tools)
  --only       these fault ids only
  --fast       build and run the test programs of the fault's layer first, stopping at the
               first failing test; a fault they miss builds and runs the rest of the suite, so
               the count is the same as without --fast, but only one failing test is named
  --subset     build and run only the test programs of the fault's layer (quickest; a fault
               caught only elsewhere counts as missed, so the count is a lower bound)
  --no-clean   skip the run without a fault
  --out FILE   write the result table to FILE too
"""
import argparse
import json
import os
import re
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FAULTS = ROOT / "scripts" / "faults" / "faults.txt"
LAYERS = ["engine", "platform", "library", "play", "pages", "pages-qt", "ui", "app", "tools"]

# The test executables that hold the tests of each layer: --fast runs them first, --subset
# runs only them.
LAYER_TESTS = {
    "engine": ["engine_tests", "engine_generator_tests", "sudoku_engine_cli_tests"],
    "platform": ["platform_tests", "ui_tests"],
    "library": ["library_tests"],
    "play": ["play_tests", "pages_tests"],
    "pages": ["pages_tests", "app_tests"],
    "pages-qt": ["app_tests"],
    "ui": ["ui_tests", "app_tests"],
    "app": ["app_tests", "install_test.sh"],
    "tools": ["sudoku_engine_cli_tests", "install_test.sh", "library_tests"],
}


# What test programs read besides themselves; a staged build makes them too, so that none is
# left over from an earlier fault.
SUPPORT_TARGETS = ["sudoku_language_file", "display_sets"]


class Fault:
    def __init__(self, ident, line):
        self.id = ident
        self.line = line
        self.layer = ""
        self.file = ""
        self.what = ""
        self.search = None
        self.replace = None


def read_faults(path):
    """Reads blocks of `key: value` lines, each opened by `[id]`. A value of `<<<` takes the
    lines up to one that is exactly `>>>` as it stands (for texts of several lines)."""
    faults = []
    lines = path.read_text(encoding="utf-8").split("\n")
    i = 0
    current = None
    while i < len(lines):
        line = lines[i]
        i += 1
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        head = re.fullmatch(r"\[([A-Za-z0-9_.-]+)\]\s*", line)
        if head:
            current = Fault(head.group(1), i)
            faults.append(current)
            continue
        key, sep, value = line.partition(":")
        if current is None or not sep or key not in ("layer", "file", "what", "search", "replace"):
            sys.exit(f"{path}:{i}: cannot read: {line!r}")
        value = value[1:] if value.startswith(" ") else value
        if value == "<<<":
            block = []
            while i < len(lines) and lines[i] != ">>>":
                block.append(lines[i])
                i += 1
            if i == len(lines):
                sys.exit(f"{path}:{current.line}: a <<< block is not closed by >>>")
            i += 1
            value = "\n".join(block)
        setattr(current, key, value)
    seen = set()
    for fault in faults:
        where = f"{path}:{fault.line}: [{fault.id}]"
        if fault.id in seen:
            sys.exit(f"{where}: the id is used twice")
        seen.add(fault.id)
        if fault.layer not in LAYERS:
            sys.exit(f"{where}: layer must be one of {' '.join(LAYERS)}")
        if not fault.file or fault.search is None or fault.replace is None:
            sys.exit(f"{where}: file, search and replace are needed")
        if fault.search == fault.replace:
            sys.exit(f"{where}: the replacement changes nothing")
    return faults


def check_fault(fault, tree):
    """Returns why the fault cannot be applied to tree, or None."""
    path = tree / fault.file
    if not path.is_file():
        return f"no file {fault.file}"
    count = path.read_bytes().decode("utf-8").count(fault.search)
    if count == 0:
        return "search text not found"
    if count > 1:
        return f"search text found {count} times"
    return None


def source_files():
    out = subprocess.run(["git", "ls-files", "-z", "-co", "--exclude-standard"], cwd=ROOT,
                         check=True, capture_output=True).stdout
    return [name for name in out.decode().split("\0") if name]


def sync_tree(src):
    """Makes src hold the working tree's files: a file is rewritten only when its content
    differs, so the build stays incremental."""
    names = set(source_files())
    for name in names:
        original = ROOT / name
        copy = src / name
        if original.is_symlink() or not original.is_file():
            continue
        data = original.read_bytes()
        if copy.is_file() and copy.read_bytes() == data:
            continue
        copy.parent.mkdir(parents=True, exist_ok=True)
        copy.write_bytes(data)
        copy.chmod(original.stat().st_mode)
    for path in src.rglob("*"):
        if path.is_file() and str(path.relative_to(src)) not in names:
            path.unlink()


def run(cmd, log, timeout=None, env=None):
    with open(log, "w") as out:
        try:
            return subprocess.run(cmd, stdout=out, stderr=subprocess.STDOUT, timeout=timeout,
                                  env=env).returncode
        except subprocess.TimeoutExpired:
            out.write("\n*** timed out\n")
            return -1


def build(work, jobs, targets=()):
    """Brings the scratch build up to date: everything but the benchmarks, or the targets."""
    build_dir = work / "build"
    if not (build_dir / "build.ninja").is_file():
        code = run(["cmake", "-S", str(work / "src"), "-B", str(build_dir), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DSUDOKU_BENCH=OFF",
                    "-DSUDOKU_WERROR=OFF"], work / "configure.log")
        if code != 0:
            sys.exit(f"configure failed, see {work / 'configure.log'}")
    chosen = ["--target", *targets] if targets else []
    return run(["cmake", "--build", str(build_dir), "-j", str(jobs), *chosen],
               work / "build.log", timeout=3600) == 0


def not_built(work):
    """The result of a failed build: caught when a test program failed to list its tests (it
    ran and crashed), else not applicable (the fault does not build)."""
    log = (work / "build.log").read_text(errors="replace")
    if "Error running test executable" in log:
        return "caught", ["(test discovery)"]
    return "n/a", []


def test_fault(fault, args, work, tests, ignored, timeout, cap):
    """Builds and tests the scratch copy with the fault in place; returns the result, the names
    of the failing tests and whether the run was cut short."""
    own = LAYER_TESTS[fault.layer]
    programs = [p for p in own if not p.endswith(".sh")]  # the others need the whole build
    staged = args.fast or (args.subset and len(programs) == len(own))
    if not build(work, args.jobs, programs + SUPPORT_TARGETS if staged else ()):
        return (*not_built(work), False)
    first = [n for n, _, exe in tests if exe in (programs if staged else own)]
    rest = [n for n, _, exe in tests if n not in first]
    if args.subset:
        failed, _, cut = run_ctest(work, first, args.jobs, timeout, False, "fault", cap)
    elif args.fast:
        failed, _, cut = run_ctest(work, first, args.jobs, timeout, True, "fault", cap)
        if not [name for name in failed if name not in ignored]:
            if not build(work, args.jobs):
                return (*not_built(work), False)
            failed, _, cut = run_ctest(work, rest, args.jobs, timeout, True, "fault", cap)
    else:
        failed, _, cut = run_ctest(work, first + rest, args.jobs, timeout, False, "fault", cap)
    failed = [name for name in failed if name not in ignored]
    return ("caught" if failed else "MISSED"), failed, cut


def list_tests(work):
    """Returns [(number, name, executable)] of the ctest tests, numbered as ctest -I counts."""
    out = subprocess.run(["ctest", "--test-dir", str(work / "build"), "--show-only=json-v1"],
                         check=True, capture_output=True).stdout
    tests = []
    for number, test in enumerate(json.loads(out)["tests"], start=1):
        command = test.get("command") or [""]
        program = next((Path(part).name for part in command
                        if part.endswith(".sh") or "/bin/" in part), Path(command[0]).name)
        tests.append((number, test["name"], program))
    return tests


def run_ctest(work, numbers, jobs, timeout, stop_early, label, cap=0.0):
    """Runs the given tests; returns the names of those that failed (timeouts and crashes
    included), the time the slowest test took, and whether the run was cut short: once a test
    has failed, the run may go on for `cap` seconds in all (0: no limit), so that a fault which
    hangs test after test does not hold the whole campaign for an hour."""
    if not numbers:
        return [], 0.0, False
    pick = work / f"tests-{label}.txt"
    # Start, end and stride 0: only the tests named after them (",,," would run them all).
    pick.write_text("0,0,0," + ",".join(str(n) for n in numbers) + "\n")
    cmd = ["ctest", "--test-dir", str(work / "build"), "-j", str(jobs), "--timeout",
           str(timeout), "-I", str(pick)]
    if stop_early:
        cmd.append("--stop-on-failure")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    failed = []
    slowest = 0.0
    cut = False
    begun = time.monotonic()
    with open(work / f"ctest-{label}.log", "w") as log:
        process = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                   text=True, errors="replace", env=env, start_new_session=True)
        try:
            for line in process.stdout:
                log.write(line)
                # "Test #12: Name[ # parameter] ......   Passed    0.05 sec"; the word before
                # the time is the verdict (Passed, ***Failed, ***Timeout, SegFault, ...).
                done = re.search(r"Test +#\d+: (\S+) .*?(\S+)\s+([0-9.]+) sec$", line)
                if done:
                    slowest = max(slowest, float(done.group(3)))
                    if not done.group(2).endswith(("Passed", "***Skipped")):
                        failed.append(done.group(1))
                if failed and cap and time.monotonic() - begun > cap:
                    cut = True
                    break
        finally:
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)  # ctest and the tests it started
            process.wait()
    return failed, slowest, cut


def describe_sources():
    """The commit of the working tree, and whether it has changes not committed."""
    commit = subprocess.run(["git", "log", "-1", "--format=%h %cs"], cwd=ROOT,
                            capture_output=True, text=True).stdout.strip()
    changed = subprocess.run(["git", "status", "--porcelain", "--untracked-files=no"], cwd=ROOT,
                             capture_output=True, text=True).stdout.strip()
    return f"commit {commit}" + (" with changes not committed" if changed else "")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--layer", default="")
    parser.add_argument("--only", default="")
    mode = parser.add_mutually_exclusive_group()
    mode.add_argument("--fast", action="store_true")
    mode.add_argument("--subset", action="store_true")
    parser.add_argument("--no-clean", action="store_true")
    parser.add_argument("--work", default=str(ROOT / "build-faults"))
    parser.add_argument("--out", default="")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--timeout", type=int, default=0,
                        help="seconds per test (default: five times the slowest test of the run "
                        "without a fault, at least 30; 300 with --no-clean)")
    parser.add_argument("--faults", default=str(FAULTS))
    args = parser.parse_args()

    faults = read_faults(Path(args.faults))
    if args.layer:
        layers = args.layer.split(",")
        unknown = [layer for layer in layers if layer not in LAYERS]
        if unknown:
            sys.exit(f"unknown layer {' '.join(unknown)}; layers: {' '.join(LAYERS)}")
        faults = [f for f in faults if f.layer in layers]
    if args.only:
        wanted = args.only.split(",")
        missing = set(wanted) - {f.id for f in faults}
        if missing:
            sys.exit(f"no fault {' '.join(sorted(missing))}")
        faults = [f for f in faults if f.id in wanted]

    refused = {f.id: why for f in faults if (why := check_fault(f, ROOT))}
    if args.check:
        for fault in faults:
            print(f"{fault.id:34} {fault.layer:9} {refused.get(fault.id, 'ok')}")
        per_layer = {layer: sum(f.layer == layer for f in faults) for layer in LAYERS}
        print(f"{len(faults)} faults, {len(refused)} refused; per layer: " +
              ", ".join(f"{layer} {count}" for layer, count in per_layer.items() if count))
        return 1 if refused else 0

    work = Path(args.work).resolve()
    src = work / "src"
    src.mkdir(parents=True, exist_ok=True)
    started = time.monotonic()
    sources = describe_sources()
    print(f"scratch copy {src}", flush=True)
    sync_tree(src)
    if not build(work, args.jobs):
        sys.exit(f"the sources without a fault do not build, see {work / 'build.log'}")
    tests = list_tests(work)
    all_numbers = [n for n, _, _ in tests]
    ignored = set()
    timeout = args.timeout or 300
    cap = 600.0
    if not args.no_clean:
        begun = time.monotonic()
        clean_failed, slowest, _ = run_ctest(work, all_numbers, args.jobs, timeout, False,
                                             "clean")
        ignored = set(clean_failed)
        timeout = args.timeout or max(30, int(5 * slowest) + 1)
        cap = max(120.0, 3 * (time.monotonic() - begun))
        print(f"suite without a fault: {len(tests)} tests, {len(clean_failed)} failed"
              f"{''.join(' ' + name for name in clean_failed)}; "
              f"{time.monotonic() - begun:.0f} s, slowest test "
              f"{slowest:.0f} s, timeout per test now {timeout} s, a run with a failed "
              f"test is cut short after {cap:.0f} s "
              f"(set up {begun - started:.0f} s)", flush=True)

    rows = []
    for index, fault in enumerate(faults, start=1):
        begun = time.monotonic()
        if fault.id in refused:
            rows.append((fault, "refused", [refused[fault.id]], False, 0))
            print(f"[{index}/{len(faults)}] {fault.id}: refused, {refused[fault.id]}", flush=True)
            continue
        target = src / fault.file
        original = (ROOT / fault.file).read_bytes()
        try:
            text = original.decode("utf-8").replace(fault.search, fault.replace, 1)
            target.write_bytes(text.encode("utf-8"))
            result, failed, cut = test_fault(fault, args, work, tests, ignored, timeout, cap)
        finally:
            target.write_bytes(original)
        seconds = time.monotonic() - begun
        rows.append((fault, result, failed, cut, seconds))
        print(f"[{index}/{len(faults)}] {fault.id}: {result} ({seconds:.0f} s) "
              f"{' '.join(failed[:3])}{' [cut short]' if cut else ''}", flush=True)
    sync_tree(src)

    applicable = [r for r in rows if r[1] in ("caught", "MISSED")]
    caught = sum(r[1] == "caught" for r in rows)
    mode_name = "subset" if args.subset else "fast" if args.fast else "full"
    lines = [f"{'fault':34} {'layer':9} {'result':8} {'time':>5}  failed tests (the first three)"]
    for fault, result, failed, cut, seconds in rows:
        names = " ".join(failed[:3]) + (f" (+{len(failed) - 3})" if len(failed) > 3 else "")
        names += " [cut short]" if cut else ""
        lines.append(f"{fault.id:34} {fault.layer:9} {result:8} {seconds:4.0f}s  {names}".rstrip())
    lines.append("")
    for layer in LAYERS:
        mine = [r for r in applicable if r[0].layer == layer]
        if mine:
            lines.append(f"{layer:9} caught {sum(r[1] == 'caught' for r in mine)} of {len(mine)}")
    lines.append(f"caught {caught} of {len(applicable)} faults that build ({mode_name} run); "
                 f"missed {len(applicable) - caught}; not applicable (no build) "
                 f"{sum(r[1] == 'n/a' for r in rows)}; refused {len(refused)}")
    if ignored:
        lines.append(f"failing without a fault, left out of the count: {' '.join(sorted(ignored))}")
    lines.append(f"sources: {sources}; {len(tests)} tests; "
                 f"time {(time.monotonic() - started) / 60:.0f} min, ctest -j{args.jobs}")
    table = "\n".join(lines) + "\n"
    print("\n" + table, end="")
    if args.out:
        Path(args.out).write_text(table)
    return 0


if __name__ == "__main__":
    sys.exit(main())
