#!/usr/bin/env bash
# Installs everything the build needs on a Debian 12 machine (run as root).
# Idempotent: packages already present and an already unpacked V-HACD header are left alone.
set -euo pipefail

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deps_dir="${BUILD_DIR:-${root_dir}/build}/_deps"

debian_packages=(
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-dev
  libtinyxml2-dev libbullet-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libmeshoptimizer-dev python3-pil
)
# Some images ship Node.js with its own npm; Debian's npm would conflict with it.
if ! command -v npm >/dev/null 2>&1; then
  debian_packages+=(nodejs npm)
fi

missing=()
for package in "${debian_packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "${package}" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("${package}")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing Debian packages: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "error: missing packages need root (apt-get install ${missing[*]})" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# V-HACD comes as a single header inside an npm package; unpack it build-locally, never into the tree.
vhacd_header="${deps_dir}/vhacd-js/package/include/VHACD.h"
if [ ! -f "${vhacd_header}" ]; then
  echo "Fetching vhacd-js with npm pack"
  mkdir -p "${deps_dir}/vhacd-js"
  (cd "${deps_dir}/vhacd-js" && npm pack --silent vhacd-js@0.0.1 >/dev/null && tar xzf vhacd-js-*.tgz)
  if [ ! -f "${vhacd_header}" ]; then
    echo "error: vhacd-js did not provide include/VHACD.h" >&2
    exit 1
  fi
fi
