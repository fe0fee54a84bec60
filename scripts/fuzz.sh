#!/usr/bin/env bash
# Sets up, builds the fuzz targets with clang and libFuzzer into build-fuzz/, and fuzzes each for
# FUZZ_SECONDS (default 60). New inputs are kept in build-fuzz/corpus/<target>/; an input that
# crashes, hangs or reads out of bounds is written to build-fuzz/crashes/<target>/ and makes the
# command fail. Copy such an input into tests/fuzz/regressions/<target>/ once it is fixed: ctest
# then replays it in every build.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
targets=(update_file hid_input worker_answers)

scripts/setup.sh
scripts/build.sh build-fuzz -DKPX_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz --target "${targets[@]/%/_fuzz}"

root=$PWD
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp
failed=0
for t in "${targets[@]}"; do
    echo
    echo "=== fuzzing $t for ${seconds}s"
    mkdir -p "build-fuzz/corpus/$t" "build-fuzz/crashes/$t"
    inputs=("$root/build-fuzz/corpus/$t" "$root/tests/fuzz/corpus/$t")
    [ -d "tests/fuzz/regressions/$t" ] && inputs+=("$root/tests/fuzz/regressions/$t")

    # JUCE puts each program into a folder of its own, named by the build type.
    program=$(find build-fuzz/tests/fuzz -type f -name "${t}_fuzz" -perm -u+x | head -n 1)

    # A worker run may take seconds when its input leads it through a whole block; 60 s is a hang.
    if ! "$program" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -max_len=8192 \
             -print_final_stats=1 -artifact_prefix="$root/build-fuzz/crashes/$t/" "${inputs[@]}"; then
        echo "fuzz: $t found a fault; its input is in build-fuzz/crashes/$t/"
        failed=1
    fi
done

exit $failed
