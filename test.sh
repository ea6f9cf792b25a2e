#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"${root_dir}/scripts/build.sh"
ctest --test-dir "${BUILD_DIR:-${root_dir}/build}" --output-on-failure --parallel "$(nproc)"
