#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# Each target may use 512 MB: an input that makes a reader take more (an index that repeats
# itself, a header count taken at its word) is a finding like a crash. The seeds of a target
# are the small files in fuzz/seeds/TARGET (kept in git); what the fuzzer adds goes to
# fuzz-corpus/TARGET, findings to fuzz-artifacts/. ORVEX_FUZZ_NICE=1 runs them at the lowest
# priority (shared machines).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
bash scripts/deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVEX_FUZZ=ON \
  -DORVEX_GUI=OFF -DORVEX_TESTS=OFF -DORVEX_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"${ORVEX_JOBS:-2}" --target orvex_fuzzers
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(find build-fuzz/fuzz -maxdepth 1 -type f -name 'fuzz_*' -executable -printf '%f\n' | sort)
fi
# libFuzzer's timeout is wall-clock time: at the lowest priority on a busy machine a run can
# wait seconds for a core without hanging, so the limit for a hang is longer there.
# The memory limit is for what one input costs: freed memory goes back to the system and the
# quarantine of freed blocks stays small, so hours of runs do not add up to the limit.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=32:allocator_release_to_os_interval_ms=500}
nice=()
timeout=10
if [ "${ORVEX_FUZZ_NICE:-0}" = 1 ]; then nice=(nice -n 19); timeout=60; fi
status=0
for t in "${targets[@]}"; do
  corpus=fuzz-corpus/$t
  mkdir -p "$corpus" fuzz-artifacts
  seeds=()
  [ -d "fuzz/seeds/$t" ] && seeds=("fuzz/seeds/$t")
  echo "== $t for ${seconds}s =="
  if ! ${nice[@]+"${nice[@]}"} "build-fuzz/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=512 -timeout="$timeout" \
       -artifact_prefix=fuzz-artifacts/"$t"- -print_final_stats=1 "$corpus" "${seeds[@]}" 2>"fuzz-artifacts/$t.log"; then
    echo "$t: FINDING (see fuzz-artifacts/$t.log)"; status=1
  else
    grep -E 'stat::number_of_executed_units|Done' "fuzz-artifacts/$t.log" | tail -n 2
    grep -E '^#[0-9]+' "fuzz-artifacts/$t.log" | tail -n 1
  fi
done
exit $status
