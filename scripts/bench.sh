#!/usr/bin/env bash
# Sets up, builds and prints the updater's figures on this machine, one a line as name: value:
# a full update against the simulated controller answering at once and after 1 ms per report
# (the pace of a full-speed USB interrupt endpoint), then the real program in a window: start-up
# to its first painted window, CPU use while it sits on the language and confirmation screens,
# and its peak memory.
#
# BUILD_DIR names the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
scripts/setup.sh >&2
scripts/build.sh "$build" >&2

bench=$(echo "$build"/tools/bench-update_artefacts/*/bench-update)
echo "# full update, simulator answering at once"
"$bench"
echo "# full update, simulator answering after 1 ms per report"
"$bench" --answer-delay-ms 1

app=$(echo "$build"/app/ZIRIDU4VozediZedozor_artefacts/*/ZIRIDU4VozediZedozor)
maker=$(echo "$build"/tools/make-update-file_artefacts/*/make-update-file)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp "$app" "$home/"
"$maker" "$home/kpxtlk4__v105.bin" --version-text 1.05 --version-word 0x01050000

cat > "$home/measure.sh" <<'MEASURE'
#!/usr/bin/env bash
set -euo pipefail
home=$1
simulator=$2
ticks=$(getconf CLK_TCK)
cpu_of() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
idle_cpu() {   # percent of one core over 5 s
    local a b; a=$(cpu_of "$1"); sleep 5; b=$(cpu_of "$1")
    awk -v a="$a" -v b="$b" -v t="$ticks" 'BEGIN { printf "%.2f", (b - a) * 100 / t / 5 }'
}

start=$(date +%s.%N)
umockdev-wrapper "$simulator" "$home/ZIRIDU4VozediZedozor" 2>/dev/null &
window=$(xdotool search --sync --onlyvisible --name "^Updater Program$" | head -1)
painted=$(date +%s.%N)
pid=$(pgrep -f "^$home/ZIRIDU4VozediZedozor")
echo "startup_to_window_s: $(awk -v a="$start" -v b="$painted" 'BEGIN { printf "%.3f", b - a }')"
sleep 1
echo "idle_cpu_language_screen_percent: $(idle_cpu "$pid")"
xdotool mousemove --window "$window" 334 96 click 1
sleep 2
echo "idle_cpu_confirmation_screen_percent: $(idle_cpu "$pid")"
echo "peak_memory_kib: $(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")"
xdotool mousemove --window "$window" 224 96 click 1
wait
MEASURE
chmod +x "$home/measure.sh"
echo "# the program in a window, with a simulated controller"
tests/support/run-on-xvfb.sh "$home/measure.sh" "$home" "$build/tools/simulator/simulate-controller"
