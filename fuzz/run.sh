#!/usr/bin/env bash
# Runs every fuzz target for a bounded time from its seed corpus, under AddressSanitizer and
# UndefinedBehaviorSanitizer. Fails on any crash, hang, leak or sanitizer report.
#   bash fuzz/run.sh <build folder configured with -DKELVRA_FUZZ=ON>
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 <builddir>" >&2
  exit 2
fi
cd "$(dirname "$0")"
fuzz_dir=$(pwd)
build=$(cd "$OLDPWD" && cd "$1" && pwd)

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
# The file readers get less time each: their inputs are simple records.
for target in fuzz_lingua fuzz_impostazioni fuzz_record fuzz_file_schema fuzz_file_progetto \
    fuzz_file_ammortizzatore fuzz_file_molla fuzz_file_tampone; do
  case $target in
    fuzz_file_*) seconds=15 ;;
    *) seconds=25 ;;
  esac
  exe="$build/fuzz/$target"
  if [ ! -x "$exe" ]; then
    echo "fuzz: $exe is missing (build the kelvra_fuzz_targets target)" >&2
    exit 1
  fi
  work=$(mktemp -d)
  cp "$fuzz_dir/corpus/$target"/* "$work"/
  echo "== $target"
  # New inputs go to a scratch copy of the corpus; the seeds in the repository stay as they are.
  if ! timeout $((seconds + 5)) "$exe" "$work" -max_total_time=$seconds -timeout=5 -rss_limit_mb=2048 \
      -artifact_prefix="$build/fuzz/$target-" -print_final_stats=1; then
    echo "fuzz: $target FAILED" >&2
    status=1
  fi
  rm -rf "$work"
done
exit $status
