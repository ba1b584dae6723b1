#!/usr/bin/env bash
# Converts a batch as a Slurm job array and merges the array tasks' --json results.
#
#   slurm-batch.sh FILE_LIST OUTPUT_FOLDER REPORT SHARES [veltrane-convert options...]
#
# FILE_LIST names one source per line; the nodes must see it, the sources and
# OUTPUT_FOLDER at the same paths. SHARES array tasks each convert every SHARES-th file.
# Extra sbatch options go in SBATCH_EXTRA (e.g. "--cpus-per-task=8 --partition=media").
# Waits for the array to end, then writes REPORT, which names every listed file as
# converted, skipped, failed or missing; exits with the report's exit status.
#
# Environment: VELTRANE_CONVERT (program path on the nodes, default veltrane-convert).
set -euo pipefail
if [ $# -lt 4 ]; then
  sed -n '2,13p' "$0" >&2
  exit 2
fi
list=$1 out=$(realpath -e "$2") report=$(realpath -m "$3") shares=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
events=$(mktemp -d "$out/.events.XXXXXX")
trap 'rm -rf "$events"' EXIT
# The full list of what must come back, every name absolute, where the nodes see it.
while IFS= read -r name || [ -n "$name" ]; do
  [ -n "$name" ] || continue
  case $name in /*) ;; *) name=$PWD/$name ;; esac
  printf '%s\n' "$name"
done < "$list" > "$events/expected"

export VELTRANE_LIST=$events/expected VELTRANE_OUT=$out VELTRANE_EVENTS=$events
export VELTRANE_CONVERT=${VELTRANE_CONVERT:-veltrane-convert}
# shellcheck disable=SC2086
sbatch --wait --array=0-$((shares - 1)) --output="$events/slurm-%a.log" ${SBATCH_EXTRA:-} \
  "$here/slurm-share.sbatch" "$@" || true

# Tasks that never started leave no events file: their sources come out as missing.
shopt -s nullglob
status=0
python3 "$here/../../scripts/veltrane-merge-reports.py" --expected "$events/expected" \
  /dev/null "$events"/events-*.jsonl > "$report" || status=$?
[ $status -eq 2 ] && exit 2
exit "$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["exit"])' "$report")"
