#!/usr/bin/env bash
# Sets up, builds, and starts the updater against a simulated KPX-TLK4, with a generated
# sample update file (version 1.05) beside the executable: the whole update flow without
# hardware. The program itself is unchanged; the controller is faked around it.
#
# The try-out runs a copy of the program in build/try-out, so that the sample file (a pattern,
# not firmware) never lies beside the program that scripts/run.sh starts for a real controller.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh build

app=$(echo build/app/ZIRIDU4VozediZedozor_artefacts/*/ZIRIDU4VozediZedozor)
maker=$(echo build/tools/make-update-file_artefacts/*/make-update-file)

mkdir -p build/try-out
cp "$app" build/try-out/
"$maker" build/try-out/kpxtlk4__v105.bin --version-text 1.05 --version-word 0x01050000

exec umockdev-wrapper build/tools/simulator/simulate-controller build/try-out/ZIRIDU4VozediZedozor
