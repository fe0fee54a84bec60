#!/usr/bin/env bash
# Sets up, builds and runs the test suite in three builds: the whole suite in the plain build (build/),
# and the suites labelled "concurrent" (main component and engine, HID layer, hidraw nodes, end to
# end, fuzz inputs: the code that runs threads, moves device reports through buffers and drives
# whole updates) under AddressSanitizer with UndefinedBehaviorSanitizer (build-asan/), and the same
# but for the fuzz inputs under ThreadSanitizer (build-tsan/; label "threads-checked"). The look,
# texts and arithmetic run on one thread and gain nothing from a sanitizer that the plain run does
# not show. Exits non-zero if any build or run fails; every run is made even when an earlier one
# failed, so that all three summaries are shown.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh build
scripts/build.sh build-asan -DKPX_SANITIZE=address
scripts/build.sh build-tsan -DKPX_SANITIZE=thread

# Leaks, bad accesses and undefined behaviour end the test with an error; ThreadSanitizer's
# reports fail the test through its exit code. umockdev-wrapper preloads its library ahead of the
# AddressSanitizer runtime, which the runtime would otherwise refuse.
export ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export TSAN_OPTIONS="halt_on_error=0:exitcode=66:second_deadlock_stack=1"

failed=0
run()
{
    local title=$1
    shift
    echo
    echo "=== $title"
    ctest "$@" --output-on-failure || failed=1
}

run "plain build: the whole suite" --test-dir build
# The suites that open a real window (under Xvfb) run without the leak check: JUCE loads the X
# libraries with dlopen and closes them at exit, so LeakSanitizer can name neither the module nor
# the function of what X still holds, and no suppression can single those out. Bad accesses and
# undefined behaviour are still caught there.
windowed='^(Focus|e2e)\.'
run "AddressSanitizer and UndefinedBehaviorSanitizer: the concurrent suites" --test-dir build-asan -L concurrent -E "$windowed"
ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0 \
    run "AddressSanitizer and UndefinedBehaviorSanitizer, no leak check: the windowed suites" --test-dir build-asan -L concurrent -R "$windowed"
run "ThreadSanitizer: the concurrent suites but the fuzz inputs" --test-dir build-tsan -L threads-checked

exit $failed
