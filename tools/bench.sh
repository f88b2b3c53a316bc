#!/usr/bin/env bash
# Builds the benchmarks in build-bench (Release) and prints one table of
# Pilo against the least a Qt program needs for the same thing.
# Start-up, peak memory and idle CPU are measured on the real program under
# its own Xvfb display, idle CPU also on a bare window with the same clock;
# the in-process benchmarks run on the offscreen platform, each three times,
# and report the median.
# Usage: bench.sh [start-up runs, default 15] [build dir]
#   A build dir given is used as it is configured (e.g. RelWithDebInfo).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
. "$root/tools/lib/session.sh"
runs=${1:-15}
build=${2:-build-bench}
bash tools/setup.sh

if [ -z "${2:-}" ]; then
    echo "== building in $build (Release)" >&2
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPILO_TESTS=OFF >/dev/null
fi
if ! cmake --build "$build" -j "$(nproc)" --target pilo pilo_data bench_profile \
    bench_gui_startup bench_gui_exercise bench_gui_background bench_gui_progress firstpaint_pilo \
    firstpaint_bare idle_bare \
    >"$build/bench-build.log" 2>&1; then
    cat "$build/bench-build.log" >&2
    exit 1
fi

make_tmp
start_xvfb 1280x1024x24 || exit 1
pilo_pid=
at_exit 'stop_process "$pilo_pid" KILL'
cp -r "$build/data" "$tmp/data"
mkdir -p "$tmp/config"

