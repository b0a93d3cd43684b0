#!/bin/bash
# Test stand-in for ffmpeg and ffprobe (installed under both names by CFakeTools).
#  - names the stage of the run from its arguments (table below);
#  - FAKE_TOOL_SPY=<file>: appends the run as NUL-separated items: RUN, tool, stage, argc, args…;
#  - FAKE_TOOL_FAULT="stage=fault[:N] …": applies the first entry for this stage ("any" matches
#    every stage); without one the real program from FAKE_TOOL_REAL_DIR runs in our place.
tool=${0##*/}
real="${FAKE_TOOL_REAL_DIR:-/usr/bin}/$tool"

# Stage table: the first row all of whose patterns occur in the arguments names the stage; a
# pattern is a run of adjacent arguments written with commas ("-f,rawvideo").
stages='
encoder        -f,rawvideo -i,-
decoder        -f,image2pipe
extract        -frames:v,1 -q:v,2
count          -f,null
convert        -loglevel,repeat
audio-extract  -vn
audio-mux      -c:v:0,copy
metadata       -map_metadata,1
'
sep=$'\x1f'
joined=$sep
for argument in "$@"; do joined+="$argument$sep"; done
stage=other
if [ "$tool" = ffprobe ]; then
    stage=probe
else
    while read -r name patterns; do
        [ -n "$name" ] || continue
        matched=1
        for pattern in $patterns; do
            [[ "$joined" == *"$sep${pattern//,/$sep}$sep"* ]] || { matched=0; break; }
        done
        if [ $matched = 1 ]; then stage=$name; break; fi
    done <<< "$stages"
fi

# Decoder and encoder run at the same time: the lock keeps their records from interleaving.
if [ -n "$FAKE_TOOL_SPY" ]; then
    {
        flock 9
        printf 'RUN\0%s\0%s\0%s\0' "$tool" "$stage" "$#" >&9
        [ $# -gt 0 ] && printf '%s\0' "$@" >&9
    } 9>> "$FAKE_TOOL_SPY"
fi

fault=
count=1
for entry in $FAKE_TOOL_FAULT; do
    target=${entry%%=*}
    [ "$target" = "$stage" ] || [ "$target" = any ] || continue
    setting=${entry#*=}
    fault=${setting%%:*}
    [ "$setting" != "$fault" ] && count=${setting#*:}
    break
done

# Runs the real program for N video frames: "-frames:v N" goes just before the output (the last argument).
first_frames() {
    local n=$1
    shift
    local items=("$@")
    local output=${items[-1]}
    unset 'items[-1]'
    "$real" "${items[@]}" -frames:v "$n" "$output"
}

case "$fault" in
    "")           exec "$real" "$@" ;;
    exit1)        exit 1 ;;
    empty)        exit 0 ;;
    junk)         printf 'this is not an answer\n'; exit 0 ;;
    segv)         kill -SEGV $$ ;;
    hang)         exec sleep 3600 ;;
    stderr-flood) head -c 1048576 /dev/zero | tr '\0' 'x' >&2; exec "$real" "$@" ;;
    exit1-after)  first_frames "$count" "$@"; exit 1 ;;
    kill-after)   first_frames "$count" "$@"; kill -KILL $$ ;;
    segv-after)   first_frames "$count" "$@"; kill -SEGV $$ ;;
    truncated)    first_frames "$count" "$@"; exit 0 ;;
    hang-after)   first_frames "$count" "$@"; exec sleep 3600 ;;
    ultrafast)    items=("$@"); output=${items[-1]}; unset 'items[-1]'; exec "$real" "${items[@]}" -preset ultrafast "$output" ;;
    *)            echo "fake tool: unknown fault '$fault'" >&2; exit 99 ;;
esac
