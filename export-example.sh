#!/usr/bin/env bash
# Installs what is missing, builds, and exports the bundled example scene to out/.
set -euo pipefail
root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"${root_dir}/scripts/build.sh" >/dev/null
mkdir -p "${root_dir}/out"
"${BUILD_DIR:-${root_dir}/build}/bin/q5xhost" "${root_dir}/examples/crate_yard.ma" \
  -c "Q5XExporter -shapes -normals -uvs -lights -cameras -nurbscurves -animation -f \"${root_dir}/out/crate_yard.q5x\""
echo "Wrote ${root_dir}/out/crate_yard.q5x"
