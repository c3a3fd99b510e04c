#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs the whole test suite under Xvfb.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$top"

tools/install-deps.sh --tests
jobs="$(nproc)"
xvfb=(xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp")

echo "== build (Release, warnings are errors)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQORVANE_WERROR=ON >/dev/null
cmake --build build -j"$jobs"

echo "== tests"
"${xvfb[@]}" ctest --test-dir build --output-on-failure -j"$jobs" | tee build/ctest.log

# Reliability stages: the suite again under ASan and UBSan, the picture-loader fuzzer built with
# clang, and memcheck over scripted playthroughs to the three endings. Each says how long it took.
rel=tests/reliability
started=$SECONDS
took() { echo "   ($((SECONDS - started)) s)"; started=$SECONDS; }

echo "== sanitizers: build (ASan + UBSan, Debug, warnings are errors)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DQORVANE_SANITIZE=ON -DQORVANE_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
took

asan_presses="${QORVANE_ASAN_SOAK_PRESSES:-3000}"
echo "== sanitizers: tests (the soak scaled down to $asan_presses presses)"
# Reports go to files, so one from any process (a forked child too) fails the stage. Leak
# stacks are unwound in full: fontconfig has no frame pointers, and the suppressions name the
# FLTK frame that sits below it.
reports="$top/build-asan/sanitizer-reports"
rm -rf "$reports" && mkdir -p "$reports"
failed=0
ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:check_initialization_order=1:log_path=$reports/asan" \
  LSAN_OPTIONS="suppressions=$top/$rel/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan" \
  QORVANE_SOAK_PRESSES="$asan_presses" \
  "${xvfb[@]}" ctest --test-dir build-asan --output-on-failure -j"$jobs" || failed=1
if compgen -G "$reports/*" >/dev/null; then
  cat "$reports"/*
  echo "sanitizer reports above"
  failed=1
fi
[[ $failed -eq 0 ]] || exit 1
took

fuzz_seconds="${QORVANE_FUZZ_SECONDS:-60}"
echo "== fuzz: build (clang: libFuzzer + ASan + UBSan; the whole tree, warnings are errors)"
cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORVANE_FUZZ=ON -DQORVANE_WERROR=ON >/dev/null
cmake --build build-fuzz -j"$jobs"
took

echo "== fuzz: picture loader for $fuzz_seconds s"
# New inputs go to a scratch folder; the seed corpus in the repository is only read.
scratch="$(mktemp -d)"
if ! build-fuzz/$rel/fuzz_picture -max_total_time="$fuzz_seconds" -print_final_stats=1 \
  -dict=$rel/jpeg.dict -artifact_prefix=build-fuzz/ "$scratch" $rel/fuzz-corpus \
  >build-fuzz/fuzz.log 2>&1; then
  tail -n 80 build-fuzz/fuzz.log
  rm -rf "$scratch"
  echo "the fuzzer found a fault; the input is saved in build-fuzz/"
  exit 1
fi
rm -rf "$scratch"
grep -E '^Done [0-9]+ runs' build-fuzz/fuzz.log
took

echo "== memcheck: playthroughs to the three endings (Release build)"
for ending in Room9 Room18 Room23; do
  log="build/memcheck-$ending.log"
  if ! "${xvfb[@]}" timeout 300 valgrind --tool=memcheck --error-exitcode=1 --leak-check=full \
    --errors-for-leak-kinds=definite --track-origins=yes --num-callers=50 \
    --suppressions=$rel/valgrind.supp build/$rel/playthrough_test \
    --gtest_filter="Endings/PlaythroughTest.ClicksLeadToTheEnding/$ending" >"$log" 2>&1 ||
    ! grep -q '^\[  PASSED  \] 1 test\.' "$log"; then
    cat "$log"
    echo "memcheck failed on the way to $ending"
    exit 1
  fi
  grep -E 'ERROR SUMMARY' "$log" | sed "s/^==[0-9]*==/   $ending:/"
done
took

# One closing line for whoever reads the end of the log: the suite's count (every later stage
# above would have stopped the script had it failed).
summary=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' build/ctest.log | tail -n 1)
failed_count=${summary%% tests failed*}
total=${summary##* out of }
echo "suite: $((total - failed_count)) passed, $failed_count failed"
