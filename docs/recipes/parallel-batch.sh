#!/usr/bin/env bash
# Fans a batch of files out over several machines with GNU parallel and merges the
# workers' --json results into one report that accounts for every listed file.
#
#   parallel-batch.sh LOGINS OUTPUT_FOLDER REPORT FILE_LIST [veltrane-convert options...]
#
# LOGINS is a GNU parallel --sshloginfile: one ssh login per line ("user@node1"),
# ":" for this machine. FILE_LIST names one source per line; every machine must see the
# sources and OUTPUT_FOLDER at the same paths (shared storage). Relative names are made
# absolute here first, since an ssh login starts in the home folder. Each job runs one
# veltrane-convert on a share of VELTRANE_FILES_PER_JOB files (default 8); a job that
# dies (login down, worker killed) is retried on another login.
#
# Environment: VELTRANE_CONVERT (program path on the workers, default veltrane-convert),
# VELTRANE_FILES_PER_JOB, PARALLEL_SSH (the ssh command). Exit status: the report's:
# 0 every file converted or skipped, 1 some failed or missing, 128+N interrupted.
set -euo pipefail
if [ $# -lt 4 ]; then
  sed -n '2,17p' "$0" >&2
  exit 2
fi
logins=$(realpath -e "$1") out=$(realpath -e "$2") report=$(realpath -m "$3") list=$4
shift 4
here=$(cd "$(dirname "$0")" && pwd)
merge=$here/../../scripts/veltrane-merge-reports.py
convert=${VELTRANE_CONVERT:-veltrane-convert}
per_job=${VELTRANE_FILES_PER_JOB:-8}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The coordinator's own list of what must come back, every name absolute.
while IFS= read -r name || [ -n "$name" ]; do
  [ -n "$name" ] || continue
  case $name in /*) ;; *) name=$PWD/$name ;; esac
  printf '%s\n' "$name"
done < "$list" > "$work/expected"

# One word for the remote shell: single quotes, each ' written as '\''.
quote() { printf "'%s'" "${1//\'/\'\\\'\'}"; }
command="$(quote "$convert") --json"
for option in "$@"; do command+=" $(quote "$option")"; done
# Exit 1 only says some files failed; the events name them, so the job went fine.
# Anything else (login down, worker killed, interrupted) fails the job: retried elsewhere.
command+=" -o $(quote "$out") {} ; s=\$?; [ \$s -eq 1 ] && s=0; exit \$s"
tries=$(grep -c . "$logins" || true)
# parallel runs each job (here and on the logins) through $SHELL; cron, CI and
# systemd units may start without one, and the jobs then vanish without a word.
export SHELL=${SHELL:-/bin/sh}
[ "$tries" -lt 2 ] && tries=2

# parallel quotes each {} name; --group keeps each job's lines together; --jobs 1 runs
# one converter per machine at a time. (-q is not used: combined with --filter-hosts,
# parallel 20221122 dies with its own host check error.)
parallel --will-cite --sshloginfile "$logins" --jobs 1 --group -N "$per_job" \
  --retries "$tries" "$command" :::: "$work/expected" > "$work/events" || true

status=0
python3 "$merge" --expected "$work/expected" "$work/events" > "$report" || status=$?
[ $status -eq 2 ] && exit 2
exit "$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["exit"])' "$report")"
