#!/usr/bin/env bash
# LUT application against ffmpeg's lut3d filter (interp=trilinear) on the same 1920×1080 rgb48le
# frame and the same N-point cube file, both at THREADS threads.
#
#   bench/lut-apply.sh                 # N=33, noise frame, 2 threads
#   LUT_SIZE=64 FRAME=testsrc2 THREADS=1 bench/lut-apply.sh
#
# Ours: `vantrope-cli bench lut-apply` (median of ITERATIONS in-process runs, in place).
# ffmpeg: FRAMES copies of the frame through `-vf lut3d` into the null muxer, timed by ffmpeg's own
# `-benchmark` (real time of the whole run), minus the same run with `-vf null` (reading the raw
# frames and handing them on), divided by FRAMES. rgb48le is one of lut3d's native formats, so no
# conversion is added on either side; slice threads are set with -filter_threads.
set -euo pipefail
cli=${CLI:-build/bin/vantrope-cli}
threads=${THREADS:-2}
size=${LUT_SIZE:-33}
frames=${FRAMES:-200}
iterations=${ITERATIONS:-50}
kind=${FRAME:-noise} # noise (worst case for the cache) or testsrc2 (a test pattern)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" lut identity --size "$size" --out "$work/lut.cube" >/dev/null
if [ "$kind" = noise ]; then
    head -c $((1920 * 1080 * 6)) /dev/urandom >"$work/frame.rgb48"
else
    ffmpeg -nostdin -v error -f lavfi -i "$kind=s=1920x1080:d=1" -frames:v 1 -pix_fmt rgb48le -f rawvideo \
        "$work/frame.rgb48"
fi

ours=$("$cli" bench lut-apply --threads "$threads" --iterations "$iterations" --lut "$work/lut.cube" \
    --frame "$work/frame.rgb48" | tail -1 | sed -E 's/.*median ([0-9.]+) ms.*/\1/')

ffmpeg_seconds() {
    ffmpeg -nostdin -hide_banner -benchmark -f rawvideo -pix_fmt rgb48le -s 1920x1080 \
        -stream_loop $((frames - 1)) -i "$work/frame.rgb48" -filter_threads "$threads" -threads "$threads" \
        -vf "$1" -f null - 2>&1 | sed -nE 's/.*bench: utime=.* rtime=([0-9.]+)s.*/\1/p'
}
with_lut=$(ffmpeg_seconds "lut3d=file=$work/lut.cube:interp=trilinear")
baseline=$(ffmpeg_seconds null)
theirs=$(awk -v a="$with_lut" -v b="$baseline" -v n="$frames" 'BEGIN{printf "%.3f", (a - b) * 1000 / n}')

printf 'frame %s, N=%s, %s threads\n' "$kind" "$size" "$threads"
printf 'vantrope lut-apply      %8.3f ms/frame\n' "$ours"
printf 'ffmpeg lut3d trilinear  %8.3f ms/frame  (%.3f s with lut3d - %.3f s without, / %d frames)\n' \
    "$theirs" "$with_lut" "$baseline" "$frames"
printf 'ratio ours / ffmpeg     %8.3f\n' "$(awk -v a="$ours" -v b="$theirs" 'BEGIN{print a/b}')"
