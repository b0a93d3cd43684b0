#!/usr/bin/env bash
# Peak memory of the cube reader on one endless line: 256 MiB of NUL bytes without a line end (a
# sparse file, no disk) read by `vantrope-cli lut bake`, against the same command on a 33-point
# identity cube. The reader streams with a capped line, so the difference should stay well under
# 16 MiB (robustness row A7).
#
#   bench/cube-endless-line.sh            # SIZE_MIB=256
set -euo pipefail
cli=${CLI:-build/bin/vantrope-cli}
size=${SIZE_MIB:-256}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" lut identity --size 33 --out "$work/identity.cube" >/dev/null
truncate -s "${size}M" "$work/endless.cube"

# Peak resident size (VmHWM, KiB) of one run, sampled until the process ends.
peak() {
    "$cli" lut bake --in "$1" --out "$work/out.cube" >/dev/null 2>&1 &
    local pid=$! hwm=0 value
    while kill -0 "$pid" 2>/dev/null; do
        value=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
        [ -n "$value" ] && hwm=$value
        sleep 0.01
    done
    wait "$pid" || true
    echo "$hwm"
}

base=$(peak "$work/identity.cube")
endless=$(peak "$work/endless.cube")
echo "cube-endless-line: identity ${base} KiB, ${size} MiB endless line ${endless} KiB, difference $((endless - base)) KiB"
