#!/usr/bin/env bash
# Installs what is missing, configures and builds into ${BUILD_DIR:-build}; extra CMake arguments come from Q5X_CMAKE_ARGS.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-${root_dir}/build}"
BUILD_DIR="${build_dir}" "${root_dir}/scripts/install-deps.sh"
read -r -a extra_args <<< "${Q5X_CMAKE_ARGS:-}"
cmake -S "${root_dir}" -B "${build_dir}" -G Ninja "${extra_args[@]}" >/dev/null
# Q5X_BUILD_TARGET limits the build to the targets it names (separated by spaces).
read -r -a targets <<< "${Q5X_BUILD_TARGET:-}"
cmake --build "${build_dir}" --parallel "$(nproc)" ${targets[@]:+--target "${targets[@]}"}
