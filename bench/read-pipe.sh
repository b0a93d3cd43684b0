#!/usr/bin/env bash
# The read pipe against plain pipe readers on the same clip, in the same run: every frame of a
# generated 10 s 1080p clip as packed RGB, read by `vantrope-cli bench read-pipe` and by `cat`:
#   peer:     ffmpeg -i clip -f rawvideo -pix_fmt rgb24 - | cat > /dev/null
#   same-cmd: the converter command the read pipe runs (-threads = ideal thread count), into cat,
#             which isolates the cost of our reading from the decoder's thread setting.
# Prints the rates and ours ÷ each (frames per second).
set -euo pipefail
cli=${CLI:-build/bin/vantrope-cli}
runs=${RUNS:-5}
threads=$(nproc)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
clip=$dir/clip.mp4
ffmpeg -nostdin -v error -y -f lavfi -i testsrc2=s=1920x1080:r=25:d=10 -c:v libx264 -pix_fmt yuv420p "$clip"
frames=$(ffprobe -v error -select_streams v:0 -show_entries stream=nb_frames -of csv=p=0 "$clip")

timed_ms() {
    local start end
    start=$(date +%s.%N)
    "$@"
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", (e - s) * 1000 }'
}
peer() { ffmpeg -nostdin -v error -i "$clip" -f rawvideo -pix_fmt rgb24 - | cat > /dev/null; }
same_cmd() {
    ffmpeg -nostdin -threads "$threads" -v quiet -i "$clip" -f image2pipe -vcodec rawvideo -pix_fmt rgb24 - |
        cat > /dev/null
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

peer
same_cmd # warm-up, as the benchmark does its own
: > "$dir/peer"
: > "$dir/same"
for _ in $(seq "$runs"); do
    timed_ms peer >> "$dir/peer"
    timed_ms same_cmd >> "$dir/same"
done
ours=$("$cli" bench read-pipe --clip "$clip" --iterations "$runs")
echo "$ours"
ours_ms=$(echo "$ours" | sed -nE 's/^read-pipe: median ([0-9.]+) ms.*/\1/p')
awk -v f="$frames" -v o="$ours_ms" -v p="$(median < "$dir/peer")" -v s="$(median < "$dir/same")" 'BEGIN {
    printf "read pipe              %8.1f ms  %6.1f fps\n", o, f * 1000 / o
    printf "ffmpeg | cat (peer)    %8.1f ms  %6.1f fps   ratio ours/peer %.3f\n", p, f * 1000 / p, p / o
    printf "same command | cat     %8.1f ms  %6.1f fps   ratio ours/same %.3f\n", s, f * 1000 / s, s / o
}'
