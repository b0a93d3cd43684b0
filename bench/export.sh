#!/usr/bin/env bash
# Whole-clip export with a 33-point LUT against ffmpeg's own transcode with its lut3d filter, on
# the same generated 1920×1080 25 fps clips with sound, with the same x264 settings on both sides
# (libx264, preset medium, crf 23, yuv420p, audio copied).
#
#   bench/export.sh                          # 1 s, 4 s and 10 s clips, median of 3 runs each
#   LENGTHS="1 4 10 60" RUNS=1 bench/export.sh
#
# For each length: the wall time of each side (median), their ratio (ours / ffmpeg), the same for
# the processor time of each side with all its programs (steadier on a shared machine) and the
# peak resident memory of our process (it stays the same for every length: frames are reused,
# never kept). Then the cost per frame, (time of the longest clip − time of the second longest) ÷
# (the frames between them), of each side and its ratio: the fixed costs of starting, probing and
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

# Runs the command; prints "<wall seconds> <processor seconds of the command and every program it
# waited for> <peak resident KiB of the command's own process>". The processor time hardly moves
# when other work shares the machine; the wall time does.
measure() {
    local timer peak=0 hwm child
    /usr/bin/time -f '%e %U %S' -o "$work/time" "$@" >/dev/null 2>&1 &
    timer=$!
    while kill -0 "$timer" 2>/dev/null; do
        child=$(pgrep -P "$timer" | head -1 || true)
        hwm=$([ -n "$child" ] && awk '/^VmHWM:/{print $2}' "/proc/$child/status" 2>/dev/null || true)
        [ -n "$hwm" ] && [ "$hwm" -gt "$peak" ] && peak=$hwm
        sleep 0.05
    done
    wait "$timer"
    awk -v p="$peak" '{printf "%.3f %.3f %d\n", $1, $2 + $3, p}' "$work/time"
}

median() { sort -g | awk '{v[NR]=$1} END{print v[int((NR+1)/2)]}'; }

declare -A ours theirs oursCpu theirsCpu frames rss
for length in "${lengths[@]}"; do
    clip="$work/clip$length.mp4"
    ffmpeg -nostdin -v error -f lavfi -i "testsrc2=s=1920x1080:r=25:d=$length" -f lavfi -i "sine=d=$length" \
        -c:v libx264 -preset ultrafast -crf 18 -c:a aac -shortest "$clip"
    ourTimes=() theirTimes=() ourCpu=() theirCpu=() peak=0
    for ((run = 0; run < runs; ++run)); do
        read -r seconds cpu kib < <(measure "$cli" grade "$clip" "$work/ours.mp4" --lut "$work/look.cube" --quality normal)
        ourTimes+=("$seconds") ourCpu+=("$cpu")
        [ "$kib" -gt "$peak" ] && peak=$kib
        read -r seconds cpu kib < <(measure ffmpeg -nostdin -y -i "$clip" \
            -vf "lut3d=file=$work/look.cube:interp=trilinear" -c:v libx264 -crf 23 -pix_fmt yuv420p -c:a copy \
            "$work/theirs.mp4")
        theirTimes+=("$seconds") theirCpu+=("$cpu")
    done
    ours[$length]=$(printf '%s\n' "${ourTimes[@]}" | median)
    theirs[$length]=$(printf '%s\n' "${theirTimes[@]}" | median)
    oursCpu[$length]=$(printf '%s\n' "${ourCpu[@]}" | median)
    theirsCpu[$length]=$(printf '%s\n' "${theirCpu[@]}" | median)
    frames[$length]=$(ffprobe -v error -select_streams v:0 -show_entries stream=nb_frames -of csv=p=0 "$work/ours.mp4")
    rss[$length]=$peak
done

printf 'clips of 1920x1080 at 25 fps with audio, 33-point LUT, x264 medium crf 23, median of %d run(s)\n' "$runs"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.3f", a / b}'; }
printf '%7s %6s %10s %10s %6s %11s %11s %6s %9s\n' length frames "ours (s)" "ffmpeg (s)" ratio "ours (cpu)" \
    "ffmpeg (cpu)" ratio "peak RSS"
for length in "${lengths[@]}"; do
    printf '%6ss %6s %10.2f %10.2f %6s %11.2f %11.2f %6s %5d MiB\n' "$length" "${frames[$length]}" \
        "${ours[$length]}" "${theirs[$length]}" "$(ratio "${ours[$length]}" "${theirs[$length]}")" \
        "${oursCpu[$length]}" "${theirsCpu[$length]}" "$(ratio "${oursCpu[$length]}" "${theirsCpu[$length]}")" \
        $((rss[$length] / 1024))
done
if [ "${#lengths[@]}" -ge 2 ]; then
    long=${lengths[-1]} short=${lengths[-2]}
    perFrame() { # kind ours-short ours-long theirs-short theirs-long
        awk -v k="$1" -v o1="$2" -v o2="$3" -v t1="$4" -v t2="$5" -v f1="${frames[$short]}" -v f2="${frames[$long]}" \
            -v s="$short" -v l="$long" 'BEGIN{ o = (o2 - o1) / (f2 - f1) * 1000; t = (t2 - t1) / (f2 - f1) * 1000
            printf "per frame, %s (%ss - %ss clip): ours %.1f ms, ffmpeg %.1f ms, ratio %.3f\n", k, l, s, o, t, o / t }'
    }
    perFrame wall "${ours[$short]}" "${ours[$long]}" "${theirs[$short]}" "${theirs[$long]}"
    perFrame cpu "${oursCpu[$short]}" "${oursCpu[$long]}" "${theirsCpu[$short]}" "${theirsCpu[$long]}"
fi
