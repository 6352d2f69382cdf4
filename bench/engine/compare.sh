#!/usr/bin/env bash
# Time per new 9 x 9 puzzle side by side: our generator with carving (median of single
# puzzles, from bench_generate) against qqwing's generator at the matching difficulty (mean of
# a batch, best of a few batches). CPU time is the fair measure on a shared machine; wall
# time is shown beside it. Our 16-symbol shapes follow. Usage:
#   bench/engine/compare.sh [build-dir]      (BATCH=n puzzles per qqwing batch, RUNS=n batches)
set -euo pipefail
build=${1:-build-gen}
batch=${BATCH:-50}
runs=${RUNS:-3}
bench="$build/bin/bench_generate"
command -v qqwing >/dev/null || { echo "qqwing is missing: scripts/deps.sh --bench" >&2; exit 1; }
[ -x "$bench" ] || { echo "$bench is missing: build the bench_generate target" >&2; exit 1; }

# CSV: name,iterations,real_time,cpu_time,time_unit,... ; keep the medians (ms).
ours=$("$bench" --benchmark_format=csv 2>/dev/null | awk -F, '/_median"/ {
    gsub(/"/, "", $1); split($1, p, "/"); print p[2], p[3], p[4], $3, $4 }')

ours_ms() { # cols rows level field(4 wall, 5 cpu)
    echo "$ours" | awk -v c="cols:$1" -v r="rows:$2" -v l="level:$3" -v f="$4" \
        '$1 == c && $2 == r && $3 == l { printf "%.2f", $f }'
}

# Best of several batches: "cpu wall" in ms per puzzle.
peer_ms() {
    local best_cpu="" best_wall="" out
    for _ in $(seq "$runs"); do
        out=$( { TIMEFORMAT='%U %S %R'; time qqwing --generate "$batch" --difficulty "$1" \
            --one-line >/dev/null; } 2>&1 )
        read -r cpu wall < <(echo "$out" | awk -v n="$batch" \
            '{ printf "%.2f %.2f\n", ($1 + $2) * 1000 / n, $3 * 1000 / n }')
        if [ -z "$best_cpu" ] || awk -v a="$cpu" -v b="$best_cpu" 'BEGIN { exit !(a < b) }'; then
            best_cpu=$cpu
        fi
        if [ -z "$best_wall" ] || awk -v a="$wall" -v b="$best_wall" 'BEGIN { exit !(a < b) }'; then
            best_wall=$wall
        fi
    done
    echo "$best_cpu $best_wall"
}

ratio() { awk -v o="$1" -v p="$2" 'BEGIN { if (o > 0) printf "%.1fx", p / o; else print "-" }'; }

levels=(Rookie Normal Skilled Expert)
peers=(simple easy intermediate expert)
printf '%-8s %-13s %9s %9s %7s   %9s %9s %7s\n' level "shape/peer" "ours cpu" "peer cpu" ratio \
    "ours wall" "peer wall" ratio
for l in 0 1 2 3; do
    oc=$(ours_ms 3 3 $l 5)
    ow=$(ours_ms 3 3 $l 4)
    read -r pc pw < <(peer_ms "${peers[$l]}")
    printf '%-8s %-13s %9s %9s %7s   %9s %9s %7s\n' "${levels[$l]}" "3x3/${peers[$l]}" \
        "$oc" "$pc" "$(ratio "$oc" "$pc")" "$ow" "$pw" "$(ratio "$ow" "$pw")"
done
for shape in "2 8" "4 4" "8 2"; do
    set -- $shape
    for l in 0 1 2 3; do
        printf '%-8s %-13s %9s %9s %7s   %9s %9s %7s\n' "${levels[$l]}" "$1x$2" \
            "$(ours_ms "$1" "$2" $l 5)" - - "$(ours_ms "$1" "$2" $l 4)" - -
    done
done
echo "ms per puzzle; ours: median of single puzzles; peer: batch mean, best of $runs x $batch"
