#!/usr/bin/env python3
"""Merges the --json event lines of several veltrane-convert runs into one report.

Usage: veltrane-merge-reports.py [--expect N] EVENTS... > report.json

Each EVENTS file (or "-" for standard input) holds the lines one or more runs printed
with --json, in any order between runs. The report lists every file once, with its
outcome, and totals over all runs. Exit status: 0 when the report was written and, with
--expect, holds exactly N files; 1 when the count differs; 2 when an input is unreadable.
"""
import json
import sys

EXIT_ORDER = [0, 1, 130]  # a later entry outranks an earlier one


def read_lines(name):
    if name == "-":
        return sys.stdin.read().splitlines()
    with open(name, encoding="utf-8", errors="replace") as handle:
        return handle.read().splitlines()


def worst_exit(a, b):
    rank = lambda code: EXIT_ORDER.index(code) if code in EXIT_ORDER else len(EXIT_ORDER)
    return a if rank(a) >= rank(b) else b


def main(argv):
    expect = None
    names = []
    args = iter(argv)
    for arg in args:
        if arg == "--expect":
            expect = int(next(args))
        else:
            names.append(arg)
    if not names:
        print(__doc__.strip(), file=sys.stderr)
        return 2

    files, runs, skipped_lines = [], [], 0
    for name in names:
        try:
            lines = read_lines(name)
        except OSError as error:
            print(f"veltrane-merge-reports: {name}: {error.strerror}", file=sys.stderr)
            return 2
        for line in lines:
            line = line.strip()
            if not line:
                continue
            try:
                event = json.loads(line)
            except ValueError:
                skipped_lines += 1  # not ours: a tool's notice between the runs' lines
                continue
            kind = event.get("event") if isinstance(event, dict) else None
            if kind == "finished":
                files.append({key: event.get(key, "") for key in
                              ("source", "output", "outcome", "message")})
            elif kind == "summary":
                runs.append(event)

    files.sort(key=lambda f: (f["source"], f["output"]))
    totals = {"files": len(files)}
    for outcome in ("converted", "failed", "skipped", "stopped"):
        totals[outcome] = sum(1 for f in files if f["outcome"] == outcome)
    exit_code = 1 if totals["failed"] else 0
    for run in runs:
        exit_code = worst_exit(exit_code, int(run.get("exit", 0)))
    report = {
        "runs": len(runs),
        "totals": totals,
        "exit": exit_code,
        "longest_run_seconds": max((float(r.get("seconds", 0)) for r in runs), default=0),
        "files": files,
    }
    if skipped_lines:
        report["ignored_lines"] = skipped_lines
    json.dump(report, sys.stdout, indent=2, ensure_ascii=False)
    sys.stdout.write("\n")
    if expect is not None and expect != len(files):
        print(f"veltrane-merge-reports: expected {expect} files, found {len(files)}",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
