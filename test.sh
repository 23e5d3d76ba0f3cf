#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything with warnings as errors and
# runs the whole test suite headless, the installed tree included. Exits
# non-zero when anything fails.
#   BUILD_DIR=build-asan SANITIZE=ON ./test.sh   builds with the sanitizers
set -euo pipefail
cd "$(dirname "$0")"

build_dir=${BUILD_DIR:-build}
sanitize=${SANITIZE:-OFF}
build_type=Release
[ "$sanitize" = ON ] && build_type=RelWithDebInfo

scripts/install-deps --tests
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="$build_type" -DRELLOTGE_SANITIZE="$sanitize" \
  -DRELLOTGE_WERROR=ON >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
