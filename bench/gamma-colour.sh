#!/usr/bin/env bash
# MP_calcPixelGammaColor against ffmpeg's lutrgb filter with the same per-channel gammas, on the
# same rgb48le 1920×1080 frame, both with THREADS threads.
#
# ffmpeg's own cost: one run pushes N copies of the raw frame through `-vf lutrgb=…` into the null
# muxer, a second identical run uses `-vf null` (reading, demuxing, the rawvideo decoder, the null
# muxer — everything but the filter). The difference divided by N is the filter's time per frame.
# Each run is repeated REPEAT times and the fastest kept, on both sides, to damp the noise of a
# shared machine. ffmpeg builds its LUT once at configuration; ours is filled per call, so we show
# both the steady state (tables kept while the gammas stay, as in a video export) and the cold call.
set -euo pipefail
cli=${CLI:-build/bin/vantrope-cli}
threads=${THREADS:-2}
frames=${FRAMES:-200}
repeat=${REPEAT:-3}
size=1920x1080
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One frame of test content as raw rgb48le.
ffmpeg -nostdin -v error -f lavfi -i "testsrc2=size=$size:rate=1" -frames:v 1 -pix_fmt rgb48le -f rawvideo "$work/frame.raw"

median() { "$cli" bench "$@" --threads "$threads" --iterations 50 | tail -1 | sed -E 's/.*median ([0-9.]+) ms.*/\1/'; }
warm=$(median gamma-colour --size $size --frame "$work/frame.raw" --reuse 1)
cold=$(median gamma-colour --size $size --frame "$work/frame.raw" --reuse 0)
fill=$(median gamma-colour-fill)

# Wall-clock seconds of one ffmpeg run (its -benchmark line), the fastest of $repeat.
ffrun() {
    local best=""
    for _ in $(seq "$repeat"); do
        local t
        t=$(ffmpeg -nostdin -benchmark -filter_threads "$threads" -threads 1 -stream_loop $((frames - 1)) \
                -f rawvideo -pix_fmt rgb48le -s $size -i "$work/frame.raw" -vf "$1" -f null - 2>&1 |
            sed -nE 's/.*rtime=([0-9.]+)s.*/\1/p')
        best=$(awk -v a="$t" -v b="$best" 'BEGIN{ if (b == "" || a < b) print a; else print b }')
    done
    echo "$best"
}
base=$(ffrun null)
lut=$(ffrun "lutrgb=r=gammaval(1.398):g=gammaval(1.0995):b=gammaval(0.602)")
peer=$(awk -v a="$lut" -v b="$base" -v n="$frames" 'BEGIN{ printf "%.3f", (a - b) * 1000 / n }')

printf 'ffmpeg lutrgb: %s ms/frame  (%s s with the filter - %s s without, over %s frames)\n' "$peer" "$lut" "$base" "$frames"
printf 'gamma-colour, tables kept:   %8.3f ms   ratio %.2f\n' "$warm" "$(awk -v a="$warm" -v b="$peer" 'BEGIN{print a/b}')"
printf 'gamma-colour, tables filled: %8.3f ms   ratio %.2f   (table fill alone %.3f ms = %.0f %% of the call)\n' \
    "$cold" "$(awk -v a="$cold" -v b="$peer" 'BEGIN{print a/b}')" "$fill" "$(awk -v a="$fill" -v b="$cold" 'BEGIN{print 100*a/b}')"
