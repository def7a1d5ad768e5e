#!/usr/bin/env bash
# Builds the fuzz targets in a build folder of their own and fuzzes each for a
# bounded time: the drawing reader, started from drawings the program's
# writer makes; the program over one damaged settings file, started from the
# shipped settings; and what the program does with a drawing once read,
# started from the same drawings and the inputs the targets once failed on
# (fuzz/found/). Fails on any finding (crash, sanitizer report, leak,
# timeout, broken invariant); the input that caused it is kept in the build
# folder.
#
#   fuzz/run.sh            60 seconds each
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
cmake --build "$build" -j "$jobs" \
  --target drawing_reader_fuzz settings_fuzz drawing_use_fuzz drawing_start_corpus

artifacts="$build/artifacts"
rm -rf "$artifacts" "$build"/corpus-*
mkdir -p "$artifacts" "$build/corpus-drawings" "$build/corpus-settings"
"$build/fuzz/drawing_start_corpus" "$build/corpus-drawings"
"$build/fuzz/drawing_start_corpus" --settings "$build/corpus-settings"
cp -r "$build/corpus-drawings" "$build/corpus-use"
cp "$root"/fuzz/found/drawing_use/* "$build/corpus-use/" 2>/dev/null || true
cp "$root"/fuzz/found/settings/* "$build/corpus-settings/" 2>/dev/null || true

# fuzz <target> <corpus> <timeout per input> [more libFuzzer flags]
failed=0
fuzz() {
  local target="$1" corpus="$2" timeout="$3"
  shift 3
  echo "fuzzing $target for ${seconds}s"
  set +e
  "$build/fuzz/$target" "$corpus" \
    -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 \
    -error_exitcode=77 -timeout_exitcode=78 -print_final_stats=1 \
    -artifact_prefix="$artifacts/$target-" "$@" 2>"$build/$target.log"
  local status=$?
  set -e
  if [ "$status" -ne 0 ] || ls "$artifacts/$target-"* >/dev/null 2>&1; then
    tail -n 60 "$build/$target.log" >&2
    echo "fuzz/run.sh: $target found a problem (exit $status):" >&2
    ls -l "$artifacts" >&2
    failed=1
  else
    grep -E '^(Done|stat::)' "$build/$target.log" || true
  fi
}

fuzz drawing_reader_fuzz "$build/corpus-drawings" 10 -max_len=65536
fuzz settings_fuzz "$build/corpus-settings" 30 -max_len=4096 -len_control=0
fuzz drawing_use_fuzz "$build/corpus-use" 30 -max_len=16384 -len_control=0

if [ "$failed" -ne 0 ]; then exit 1; fi
echo "fuzz/run.sh: no findings"
