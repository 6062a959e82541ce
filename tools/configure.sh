# The configure of a build folder that test.sh and play.sh share. Source it from the source
# folder.

# configure DIR ARGS...: configures DIR with Ninja, starting afresh where an earlier configure of
# DIR used another generator or compiler (which CMake cannot switch in place).
configure() {
  local dir="$1" cache="$1/CMakeCache.txt" cxx
  shift
  cxx="$(command -v "${CXX:-c++}")"
  if [[ -f "$cache" ]] && ! { grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache" &&
                              grep -qx "CMAKE_CXX_COMPILER:[A-Z]*=$cxx" "$cache"; }; then
    echo "${0##*/}: $dir was configured with another generator or compiler; starting it afresh" >&2
    rm -rf "$dir"
  fi
  cmake -G Ninja -S . -B "$dir" "$@" >/dev/null
}
