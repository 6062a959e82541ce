#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine (as root), or prints the
# apt-get line to run. Usage: tools/setup.sh [--tests | --load]   (--load: what the tests need and
# stress-ng, for tools/ci_under_load.sh)
set -euo pipefail
packages=(cmake ninja-build g++ make pkg-config libsdl2-dev libstb-dev)
if [[ "${1:-}" == "--tests" || "${1:-}" == "--load" ]]; then
  # clang and its runtime build the fuzz targets (tools/fuzz.sh, run briefly by test.sh).
  packages+=(googletest libgtest-dev xvfb xdotool libx11-dev clang libclang-rt-14-dev)
fi
if [[ "${1:-}" == "--load" ]]; then
  packages+=(stress-ng git)
fi
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if (( ${#missing[@]} == 0 )); then
  exit 0
fi
if [[ $(id -u) -eq 0 ]]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq || true
  apt-get install -y -qq "${missing[@]}"
else
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get install -y ${missing[*]}" >&2
  exit 1
fi
