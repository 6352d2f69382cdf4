#!/usr/bin/env bash
# Hostile-input campaign, not run in CI. Seeded hostile library, settings, language and picture
# files (scripts/hostile-files.py) go through the loaders of a Debug build with AddressSanitizer
# and UBSan (tests/hostile); then processes write one file at once, and writers are killed in
# the middle of writes. Last, the real program of the same sanitized build starts headless on
# hostile program folders. Prints what was tried and how many runs crashed, hung or drew a
# sanitizer report; the files behind each finding are kept in build-hostile/findings/.
#
#   scripts/hostile-campaign.sh [SEED [FILES [RUNS]]]   (FILES per kind, RUNS of the program)
set -uo pipefail
cd "$(dirname "$0")/.."
seed=${1:-1}
count=${2:-1250}
program_runs=${3:-100}
build=build-hostile
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=$build/findings
mkdir -p "$findings"

cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSUDOKU_SANITIZE=ON -DSUDOKU_HOSTILE=ON \
    -DSUDOKU_BENCH=OFF >/dev/null || exit 1
cmake --build $build --target hostile_load sudoku-atelier sudoku-engine sudoku_language_file \
    display_sets -j2 >/dev/null || exit 1
python3 scripts/hostile-files.py "$seed" "$count" $bin "$work/files" || exit 1

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
tried=0 crashes=0 hangs=0 reports=0

# Feeds the files of one kind to the loader; after a run that ends early, the file it had begun
# is the finding and the run goes on from the next one.
run_kind() {
    local kind=$1
    local files=("$work/files/$kind"/*)
    local next=0
    while ((next < ${#files[@]})); do
        "$bin/hostile_load" "$kind" "${files[@]:next}" >"$work/out" 2>"$work/err"
        local rc=$?
        local begun
        begun=$(grep -c '^BEGIN ' "$work/out")
        if grep -q '^END$' "$work/out" && ((rc == 0)); then
            tried=$((tried + begun))
            return
        fi
        local culprit
        culprit=$(grep '^BEGIN ' "$work/out" | tail -n 1 | cut -c7-)
        tried=$((tried + begun))
        next=$((next + begun))
        local what=crash
        if grep -qE 'ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer' "$work/err"; then
            what=sanitizer
            reports=$((reports + 1))
        elif ((rc == 128 + 14)); then
            what=hang
            hangs=$((hangs + 1))
        else
            crashes=$((crashes + 1))
        fi
        echo "$what (exit $rc): $culprit"
        cp "$culprit" "$findings/$what-$(basename "$culprit")"
        cp "$work/err" "$findings/$what-$(basename "$culprit").log"
    done
}

for kind in profile language source picture; do
    before=$tried
    run_kind $kind
    echo "$kind: $((tried - before)) files"
done
echo "loaders: $tried files, $crashes crashes, $hangs hangs, $reports sanitizer reports"

"$bin/hostile_load" writers "$work/shared.ini" 6 60 2>"$work/err" || echo "writers lost keys"
grep -E 'runtime error:|AddressSanitizer' "$work/err" && reports=$((reports + 1))
"$bin/hostile_load" kills "$work/killed.ini" 200 "$seed" 2>"$work/err" ||
    echo "killed writers left a broken file"
grep -E 'runtime error:|AddressSanitizer' "$work/err" && reports=$((reports + 1))

# The whole program on hostile program folders: its settings and last game, library, language
# file and a picture set chosen in the settings, one page shot per run. Leaks count as findings
# here too, so the sanitizer's exit status stands apart from a crash.
if ((program_runs > 0)); then
    app=$work/app
    mkdir -p "$app/Display Sets/Hostile"
    cp $bin/sudoku-atelier "$app/"
    cp -r $bin/help "$app/"
    program_crashes=0 program_hangs=0 program_reports=0
    for ((i = 0; i < program_runs; i++)); do
        pick() { local all=("$work/files/$1"/*); echo "${all[$(((i * 7919 + $2) % ${#all[@]}))]}"; }
        { printf '[root.Options]\r\nDisplaySet=Hostile\r\n'; cat "$(pick profile 1)"; } >"$app/sudokus.ini"
        cp "$(pick profile 2)" "$app/sudoku.dat"
        cp "$(pick language 3)" "$app/SuDoku.lng"
        for d in 0 1 2 3 4 5 6 7 8 9; do
            cp "$(pick picture $d)" "$app/Display Sets/Hostile/0$d.ico"
            cp "$(pick picture $((d + 10)))" "$app/Display Sets/Hostile/0${d}s.ico"
        done
        (cd "$app" && ASAN_OPTIONS=detect_leaks=1:exitcode=99 timeout 60 ./sudoku-atelier \
            --screenshot "$work/shot.png" --page $((i % 4)) >/dev/null 2>"$work/err")
        rc=$?
        if grep -qE 'ERROR: AddressSanitizer|runtime error:|ERROR: LeakSanitizer' "$work/err"; then
            program_reports=$((program_reports + 1))
        elif ((rc == 124)); then
            program_hangs=$((program_hangs + 1))
        elif ((rc > 128 || rc == 99)); then
            program_crashes=$((program_crashes + 1))
        fi
        if ((rc == 124 || rc > 128 || rc == 99)); then
            echo "program run $i: exit $rc"
            cp -r "$app" "$findings/program-$i"
            cp "$work/err" "$findings/program-$i.log"
        fi
    done
    echo "program: $program_runs runs, $program_crashes crashes, $program_hangs hangs," \
        "$program_reports sanitizer reports"
fi
