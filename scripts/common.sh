# Shared by scripts/run and scripts/test: installs the Debian packages the project needs.
# shellcheck shell=bash

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev fonts-dejavu-core fonts-dejavu-extra)
TEST_PACKAGES=(libgtest-dev libgmock-dev clang libclang-rt-14-dev xvfb xauth xdotool openbox x11-utils)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the named packages that are missing, after one 'apt-get update'; does nothing when all
# are there, so a prepared machine needs no network.
ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

jobs_count() { nproc 2>/dev/null || echo 2; }
