#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ and runs each for SECONDS (default 60), one
# after another, on a copy of its seed corpus that grows in build-fuzz/corpus/.  Prints per
# target the executions and corpus size; inputs that made a target fail are kept in
# build-fuzz/artifacts/TARGET/.  Exits non-zero when any target failed.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
build_dir="${FUZZ_BUILD_DIR:-build-fuzz}"

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S fuzz -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -j2

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/targets/*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

failed=()
printf '%-16s %12s %8s  %s\n' target executions corpus result
for name in "${targets[@]}"; do
  corpus="$build_dir/corpus/$name"
  artifacts="$build_dir/artifacts/$name"
  log="$build_dir/logs/$name.log"
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  if [ -d "fuzz/corpus/$name" ]; then cp -r "fuzz/corpus/$name/." "$corpus/"; fi
  status=0
  "$build_dir/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  size=$(find "$corpus" -type f | wc -l)
  result=ok
  if [ "$status" -ne 0 ]; then
    result="FAILED (exit $status, see $log and $artifacts/)"
    failed+=("$name")
  fi
  printf '%-16s %12s %8s  %s\n' "$name" "${executions:-?}" "$size" "$result"
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
