#!/usr/bin/env bash
# Installs what is missing, builds Korvanta and runs every test: the whole build with the window tests
# on the offscreen platform and the program end to end on its own X server (bare and under a window
# manager); the window tests again on a real X server, bare and under a window manager; the headless
# tests and the tests of windows closed during their waits once more under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
jobs=$(nproc)
failed=()

bash scripts/build.sh build -DBUILD_TESTING=ON -DKORVANTA_BENCHMARKS=ON -DKORVANTA_X11_TESTS=ON
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 300 -LE x11 || failed+=("tests")

# One X server for the window tests, one test at a time: with no window manager to arbitrate, the
# windows of two test processes would take the focus from each other.
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build --output-on-failure --timeout 300 -L x11 || failed+=("window tests on X11")
# Once more under a window manager, which moves the focus on its own when windows open and close.
xvfb-run -a -s "-screen 0 1280x1024x24" bash scripts/with-window-manager.sh \
  ctest --test-dir build --output-on-failure --timeout 300 -L x11 ||
  failed+=("window tests on X11 under a window manager")

# A sanitizer report ends a test with an exit status of its own, none that korvanta-calc uses (0 to 4).
# The windows are built too, for the tests of windows closed during their own waits.
export ASAN_OPTIONS=exitcode=70:detect_leaks=1
export UBSAN_OPTIONS=exitcode=71:print_stacktrace=1:halt_on_error=1
bash scripts/build.sh build-asan -DBUILD_TESTING=ON -DKORVANTA_BENCHMARKS=OFF -DKORVANTA_SANITIZE=ON \
  -DKORVANTA_UI_TEST_AREAS=waits -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-asan --output-on-failure -j"$jobs" --timeout 300 || failed+=("tests under the sanitizers")

if ((${#failed[@]})); then
  printf 'FAILED: %s\n' "${failed[@]}" >&2
  exit 1
fi
echo "All tests passed."
