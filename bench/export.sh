#!/usr/bin/env bash
# Whole-clip export with a 33-point LUT against ffmpeg's own transcode with its lut3d filter, on
# the same generated 1920×1080 25 fps clip with sound, with the same x264 settings on both sides
# (libx264, preset medium, crf 23, yuv420p, audio copied).
#
#   bench/export.sh                    # 10 s clip
#   SECONDS_OF_CLIP=60 bench/export.sh # and the peak resident memory of our export
#
# Prints the wall time of each side, their ratio (ours / ffmpeg), the floor (a plain decode |
# encode pipe without any grading) and the peak resident memory of our process.
set -euo pipefail
cli=$(realpath "${CLI:-build/bin/vantrope-cli}")
length=${SECONDS_OF_CLIP:-10}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -nostdin -v error -f lavfi -i "testsrc2=s=1920x1080:r=25:d=$length" -f lavfi -i "sine=d=$length" \
    -c:v libx264 -preset ultrafast -crf 18 -c:a aac -shortest "$work/clip.mp4"
"$cli" lut identity --size 33 --out "$work/identity.cube" >/dev/null
"$cli" lut bake --in "$work/identity.cube" --out "$work/look.cube" --param saturation=0.65 --param balance-red=0.56 \
    --param contrast=0.6 >/dev/null

wall() { # command… → seconds
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN{printf "%.2f", b - a}'
}

# Our own peak resident memory (VmHWM of our process alone; the encoder's memory is its own).
graded() {
    "$cli" grade "$work/clip.mp4" "$work/ours.mp4" --lut "$work/look.cube" --quality normal &
    local pid=$! peak=0 hwm
    while kill -0 "$pid" 2>/dev/null; do
        hwm=$(awk '/^VmHWM:/{print $2}' "/proc/$pid/status" 2>/dev/null || true)
        [ -n "$hwm" ] && [ "$hwm" -gt "$peak" ] && peak=$hwm
        sleep 0.2
    done
    echo "$peak" >"$work/rss"
    wait "$pid"
}
ours=$(wall graded)
theirs=$(wall ffmpeg -nostdin -y -i "$work/clip.mp4" -vf "lut3d=file=$work/look.cube:interp=trilinear" -c:v libx264 \
    -crf 23 -pix_fmt yuv420p -c:a copy "$work/theirs.mp4")
floor=$(wall bash -c "ffmpeg -nostdin -v quiet -i '$work/clip.mp4' -f image2pipe -vcodec rawvideo -pix_fmt rgb24 - | \
    ffmpeg -nostdin -v quiet -f rawvideo -pix_fmt rgb24 -s 1920x1080 -r 25/1 -i - -c:v libx264 -pix_fmt yuv420p \
    -crf 23 -an -y '$work/floor.mp4'")
frames=$(ffprobe -v error -select_streams v:0 -show_entries stream=nb_frames -of csv=p=0 "$work/ours.mp4")

printf 'clip: %s s of 1920x1080 at 25 fps with audio, 33-point LUT, x264 medium crf 23\n' "$length"
printf 'vantrope-cli grade          %7.2f s  (%s frames, peak RSS %d MiB)\n' "$ours" "$frames" $(( $(cat "$work/rss") / 1024 ))
printf 'ffmpeg lut3d transcode      %7.2f s\n' "$theirs"
printf 'floor: decode | encode pipe %7.2f s\n' "$floor"
printf 'ratio ours / ffmpeg         %7.3f\n' "$(awk -v a="$ours" -v b="$theirs" 'BEGIN{print a/b}')"
