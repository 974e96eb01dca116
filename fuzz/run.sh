#!/usr/bin/env bash
# Runs every fuzz target side by side for the same bounded time, each from a scratch copy of
# its seed corpus, under AddressSanitizer and UndefinedBehaviorSanitizer. Fails on any crash,
# hang, leak or sanitizer report; each target's output is printed whole once all have ended.
#   bash fuzz/run.sh <build folder configured with -DKELVRA_FUZZ=ON> [seconds per target]
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: $0 <builddir> [seconds]" >&2
  exit 2
fi
cd "$(dirname "$0")"
fuzz_dir=$(pwd)
build=$(cd "$OLDPWD" && cd "$1" && pwd)
seconds=${2:-25}

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

targets=(fuzz_lingua fuzz_impostazioni fuzz_record fuzz_file_schema fuzz_file_progetto
  fuzz_file_ammortizzatore fuzz_file_molla fuzz_file_tampone)
for target in "${targets[@]}"; do
  if [ ! -x "$build/fuzz/$target" ]; then
    echo "fuzz: $build/fuzz/$target is missing (build the kelvra_fuzz_targets target)" >&2
    exit 1
  fi
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
pids=()
for target in "${targets[@]}"; do
  # New inputs go to a scratch copy of the corpus; the seeds in the repository stay as they are.
  mkdir "$scratch/$target"
  cp "$fuzz_dir/corpus/$target"/* "$scratch/$target"/
  timeout $((seconds + 30)) "$build/fuzz/$target" "$scratch/$target" -max_total_time="$seconds" \
    -timeout=5 -rss_limit_mb=2048 -artifact_prefix="$build/fuzz/$target-" -print_final_stats=1 \
    >"$scratch/$target.log" 2>&1 &
  pids+=($!)
done

status=0
for i in "${!targets[@]}"; do
  target=${targets[$i]}
  if wait "${pids[$i]}"; then result=passed; else result=FAILED; status=1; fi
  echo "== $target: $result"
  if [ $result = FAILED ]; then cat "$scratch/$target.log"; else grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$scratch/$target.log" || true; fi
done
exit $status
