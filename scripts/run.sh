#!/usr/bin/env bash
# Sets up, builds and starts the updater. The update file goes beside the executable.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh build
exec build/app/ZIRIDU4VozediZedozor_artefacts/*/ZIRIDU4VozediZedozor
