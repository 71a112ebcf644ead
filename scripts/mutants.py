#!/usr/bin/env python3
"""Mutation score of the test suite: small faults put into the game's code one
at a time; a fault counts as killed when one of the tests that cover its file
fails (or hangs). Python 3 standard library only.

  mutants.py list  [--seed N] [--count N]        print the sample
  mutants.py run   --source DIR --build DIR [--seed N] [--count N]
                   [--table FILE] [--results FILE] [--known FILE [--killed-only]]
  mutants.py summary --results FILE

The sample: every mutant the rules below make of the .cpp files in src/engine,
src/audio, src/persistence and src/sensors, in a fixed order, of which
random.Random(seed) picks --count. Same code + same seed = same mutants, so two
versions of the tests can be scored against the very same faults.

Rules (one change per mutant, comments, strings, characters and preprocessor
lines left alone):
  rel    == != < <= > >= swapped for their neighbour (only spaced operators)
  arith  + - * / and += -= swapped; ++ and -- swapped
  logic  && and || swapped
  not    an if/while condition negated
  const  an integer n becomes 0 and n+1; a float f becomes 0 and 2*f;
         true and false swapped
  del    a one-line statement deleted
  ret    return x; becomes return {}; (x not a constant)
"""
import argparse
import json
import os
import random
import re
import signal
import subprocess
import sys
import time

AREAS = ("src/engine", "src/audio", "src/persistence", "src/sensors")


def mask(text):
    """The text with comments, string and character literals blanked out
    (same length, newlines kept), so that rules only see code."""
    out = list(text)
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            for k in range(i, j):
                out[k] = " "
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            for k in range(i, j):
                if out[k] != "\n":
                    out[k] = " "
            i = j
        elif c in "\"'":
            # A digit separator or a character literal: blank up to the closing quote.
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            for k in range(i + 1, min(j, n)):
                out[k] = "_"
            i = j + 1
        else:
            i += 1
    return "".join(out)


