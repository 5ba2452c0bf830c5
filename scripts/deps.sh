# Installs the Debian packages given as arguments when any of them is missing.
# Sourced by the other scripts; uses sudo when not run as root.
fenwave_install_missing() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# What every build needs: compiler, CMake, Ninja, Qt 6 with the serial port module, GoogleTest
# and Google Benchmark.
FENWAVE_BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-serialport-dev
  libgl-dev libgtest-dev libgmock-dev libbenchmark-dev)
