#!/usr/bin/env python3
"""Runs qmllint over the game's documents and fails on any warning except
unqualified access to the context properties that start-up provides
(GameEngine, GameSettings, TiltSource, Replays): QML cannot declare those, so the
linter cannot know them, and disabling the whole unqualified-access check
would hide real mistakes."""
import json
import subprocess
import sys

ALLOWED = {"GameEngine", "GameSettings", "TiltSource", "Replays"}


def main(qmllint, documents):
    run = subprocess.run([qmllint, "--json", "-", *documents], capture_output=True, text=True)
    report = json.loads(run.stdout)
    problems = 0
    for entry in report["files"]:
        with open(entry["filename"], encoding="utf-8") as source:
            text = source.read()
        for warning in entry.get("warnings", []):
            if warning["type"] not in ("warning", "critical"):
                continue
            if warning["message"] == "Unqualified access":
                start = warning["charOffset"]
                if text[start:start + warning["length"]] in ALLOWED:
                    continue
            problems += 1
            print(f'{entry["filename"]}:{warning.get("line")}:{warning.get("column")}: {warning["message"]}')
    if problems:
        print(f"qmllint: {problems} warning(s)")
        return 1
    print(f"qmllint: {len(report['files'])} documents, no warnings beyond the context properties")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