def matching_paren(s, open_at):
    depth = 0
    for k in range(open_at, len(s)):
        if s[k] == "(":
            depth += 1
        elif s[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


SWAPS = [
    ("rel", r"(?<=\s)==(?=\s)", ["!="]),
    ("rel", r"(?<=\s)!=(?=\s)", ["=="]),
    ("rel", r"(?<=\s)<(?=\s)", ["<="]),
    ("rel", r"(?<=\s)<=(?=\s)", ["<"]),
    ("rel", r"(?<=\s)>(?=\s)", [">="]),
    ("rel", r"(?<=\s)>=(?=\s)", [">"]),
    ("arith", r"(?<=\s)\+(?=\s)", ["-"]),
    ("arith", r"(?<=\s)-(?=\s)", ["+"]),
    ("arith", r"(?<=\s)\*(?=\s)", ["/"]),
    ("arith", r"(?<=\s)/(?=\s)", ["*"]),
    ("arith", r"\+=", ["-="]),
    ("arith", r"-=", ["+="]),
    ("arith", r"\+\+", ["--"]),
    ("arith", r"--", ["++"]),
    ("logic", r"&&", ["||"]),
    ("logic", r"\|\|", ["&&"]),
    ("const", r"\btrue\b", ["false"]),
    ("const", r"\bfalse\b", ["true"]),
]
INT = re.compile(r"(?<![\w.])(\d+)([uUlL]*)(?![\w.])")
FLOAT = re.compile(r"(?<![\w.])(\d+\.\d*(?:[eE][-+]?\d+)?|\d*\.\d+(?:[eE][-+]?\d+)?)([fF]?)(?![\w.])")
COND = re.compile(r"\b(if|while)\s*\(")
RETURN = re.compile(r"^(\s*)return\s+(.+);\s*$")
STATEMENT = re.compile(r"^\s*[\w:.\->\[\]()*&]+[^;{}]*;\s*$")
DECLARATION = re.compile(r"^\s*(const\s+|static\s+|constexpr\s+)*[\w:<>,\s*&]+\s+[\w]+\s*(=|\{|\(|;)")
CONSTANT = re.compile(r"^-?[\d.]+[fFuUlL]*$|^(true|false|nullptr|\{\})$")


def mutants_of_line(line, masked):
    """(rule, new line) for every mutant of one source line."""
    found = []
    stripped = masked.strip()
    if not stripped or stripped.startswith("#"):
        return found

    def put(start, end, text):
        return line[:start] + text + line[end:]

    for rule, pattern, replacements in SWAPS:
        for m in re.finditer(pattern, masked):
            for r in replacements:
                found.append((rule, put(m.start(), m.end(), r)))
    floats = list(FLOAT.finditer(masked))
    for m in floats:
        value = float(m.group(1))
        if value != 0.0:
            found.append(("const", put(m.start(), m.end(), "0" + (".0" if "." in m.group(1) else "") + m.group(2))))
            found.append(("const", put(m.start(), m.end(), "(2 * " + m.group(0) + ")")))
    for m in INT.finditer(masked):
        if any(f.start() <= m.start() < f.end() for f in floats):
            continue
        value = int(m.group(1))
        if value != 0:
            found.append(("const", put(m.start(), m.end(), "0" + m.group(2))))
        found.append(("const", put(m.start(), m.end(), str(value + 1) + m.group(2))))
    for m in COND.finditer(masked):
        close = matching_paren(masked, m.end() - 1)
        if close > 0:
            inner = line[m.end():close]
            found.append(("not", line[:m.end()] + "!(" + inner + ")" + line[close:]))
    r = RETURN.match(masked)
    if r and not CONSTANT.match(r.group(2).strip()):
        found.append(("ret", r.group(1) + "return {};"))
    elif (STATEMENT.match(masked) and not r and not DECLARATION.match(masked)
          and masked.count("(") == masked.count(")")
          and not re.match(r"^\s*(case|default|break|continue|public|private|protected)\b", masked)):
        indent = line[: len(line) - len(line.lstrip())]
        found.append(("del", indent + ";"))
    return found


def all_mutants(source):
    files = []
    for area in AREAS:
        base = os.path.join(source, area)
        for name in sorted(os.listdir(base)):
            if name.endswith(".cpp"):
                files.append(os.path.join(area, name))
    result = []
    for rel in files:
        with open(os.path.join(source, rel), encoding="utf-8") as f:
            text = f.read()
        lines = text.split("\n")
        masked = mask(text).split("\n")
        for number, (line, m) in enumerate(zip(lines, masked), start=1):
            for rule, new in mutants_of_line(line, m):
                if new != line:
                    result.append({"file": rel, "line": number, "rule": rule,
                                   "before": line.strip(), "after": new.strip(), "new": new})
    return result


def sample(source, seed, count):
    everything = all_mutants(source)
    picked = random.Random(seed).sample(everything, min(count, len(everything)))
    picked.sort(key=lambda m: (m["file"], m["line"], m["after"]))
    for i, m in enumerate(picked):
        m["id"] = i
    return picked, len(everything)


def read_table(path):
    """file -> tests. A row is 'src/area/file.cpp: tst_a tst_b'; '*' globs."""
    import fnmatch
    rows = []
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.split("#", 1)[0].strip()
            if line:
                pattern, tests = line.split(":", 1)
                rows.append((pattern.strip(), tests.split()))

    def tests_for(rel):
        out = []
        for pattern, tests in rows:
            if fnmatch.fnmatch(rel, pattern):
                out += [t for t in tests if t not in out]
        return out
    return tests_for


def ctest_names(build):
    out = subprocess.run(["ctest", "--test-dir", build, "-N"], capture_output=True, text=True).stdout
    return set(re.findall(r"Test\s+#\d+: (\S+)", out))


def run_group(cmd, timeout):
    """Runs cmd in its own process group; (returncode, seconds); a hang is killed."""
    start = time.time()
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
    try:
        rc = p.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        p.wait()
        rc = "timeout"
    return rc, time.time() - start


def build(build_dir, targets):
    rc = subprocess.run(["cmake", "--build", build_dir, "-j1", "--target"] + targets,
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
    return rc == 0


def ctest(build_dir, tests, timeout):
    regex = "^(" + "|".join(re.escape(t) for t in tests) + ")$"
    return run_group(["ctest", "--test-dir", build_dir, "-j1", "--stop-on-failure", "-R", regex], timeout)


def outcomes_in(path):
    """(file, line, after) -> outcome of an earlier run's results."""
    if not path or not os.path.exists(path):
        return {}
    with open(path, encoding="utf-8") as f:
        return {(r["file"], r["line"], r["after"]): r["outcome"] for r in map(json.loads, f)}


def run(args):
    picked, possible = sample(args.source, args.seed, args.count)
    known_outcomes = outcomes_in(args.known)
    if args.killed_only:
        # A later suite against the faults the earlier one caught: does it still?
        picked = [m for m in picked
                  if known_outcomes.get((m["file"], m["line"], m["after"]), "").startswith("killed")]
    tests_for = read_table(args.table)
    known = ctest_names(args.build)
    print(f"mutants: {len(picked)} of {possible} possible (seed {args.seed})", flush=True)

    # Baseline: every covering test must pass on the unchanged code, else it
    # cannot tell anything; its time sets the hang limit.
    wanted = sorted({t for m in picked for t in tests_for(m["file"]) if t in known})
    if not build(args.build, wanted):
        sys.exit("mutants: the unchanged code does not build")
    usable, seconds = [], {}
    for t in wanted:
        rc, took = ctest(args.build, [t], 900)
        if rc == 0:
            usable.append(t)
            seconds[t] = took
        else:
            print(f"mutants: {t} fails on the unchanged code, left out", flush=True)
    print(f"mutants: tests {' '.join(usable)}", flush=True)

    done = {}
    if os.path.exists(args.results):
        with open(args.results, encoding="utf-8") as f:
            for line in f:
                r = json.loads(line)
                done[r["id"]] = r
    # A mutant that did not compile for an earlier run of the same code will
    # not compile now either: the tests play no part in that.
    uncompilable = {key for key, outcome in known_outcomes.items() if outcome == "not compiled"}
    results = open(args.results, "a", encoding="utf-8")
    original = {}
    try:
        for m in picked:
            if m["id"] in done:
                continue
            path = os.path.join(args.source, m["file"])
            if path not in original:
                with open(path, encoding="utf-8") as f:
                    original[path] = f.read()
            lines = original[path].split("\n")
            lines[m["line"] - 1] = m["new"]
            with open(path, "w", encoding="utf-8") as f:
                f.write("\n".join(lines))
            tests = [t for t in tests_for(m["file"]) if t in usable]
            if (m["file"], m["line"], m["after"]) in uncompilable:
                outcome = "not compiled"
            elif not tests:
                outcome = "uncovered"
            elif not build(args.build, tests):
                outcome = "not compiled"
            else:
                limit = 60 + 4 * sum(seconds[t] for t in tests)
                rc, _ = ctest(args.build, tests, limit)
                outcome = "survived" if rc == 0 else ("killed (hang)" if rc == "timeout" else "killed")
            with open(path, "w", encoding="utf-8") as f:
                f.write(original[path])
            r = {k: m[k] for k in ("id", "file", "line", "rule", "before", "after")}
            r["outcome"] = outcome
            results.write(json.dumps(r) + "\n")
            results.flush()
            done[m["id"]] = r
            print(f"{m['id']:4} {outcome:13} {m['file']}:{m['line']}  {m['after']}", flush=True)
    finally:
        for path, text in original.items():
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        results.close()
    summary(list(done.values()))


def summary(results):
    by_file = {}
    for r in results:
        by_file.setdefault(r["file"], []).append(r["outcome"])
    total_k = total_n = apart = 0
    print(f"{'file':45} killed/scored  not compiled")
    for f in sorted(by_file):
        outcomes = by_file[f]
        k = sum(o.startswith("killed") for o in outcomes)
        n = sum(o.startswith("killed") or o in ("survived", "uncovered") for o in outcomes)
        nc = outcomes.count("not compiled")
        total_k, total_n, apart = total_k + k, total_n + n, apart + nc
        print(f"{f:45} {k:3}/{n:<3}         {nc}")
    pct = 100.0 * total_k / total_n if total_n else 0.0
    print(f"{'overall':45} {total_k:3}/{total_n:<3} ({pct:.1f}%) {apart}")


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("command", choices=["list", "run", "summary"])
    p.add_argument("--source", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    p.add_argument("--build")
    p.add_argument("--seed", type=int, default=20)
    p.add_argument("--count", type=int, default=160)
    p.add_argument("--table", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "mutants-tests.txt"))
    p.add_argument("--results", default="mutants.jsonl")
    p.add_argument("--known", help="results of an earlier run of the same code")
    p.add_argument("--killed-only", action="store_true", help="run only the mutants --known records as killed")
    args = p.parse_args()
    if args.command == "list":
        picked, possible = sample(args.source, args.seed, args.count)
        for m in picked:
            print(f"{m['id']:4} {m['rule']:5} {m['file']}:{m['line']}  {m['before']}  ->  {m['after']}")
        print(f"{len(picked)} of {possible} possible mutants (seed {args.seed})")
    elif args.command == "summary":
        with open(args.results, encoding="utf-8") as f:
            summary([json.loads(line) for line in f])
    else:
        run(args)


if __name__ == "__main__":
    main()
