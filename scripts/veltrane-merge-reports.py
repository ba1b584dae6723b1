#!/usr/bin/env python3
"""Merges the --json event lines of several veltrane-convert runs into one report.

Usage: veltrane-merge-reports.py [--expected LIST] [--expect N] EVENTS... > report.json

Each EVENTS file (or "-" for standard input) holds the lines one or more runs printed
with --json, in any order between runs. The report lists every file once, with its
outcome, and totals over all runs. A file reported more than once (a retried job) keeps
its best outcome. With --expected, LIST names every source of the batch, one per line:
a listed source that no run reported is "missing", and sources appear in LIST's order.

The report's "exit": 0 every file converted (possibly with warnings) or skipped; 1 some
file failed or is missing; 128+N a worker was stopped by signal N before a file ended.
Exit status of this script: that same 0 or 1 (interruptions give 1 too), or 1 when
--expect N does not match the number of files; 2 when an input is unreadable.
"""
import base64
import json
import sys

# A better outcome replaces a worse one for the same source.
RANK = {"converted": 4, "warning": 4, "skipped": 3, "failed": 2, "stopped": 1}


def read_bytes(name):
    if name == "-":
        return sys.stdin.buffer.read()
    with open(name, "rb") as handle:
        return handle.read()


def display(raw):
    return raw.decode("utf-8", errors="replace")


def source_key(event):
    """The source's exact bytes: from source_bytes when the name is not UTF-8."""
    if event.get("source_bytes"):
        try:
            return base64.b64decode(event["source_bytes"])
        except ValueError:
            pass
    return str(event.get("source", "")).encode("utf-8")


def main(argv):
    expect, expected_list, names = None, None, []
    args = iter(argv)
    for arg in args:
        if arg == "--expect":
            expect = int(next(args))
        elif arg == "--expected":
            expected_list = next(args)
        else:
            names.append(arg)
    if not names:
        print(__doc__.strip(), file=sys.stderr)
        return 2

    best, order, runs, ignored = {}, [], [], 0
    try:
        if expected_list is not None:
            for raw in read_bytes(expected_list).split(b"\n"):
                if raw and raw not in order:
                    order.append(raw)
        expected = set(order)
        for name in names:
            for line in read_bytes(name).splitlines():
                line = line.strip()
                if not line:
                    continue
                try:
                    event = json.loads(line.decode("utf-8", errors="replace"))
                except ValueError:
                    ignored += 1  # not ours: a tool's notice between the runs' lines
                    continue
                kind = event.get("event") if isinstance(event, dict) else None
                if kind == "summary":
                    runs.append(event)
                if kind != "finished":
                    continue
                key = source_key(event)
                record = {k: event.get(k, "") for k in ("source", "output", "outcome", "message")}
                for extra in ("notes", "source_bytes", "output_bytes"):
                    if extra in event:
                        record[extra] = event[extra]
                old = best.get(key)
                if old is None or RANK.get(record["outcome"], 0) >= RANK.get(old["outcome"], 0):
                    best[key] = record
                if key not in expected:
                    order.append(key)
                    expected.add(key)
    except OSError as error:
        print(f"veltrane-merge-reports: {error.filename}: {error.strerror}", file=sys.stderr)
        return 2

    files, missing = [], []
    for key in order:
        record = best.get(key)
        if record is None:
            record = {"source": display(key), "output": "", "outcome": "missing",
                      "message": "no worker reported this file"}
            if display(key).encode("utf-8") != key:
                record["source_bytes"] = base64.b64encode(key).decode("ascii")
            missing.append(record["source"])
        files.append(record)

    totals = {"files": len(files)}
    for outcome in ("converted", "warning", "failed", "skipped", "stopped", "missing"):
        totals[outcome] = sum(1 for f in files if f["outcome"] == outcome)
    exit_code = 1 if totals["failed"] or totals["missing"] else 0
    if totals["stopped"]:
        signals = [int(r.get("exit", 0)) for r in runs if int(r.get("exit", 0)) > 128]
        exit_code = max(signals, default=130)
    report = {
        "runs": len(runs),
        "totals": totals,
        "exit": exit_code,
        "longest_run_seconds": max((float(r.get("seconds", 0)) for r in runs), default=0),
        "missing": missing,
        "files": files,
    }
    if ignored:
        report["ignored_lines"] = ignored
    json.dump(report, sys.stdout, indent=2, ensure_ascii=False)
    sys.stdout.write("\n")
    for record in files:
        if record["outcome"] in ("failed", "missing"):
            print(f"veltrane-merge-reports: {record['outcome']}: {record['source']}: "
                  f"{record['message']}", file=sys.stderr)
    if expect is not None and expect != len(files):
        print(f"veltrane-merge-reports: expected {expect} files, found {len(files)}",
              file=sys.stderr)
        return 1
    return 0 if exit_code == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
