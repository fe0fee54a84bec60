#!/usr/bin/env bash
# Configures and builds into a build folder (default: build). Extra arguments go to CMake's
# configure step, for example -DKPX_SANITIZE=thread.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${1:-build}
shift || true

if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja "$@"
fi
cmake --build "$dir"
