#!/usr/bin/env bash
# Converts a batch as a Slurm job array and merges the array tasks' --json results.
#
#   slurm-batch.sh FILE_LIST OUTPUT_FOLDER REPORT SHARES [veltrane-convert options...]
#
# FILE_LIST names one source per line; the nodes must see it, the sources and
# OUTPUT_FOLDER at the same paths. SHARES array tasks each convert every SHARES-th file.
# Extra sbatch options go in SBATCH_EXTRA (e.g. "--cpus-per-task=8 --partition=media").
# Waits for the array to end, then writes REPORT; exits with the report's exit status.
#
# Environment: VELTRANE_CONVERT (program path on the nodes, default veltrane-convert).
set -euo pipefail
if [ $# -lt 4 ]; then
  sed -n '2,12p' "$0" >&2
  exit 2
fi
list=$(realpath "$1") out=$(realpath "$2") report=$3 shares=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
expected=$(grep -c . "$list" || true)
events=$(mktemp -d "$out/.events.XXXXXX")
trap 'rm -rf "$events"' EXIT

export VELTRANE_LIST=$list VELTRANE_OUT=$out VELTRANE_EVENTS=$events
export VELTRANE_CONVERT=${VELTRANE_CONVERT:-veltrane-convert}
# shellcheck disable=SC2086
sbatch --wait --array=0-$((shares - 1)) --output="$events/slurm-%a.log" ${SBATCH_EXTRA:-} \
  "$here/slurm-share.sbatch" "$@" || true

python3 "$here/../../scripts/veltrane-merge-reports.py" --expect "$expected" \
  "$events"/events-*.jsonl > "$report"
exit "$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["exit"])' "$report")"
