#!/usr/bin/env bash
# Whole-clip export with a 33-point LUT against ffmpeg's own transcode with its lut3d filter, on
# the same generated 1920×1080 25 fps clips with sound, with the same x264 settings on both sides
# (libx264, preset medium, crf 23, yuv420p, audio copied).
#
#   bench/export.sh                          # 1 s, 4 s and 10 s clips, median of 3 runs each
#   LENGTHS="1 4 10 60" RUNS=1 bench/export.sh
#
# For each length: the wall time of each side (median), their ratio (ours / ffmpeg) and the peak
# resident memory of our process (it stays the same for every length: frames are reused, never
# kept). Then the cost per frame, (time of the longest clip − time of the second longest) ÷ (the
# frames between them), of each side and its ratio: the fixed costs of starting, probing and
# finishing cancel out of it.
set -euo pipefail
cli=$(realpath "${CLI:-build/bin/vantrope-cli}")
lengths=(${LENGTHS:-1 4 10})
runs=${RUNS:-3}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" lut identity --size 33 --out "$work/identity.cube" >/dev/null
"$cli" lut bake --in "$work/identity.cube" --out "$work/look.cube" --param saturation=0.65 --param balance-red=0.56 \
    --param contrast=0.6 >/dev/null

# Runs the command, prints "<seconds> <peak resident KiB of the process itself>".
measure() {
    local start end pid peak=0 hwm
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    while kill -0 "$pid" 2>/dev/null; do
        hwm=$(awk '/^VmHWM:/{print $2}' "/proc/$pid/status" 2>/dev/null || true)
        [ -n "$hwm" ] && [ "$hwm" -gt "$peak" ] && peak=$hwm
        sleep 0.05
    done
    wait "$pid"
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" -v p="$peak" 'BEGIN{printf "%.3f %d\n", b - a, p}'
}

median() { sort -g | awk '{v[NR]=$1} END{print v[int((NR+1)/2)]}'; }

declare -A ours theirs frames rss
for length in "${lengths[@]}"; do
    clip="$work/clip$length.mp4"
    ffmpeg -nostdin -v error -f lavfi -i "testsrc2=s=1920x1080:r=25:d=$length" -f lavfi -i "sine=d=$length" \
        -c:v libx264 -preset ultrafast -crf 18 -c:a aac -shortest "$clip"
    ourTimes=() theirTimes=() peak=0
    for ((run = 0; run < runs; ++run)); do
        read -r seconds kib < <(measure "$cli" grade "$clip" "$work/ours.mp4" --lut "$work/look.cube" --quality normal)
        ourTimes+=("$seconds")
        [ "$kib" -gt "$peak" ] && peak=$kib
        read -r seconds kib < <(measure ffmpeg -nostdin -y -i "$clip" -vf "lut3d=file=$work/look.cube:interp=trilinear" \
            -c:v libx264 -crf 23 -pix_fmt yuv420p -c:a copy "$work/theirs.mp4")
        theirTimes+=("$seconds")
    done
    ours[$length]=$(printf '%s\n' "${ourTimes[@]}" | median)
    theirs[$length]=$(printf '%s\n' "${theirTimes[@]}" | median)
    frames[$length]=$(ffprobe -v error -select_streams v:0 -show_entries stream=nb_frames -of csv=p=0 "$work/ours.mp4")
    rss[$length]=$peak
done

printf 'clips of 1920x1080 at 25 fps with audio, 33-point LUT, x264 medium crf 23, median of %d run(s)\n' "$runs"
printf '%8s %7s %12s %12s %8s %10s\n' length frames "ours (s)" "ffmpeg (s)" ratio "peak RSS"
for length in "${lengths[@]}"; do
    printf '%7ss %7s %12.2f %12.2f %8.3f %6d MiB\n' "$length" "${frames[$length]}" "${ours[$length]}" \
        "${theirs[$length]}" "$(awk -v a="${ours[$length]}" -v b="${theirs[$length]}" 'BEGIN{print a/b}')" \
        $((rss[$length] / 1024))
done
if [ "${#lengths[@]}" -ge 2 ]; then
    long=${lengths[-1]} short=${lengths[-2]}
    awk -v o1="${ours[$short]}" -v o2="${ours[$long]}" -v t1="${theirs[$short]}" -v t2="${theirs[$long]}" \
        -v f1="${frames[$short]}" -v f2="${frames[$long]}" -v s="$short" -v l="$long" 'BEGIN{
        o = (o2 - o1) / (f2 - f1) * 1000; t = (t2 - t1) / (f2 - f1) * 1000
        printf "per frame (%ss - %ss clip): ours %.1f ms, ffmpeg %.1f ms, ratio %.3f\n", l, s, o, t, o / t }'
fi
