#!/usr/bin/env bash
# Fans a batch of files out over several machines with GNU parallel and merges the
# workers' --json results into one report.
#
#   parallel-batch.sh LOGINS OUTPUT_FOLDER REPORT FILE_LIST [veltrane-convert options...]
#
# LOGINS is a GNU parallel --sshloginfile: one ssh login per line ("user@node1"),
# ":" for this machine. FILE_LIST names one source per line; every machine must see the
# sources and OUTPUT_FOLDER at the same paths (shared storage). Each job runs one
# veltrane-convert on a share of VELTRANE_FILES_PER_JOB files (default 8), which then
# converts them with all of that machine's cores.
#
# Environment: VELTRANE_CONVERT (program path on the workers, default veltrane-convert),
# VELTRANE_FILES_PER_JOB. Exit status: that of the merged report (0, 1 or 130).
set -euo pipefail
if [ $# -lt 4 ]; then
  sed -n '2,16p' "$0" >&2
  exit 2
fi
logins=$1 out=$2 report=$3 list=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
merge=$here/../../scripts/veltrane-merge-reports.py
convert=${VELTRANE_CONVERT:-veltrane-convert}
per_job=${VELTRANE_FILES_PER_JOB:-8}
expected=$(grep -c . "$list" || true)

events=$(mktemp)
trap 'rm -f "$events"' EXIT
# -q quotes every word for the remote shell (names with blanks survive); --group keeps
# each job's lines together; --jobs 1 runs one converter per machine at a time.
parallel --will-cite -q --sshloginfile "$logins" --jobs 1 --group -N "$per_job" \
  "$convert" --json "$@" -o "$out" {} :::: "$list" > "$events" || true

python3 "$merge" --expect "$expected" "$events" > "$report"
exit "$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["exit"])' "$report")"
