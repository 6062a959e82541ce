#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine (as root), or prints the
# apt-get line to run. Usage: tools/setup.sh [--tests | --load]   (--load: what the tests need and
# stress-ng, for tools/ci_under_load.sh)
set -euo pipefail
packages=(cmake ninja-build g++ make pkg-config libsdl2-dev libstb-dev)
tests=0
if [[ "${1:-}" == "--tests" || "${1:-}" == "--load" ]]; then
  tests=1
  # clang and its runtime (below) build the fuzz targets (tools/fuzz.sh, run briefly by test.sh).
  packages+=(googletest libgtest-dev xvfb xdotool libx11-dev clang)
fi
if [[ "${1:-}" == "--load" ]]; then
  packages+=(stress-ng git)
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
updated=0
apt_install() {
  export DEBIAN_FRONTEND=noninteractive
  if (( !updated )); then
    apt-get update -qq || true
    updated=1
  fi
  apt-get install -y -qq "$@"
}
# The sanitizer and fuzzer runtime of the installed clang: Debian packages it per clang version
# (libclang-rt-<major>-dev). Prints the package's name, or nothing without clang.
clang_runtime() {
  local version
  command -v clang >/dev/null || return 0
  version="$(clang -dumpversion 2>/dev/null)" || return 0
  [[ "${version%%.*}" =~ ^[0-9]+$ ]] && echo "libclang-rt-${version%%.*}-dev"
  return 0
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
runtime=""
(( tests )) && runtime="$(clang_runtime)"
if [[ $(id -u) -ne 0 ]]; then
  if [[ -n "$runtime" ]] && ! installed "$runtime" && apt-cache show "$runtime" >/dev/null 2>&1; then
    missing+=("$runtime")
  fi
  if (( ${#missing[@]} > 0 )); then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  exit 0
fi
if (( ${#missing[@]} > 0 )); then
  apt_install "${missing[@]}"
fi
# The runtime of the clang now installed (perhaps just now). Where its package is not in the
# archive or will not install, test.sh builds its sanitizer stage with g++ instead.
if (( tests )); then
  runtime="$(clang_runtime)"
  if [[ -n "$runtime" ]] && ! installed "$runtime"; then
    apt_install "$runtime" || echo "setup.sh: $runtime could not be installed: test.sh will leave the fuzz targets out" >&2
  fi
fi
