#!/usr/bin/env bash
# Installs what the program needs when it is missing, builds the two programs (no tests, no
# benchmark) and starts the windows. Run it as yourself: only the package installation asks for sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh program
cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF -DKORVANTA_BENCHMARKS=OFF >/dev/null
cmake --build build --target korvanta korvanta-calc
exec build/app/korvanta "$@"