# Runs a program in the data folder on the Xvfb display.
on_display() {
    (cd "$tmp/data" && env -i PATH=/usr/bin:/bin HOME="$tmp" DISPLAY="$display" \
        XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp" LANG=C.UTF-8 \
        QT_LOGGING_RULES='qt.multimedia*=false' timeout 60 "$@")
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "== start-up to the first paint, $runs runs each" >&2
for probe in bare pilo; do
    on_display "$root/$build/bench/firstpaint_$probe" "$(date +%s%N)" >/dev/null 2>&1 || true
done
for ((i = 0; i < runs; i++)); do
    for probe in bare pilo; do
        on_display "$root/$build/bench/firstpaint_$probe" "$(date +%s%N)" 2>/dev/null \
            >>"$tmp/$probe.txt"
    done
done
start_bare=$(cut -d' ' -f1 "$tmp/bare.txt" | median)
start_pilo=$(cut -d' ' -f1 "$tmp/pilo.txt" | median)
rss_bare=$(cut -d' ' -f2 "$tmp/bare.txt" | median)
rss_pilo=$(cut -d' ' -f2 "$tmp/pilo.txt" | median)

echo "== in-process benchmarks" >&2
for b in bench_gui_startup bench_gui_exercise bench_gui_background bench_gui_progress bench_profile; do
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.multimedia*=false' \
        "$build/bench/$b" --benchmark_format=csv --benchmark_repetitions=3 \
        --benchmark_report_aggregates_only=true 2>/dev/null >"$tmp/$b.csv"
done
# Real time of one benchmark in milliseconds: the median of its repetitions.
ms() {
    awk -F, -v name="\"$2" '
        index($1, name "\"") == 1 || index($1, name "/") == 1 || index($1, name "_") == 1 {
            f = ($5 == "ns") ? 1e-6 : ($5 == "us") ? 1e-3 : ($5 == "s") ? 1e3 : 1
            if ($1 ~ /_median"$/) median = $3 * f
            else if ($1 !~ /_(mean|stddev|cv)"$/) plain = $3 * f
        }
        END { printf "%.4g", median != "" ? median : plain }' "$tmp/$1.csv"
}

echo "== the real program and the bare window, each idle for 10 s" >&2
# CPU time of all threads of a process in nanoseconds, from the scheduler's
# own account (clock ticks are too coarse for 10 s of idling).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'; }
idle_cpu() {
    local t0 t1
    sleep 2
    t0=$(cpu_ns "$pilo_pid")
    sleep 10
    t1=$(cpu_ns "$pilo_pid")
    awk -v d=$((t1 - t0)) 'BEGIN { printf "%.2f", d / 1e6 }'
}
(cd "$tmp/data" && exec env -i PATH=/usr/bin:/bin HOME="$tmp" DISPLAY="$display" \
    XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp" LANG=C.UTF-8 \
    "$root/$build/app/pilo" >/dev/null 2>&1) &
pilo_pid=$!
# Idle figures of a program that never showed its window would mean nothing.
wait_window "^Pilo für" || exit 1
idle_pilo=$(idle_cpu)
hwm=$(awk '/VmHWM/ { print $2 }' "/proc/$pilo_pid/status")
stop_process "$pilo_pid"
(cd "$tmp/data" && exec env -i PATH=/usr/bin:/bin HOME="$tmp" DISPLAY="$display" \
    XDG_RUNTIME_DIR="$tmp" LANG=C.UTF-8 "$root/$build/bench/idle_bare" >/dev/null 2>&1) &
pilo_pid=$!
wait_window "^bare clock$" || exit 1
idle_bare=$(idle_cpu)
stop_process "$pilo_pid"
pilo_pid=

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
mb() { awk -v k="$1" 'BEGIN { printf "%.1f MB", k / 1024 }'; }
row() { printf '| %s | %s | %s | %s | %s |\n' "$@"; }

echo
echo "| Measure | Pilo | Baseline | Ratio | Aim |"
echo "|---|---|---|---|---|"
row "Start-up to the first painted main window (process, Xvfb, median of $runs)" \
    "$start_pilo ms" "$start_bare ms (bare Qt window with menu bar)" \
    "$(ratio "$start_pilo" "$start_bare")" "at most 1.3"
row "Peak memory (max RSS) started to the first paint" "$(mb "$rss_pilo")" \
    "$(mb "$rss_bare") (bare Qt window)" "$(ratio "$rss_pilo" "$rss_bare")" "at most 1.3"
p=$(ms bench_gui_startup BM_PiloStartup)
b=$(ms bench_gui_startup BM_BareStartup)
row "Application object and main window to the first paint (in process)" "$p ms" \
    "$b ms (QApplication, bare window)" "$(ratio "$p" "$b")" "at most 1.3"
p=$(ms bench_gui_startup BM_PiloMainWindow)
b=$(ms bench_gui_startup BM_BareMainWindow)
row "Main window built and painted once more (in process)" "$p ms" "$b ms (bare window)" \
    "$(ratio "$p" "$b")" "-"
p=$(ms bench_gui_exercise BM_OpenExerciseWindow)
b=$(ms bench_gui_exercise BM_OpenEmptyDialog)
row "Exercise window opened with its first task and painted" "$p ms" "$b ms (empty dialog)" \
    "$(ratio "$p" "$b")" "-"
p=$(ms bench_gui_exercise BM_PaintExerciseWindow)
b=$(ms bench_gui_exercise BM_PaintEmptyDialog)
row "Exercise window repaint (1024 x 768 BackGround.bmp)" "$p ms" "$b ms (empty dialog)" \
    "$(ratio "$p" "$b")" "-"
p=$(ms bench_gui_background BM_PaintWithPicture)
b=$(ms bench_gui_background BM_PaintWithoutPicture)
row "Main window paint, 1920 x 1080 background" "$p ms" "$b ms (no picture)" \
    "$(ratio "$p" "$b")" "-"
p=$(ms bench_gui_background BM_PaintAfterPictureChanged)
row "Main window paint right after the picture file changed (decode)" "$p ms" "-" "-" "-"
p=$(ms bench_gui_progress BM_OpenProgressWindow)
b=$(ms bench_gui_progress BM_OpenEmptyChartDialog)
row "Progress window opened over 200 000 recorded answers, chart and grid drawn (last 4 weeks)" \
    "$p ms" "$b ms (dialog with an empty chart and grid)" "$(ratio "$p" "$b")" "under 300 ms"
p=$(ms bench_gui_progress BM_ProgressAllTime)
row "The same, switched to all time (ten years, one bar per year)" "$p ms" \
    "$b ms (dialog with an empty chart and grid)" "$(ratio "$p" "$b")" "-"
p=$(ms bench_gui_progress BM_RecordAnswer)
b=$(ms bench_gui_progress BM_InsertRowBare)
row "One answer recorded (its own transaction, on disk before it returns)" "$p ms" \
    "$b ms (bare INSERT, same file settings)" "$(ratio "$p" "$b")" "under 5 ms"
p=$(ms bench_profile CachedStore)
b=$(ms bench_profile ReparseEveryRead)
row "Profile read" "$(awk -v v="$p" 'BEGIN { printf "%.2f us", v * 1000 }')" \
    "$(awk -v v="$b" 'BEGIN { printf "%.2f us", v * 1000 }') (parse the file anew)" \
    "$(ratio "$p" "$b")" "-"
row "CPU time while idle for 10 s (one-second status-bar clock running)" "$idle_pilo ms" \
    "$idle_bare ms (bare Qt window, same status bar and clock)" \
    "$(ratio "$idle_pilo" "$idle_bare")" "at most 1"
row "Peak memory of the real program after 12 s (VmHWM)" "$(mb "$hwm")" "-" "-" "-"
