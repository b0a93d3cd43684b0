#!/usr/bin/env bash
# Conversion cost against a plain copy of the same output bytes (1920×1080, 2 threads).
set -euo pipefail
cli=${CLI:-build/bin/vantrope-cli}
threads=${THREADS:-2}
median() { "$cli" bench "$@" --threads "$threads" --iterations 50 | tail -1 | sed -E 's/.*median ([0-9.]+) ms.*/\1/'; }
for pair in "rgb24to48 6" "rgb48to24 3" "rgb48toargb32 4"; do
    set -- $pair
    conv=$(median "$1")
    copy=$(median memcpy --bpp "$2")
    printf '%-14s %8.3f ms   memcpy(%s B/px) %8.3f ms   ratio %.2f\n' "$1" "$conv" "$2" "$copy" \
        "$(awk -v a="$conv" -v b="$copy" 'BEGIN{print a/b}')"
done
echo "split-overhead (1000 rounds of 64 empty tasks): $(median split-overhead) ms"
