#!/usr/bin/env bash
# Runs one fuzz harness for a fixed number of inputs from its seed files.
#   run_fuzzer.sh HARNESS WORK_DIR SEED_DIR...
# ZQ_FUZZ_RUNS (default 200000), ZQ_FUZZ_SEED (default 1) and ZQ_FUZZ_MAX_LEN
# (longest input, default 1024 bytes: a design file is smaller) make a run
# repeatable; the inputs it finds go to WORK_DIR/corpus, emptied first, and a failing
# input is saved there as crash-* (replay: HARNESS WORK_DIR/crash-...).
set -euo pipefail
harness=$(realpath "$1") work=$(realpath -m "$2")
shift 2
seeds=()
for dir in "$@"; do seeds+=("$(realpath "$dir")"); done
# Scratch files in memory where there is such a folder: a save flushes its
# file to disk, which would make the fuzzer wait on the disk most of its time.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
mkdir -p "$work"
rm -rf "$work/corpus" "$work"/crash-* "$work"/timeout-* "$work"/oom-* "$work"/leak-*
mkdir "$work/corpus"
cd "$work"
exec "$harness" -runs="${ZQ_FUZZ_RUNS:-200000}" -seed="${ZQ_FUZZ_SEED:-1}" \
  -timeout=10 -max_len="${ZQ_FUZZ_MAX_LEN:-1024}" -print_final_stats=1 corpus "${seeds[@]}"
