#!/usr/bin/env bash
# Builds the drawing reader fuzz target in a build folder of its own, starts
# it from drawings the program's writer makes and fuzzes for a bounded time.
# Fails on any finding (crash, sanitizer report, leak, timeout, round-trip
# mismatch); the input that caused it is kept in the build folder.
#
#   fuzz/run.sh            60 seconds
#   FUZZ_SECONDS=600 fuzz/run.sh
#   TW_FUZZ_BUILD_DIR=/somewhere fuzz/run.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${FUZZ_SECONDS:-60}"
build="${TW_FUZZ_BUILD_DIR:-$root/build-fuzz}"
jobs="$(nproc 2>/dev/null || echo 4)"

# clang with libFuzzer and the sanitizer runtimes, among the project's packages.
if [ -f "$root/scripts/install-deps.sh" ]; then
  bash "$root/scripts/install-deps.sh"
fi

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DTARNWICK_BUILD_FUZZ=ON -DTARNWICK_BUILD_TESTS=OFF -DTARNWICK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target drawing_reader_fuzz drawing_start_corpus

corpus="$build/corpus"
artifacts="$build/artifacts"
rm -rf "$corpus" "$artifacts"
mkdir -p "$corpus" "$artifacts"
"$build/fuzz/drawing_start_corpus" "$corpus"

echo "fuzzing the drawing reader for ${seconds}s"
set +e
"$build/fuzz/drawing_reader_fuzz" "$corpus" \
  -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -error_exitcode=77 -timeout_exitcode=78 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" 2>"$build/fuzz.log"
status=$?
set -e
if [ "$status" -ne 0 ] || [ -n "$(ls -A "$artifacts")" ]; then
  tail -n 60 "$build/fuzz.log" >&2
  echo "fuzz/run.sh: the drawing reader fuzz target found a problem (exit $status):" >&2
  ls -l "$artifacts" >&2
  exit 1
fi
grep -E '^(Done|stat::)' "$build/fuzz.log" || true
echo "fuzz/run.sh: no findings"
