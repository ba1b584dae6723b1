#!/usr/bin/env bash
# Tries the Slurm job-array recipe on a real single-node Slurm on this machine:
# installs Debian's slurm-wlm and munge if missing, starts munged, slurmctld and slurmd
# directly (no systemd) with a throw-away configuration, converts a small batch with
# docs/recipes/slurm-batch.sh, checks the merged report and shuts everything down.
# Needs root (or sudo). Usage: scripts/try-slurm.sh [path/to/veltrane-convert]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
convert=$(realpath "${1:-build-tests/bin/veltrane-convert}")
[ -x "$convert" ] || { echo "try-slurm: build veltrane-convert first ($convert)" >&2; exit 2; }
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"

missing=()
for p in slurm-wlm munge; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work=$(mktemp -d /tmp/try-slurm.XXXXXX)
chmod 755 "$work"
conf=$work/slurm.conf
node=$(hostname -s)
started_munge=""
cleanup() {
  set +e
  SLURM_CONF=$conf scontrol shutdown >/dev/null 2>&1
  for pid in "$work"/slurmctld.pid "$work"/slurmd.pid; do
    [ -f "$pid" ] && $SUDO kill "$(cat "$pid")" 2>/dev/null
  done
  sleep 1
  [ -n "$started_munge" ] && $SUDO kill $started_munge 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# munge: a key (the package makes one; make it if absent) and the daemon.
if ! pgrep -x munged >/dev/null; then
  [ -f /etc/munge/munge.key ] || $SUDO runuser -u munge -- /usr/sbin/mungekey --create
  $SUDO mkdir -p /run/munge && $SUDO chown munge:munge /run/munge
  $SUDO runuser -u munge -- /usr/sbin/munged
  for _ in 1 2 3 4 5; do
    started_munge=$(pgrep -x munged || true)
    [ -n "$started_munge" ] && break
    sleep 1
  done
fi

mkdir -p "$work/state" "$work/spool" "$work/batch" "$work/out"
cat > "$conf" <<CONF
ClusterName=try
SlurmctldHost=$node(127.0.0.1)
SlurmUser=root
AuthType=auth/munge
StateSaveLocation=$work/state
SlurmdSpoolDir=$work/spool
SlurmctldPidFile=$work/slurmctld.pid
SlurmdPidFile=$work/slurmd.pid
SlurmctldLogFile=$work/slurmctld.log
SlurmdLogFile=$work/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
MpiDefault=none
ReturnToService=2
SchedulerType=sched/backfill
NodeName=$node NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=try Nodes=$node Default=YES MaxTime=INFINITE State=UP
CONF
export SLURM_CONF=$conf
$SUDO slurmctld -f "$conf"
$SUDO slurmd -f "$conf"
for _ in $(seq 1 60); do
  sinfo -h -o %T 2>/dev/null | grep -qE '^(idle|mixed)' && break
  sleep 1
done
sinfo -h -o '%P %D %T' | sed 's/^/try-slurm: node: /'

# A small mixed batch.
for i in 1 2 3 4; do
  ffmpeg -y -loglevel error -f lavfi -i "sine=frequency=$((300 + i * 100)):duration=1" "$work/batch/tone $i.wav"
done
for i in 1 2; do
  ffmpeg -y -loglevel error -f lavfi -i testsrc=size=160x120:rate=25:duration=1 \
    -f lavfi -i sine=duration=1 -shortest -c:v mpeg4 -c:a aac "$work/batch/clip$i.mp4"
done
ls "$work"/batch/* > "$work/list.txt"

status=0
VELTRANE_CONVERT=$convert SBATCH_EXTRA="--cpus-per-task=1" \
  docs/recipes/slurm-batch.sh "$work/list.txt" "$work/out" "$work/report.json" 3 --format mp3 || status=$?

check=0
python3 - "$work/report.json" <<'PY' || check=$?
import json, sys
report = json.load(open(sys.argv[1]))
t = report["totals"]
print(f"try-slurm: {report['runs']} array tasks, {t['files']} files: {t['converted']} converted, "
      f"{t['failed']} failed, {t['skipped']} skipped, {t['stopped']} stopped; exit {report['exit']}")
ok = report["runs"] == 3 and t["files"] == 6 and t["converted"] == 6 and report["exit"] == 0
sys.exit(0 if ok else 1)
PY
ls "$work/out" | sed 's/^/try-slurm: output: /'
[ $status -eq 0 ] && [ $check -eq 0 ] && echo "try-slurm: OK" && exit 0
echo "try-slurm: FAILED (recipe exit $status)" >&2
tail -5 "$work"/slurmctld.log "$work"/slurmd.log >&2 || true
exit 1
