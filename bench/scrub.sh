#!/usr/bin/env bash
# Timeline scrubbing on a generated 20 s 1080p25 H.264 clip with a key frame every second:
#   ours: `vantrope-cli bench scrub` — marker to a random position until the graded 1280-pixel
#         preview of that exact frame is ready (in-process decoder, five colour operators and a
#         LUT), then single next-frame steps; `bench playback` — frames per second shown while the
#         graded clip plays;
#   peer: the converter child that extracts one frame at a position (accurate seek, as the
#         timeline did before it decoded in-process), without any grade.
# Prints our figures, the peer's median and the ratio peer ÷ ours for a random position.
set -euo pipefail
cli=${CLI:-build/bin/vantrope-cli}
threads=${THREADS:-2}
positions=${POSITIONS:-50}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
clip=$dir/clip.mp4
ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=s=1920x1080:r=25:d=20 -c:v libx264 -g 25 -pix_fmt yuv420p "$clip"

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
peer_ms() {
    local start end
    start=$(date +%s.%N)
    ffmpeg -nostdin -v error -threads 1 -accurate_seek -ss "$1" -i "$clip" -frames:v 1 -y "$dir/frame.bmp"
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", (e - s) * 1000 }'
}

ours=$("$cli" bench scrub --clip "$clip" --threads "$threads" --iterations "$positions" --steps "$positions")
echo "$ours"
"$cli" bench playback --clip "$clip" --threads "$threads" --iterations 1 --seconds 8 | tail -n 1
: > "$dir/peer"
for i in $(seq 10); do
    peer_ms "$(awk -v i="$i" 'BEGIN { srand(i); printf "%.3f", rand() * 19.9 }')" >> "$dir/peer"
done
ours_ms=$(echo "$ours" | sed -nE 's/^scrub: median ([0-9.]+) ms.*/\1/p')
awk -v o="$ours_ms" -v p="$(median < "$dir/peer")" 'BEGIN {
    printf "random position, graded preview (ours)   %8.1f ms\n", o
    printf "one frame by the converter child (peer)  %8.1f ms   ratio peer/ours %.2f\n", p, p / o
}'
