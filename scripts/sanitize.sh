#!/usr/bin/env bash
# Builds the headless tests with the address and undefined-behaviour
# sanitizers into build-asan/ and runs them: a freed element touched after a
# repaint, or an overrun, fails here even where the plain build passes.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DTARNWICK_SANITIZE=ON -DTARNWICK_BUILD_BENCH=OFF >/dev/null
cmake --build "$here/build-asan" --target tw_tests -j"$(nproc)"
cd "$here/build-asan"
ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen ./tests/tw_tests --gtest_brief=1
