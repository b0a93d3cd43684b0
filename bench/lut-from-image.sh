#!/usr/bin/env bash
# Quality of LUTs derived from reference pictures, beside plain per-channel histogram matching.
#
#   bench/lut-from-image.sh            # N=32
#   LUT_SIZE=64 bench/lut-from-image.sh
#
# Three reference pictures and one test frame are made with ffmpeg's lavfi sources. For each
# reference: derive a LUT with `vantrope-cli lut from-image` (methods 1 and 2), apply it to the
# frame, and measure the per-channel earth mover's distance between the histograms of the result
# and of the reference (`vantrope-cli lut distance`, in 8-bit levels: the mean distance a sample
# would have to move). The same distance is given for the untouched frame and for the frame
# matched to the reference channel by channel (`vantrope-cli lut match`), the full-strength
# peer. A derived LUT moves each channel 40 % of the way toward the reference by design, so it is
# expected to land between the two.
set -euo pipefail
cli=${CLI:-build/bin/vantrope-cli}
size=${LUT_SIZE:-32}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" # the CLI never touches the real user folder here
mkdir -p "$HOME"

make_picture() { # name, lavfi graph
    ffmpeg -nostdin -v error -f lavfi -i "$2" -frames:v 1 -y "$work/$1.png"
}
make_picture frame "testsrc2=s=1280x720,noise=alls=12:allf=t"
make_picture warm "gradients=s=800x600:c0=0xff8800:c1=0x301040:c2=0xffe0a0:n=3:seed=7"
make_picture teal "mandelbrot=s=800x600,hue=h=170,eq=gamma=0.7"
make_picture pastel "colorspectrum=s=800x600,eq=saturation=0.4:brightness=0.15"

row() { # reference, label, image
    local d
    d=$("$cli" lut distance "$3" "$work/$1.png")
    awk -v r="$1" -v l="$2" -v d="$d" 'BEGIN{split(d, v, " "); printf "%-7s %-22s %8.2f %8.2f %8.2f %8.2f\n", r, l, v[1], v[2], v[3], (v[1]+v[2]+v[3])/3}'
}

printf 'frame testsrc2 1280x720 + noise, LUT size %s; EMD of channel histograms vs the reference (8-bit levels)\n' "$size"
printf '%-7s %-22s %8s %8s %8s %8s\n' reference result red green blue mean
for ref in warm teal pastel; do
    row "$ref" "frame untouched" "$work/frame.png"
    for method in 1 2; do
        start=$(date +%s.%N)
        "$cli" lut from-image "$work/$ref.png" --size "$size" --method "$method" --out "$work/$ref-$method.cube"
        took=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN{printf "%.0f", (b - a) * 1000}')
        "$cli" lut apply --lut "$work/$ref-$method.cube" "$work/frame.png" "$work/$ref-$method.png"
        row "$ref" "LUT method $method (${took} ms)" "$work/$ref-$method.png"
    done
    "$cli" lut match "$work/frame.png" "$work/$ref.png" "$work/$ref-match.png"
    row "$ref" "histogram matching" "$work/$ref-match.png"
done
