#!/bin/bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz/ and runs each for SECONDS (default 120), JOBS at a time (default 2), starting from our
# seeds in fuzz/corpus/<target>/. Prints the executions and findings of each target.
#
#   fuzz/run.sh [SECONDS] [TARGET...]        e.g. fuzz/run.sh 600 fuzz_bazi_report
#
# The targets read the knowledge files that the fuzz build makes in build-fuzz/bin; set JIAMING_DB_DIR
# to point them at another folder (a normal build's build/bin, say). New inputs go to
# build-fuzz/fuzz-corpus/<target>/ (the committed seeds stay as they are), logs and findings (crash-*,
# timeout-*, leak-*, oom-*) to build-fuzz/fuzz-out/<target>/. A finding replays with
#   build-fuzz/fuzz/<target> build-fuzz/fuzz-out/<target>/crash-…
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=$root/build-fuzz
seconds=${1:-120}
shift || true
jobs=${JOBS:-2}

if [ ! -f "$build/CMakeCache.txt" ]; then
  launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DJIAMING_FUZZ=ON -DJIAMING_SANITIZE=address,undefined -DBUILD_TESTING=OFF "${launcher[@]}"
fi
cmake --build "$build" -j"$jobs" --target fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in "$here"/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

run_one() {
  local target=$1 out=$build/fuzz-out/$1 work=$build/fuzz-corpus/$1
  rm -rf "$out" && mkdir -p "$out" "$work"
  # -timeout: an input that takes longer than 10 s counts as a hang.
  "$build/fuzz/$target" "$work" "$here/corpus/$target" -max_total_time="$seconds" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$out/" >"$out/log" 2>&1 || true
}
export -f run_one
export build here seconds
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one {}'

status=0
printf '%-26s %14s %10s  %s\n' target executions exec/s findings
for target in "${targets[@]}"; do
  out=$build/fuzz-out/$target
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$out/log" | tail -1)
  findings=$(cd "$out" && ls crash-* timeout-* leak-* oom-* slow-unit-* 2>/dev/null | tr '\n' ' ' || true)
  [ -n "$findings" ] && status=1
  printf '%-26s %14s %10s  %s\n' "$target" "${runs:-?}" "${rate:-?}" "${findings:-none}"
done
exit $status
