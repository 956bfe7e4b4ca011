#!/usr/bin/env bash
# Installs the Debian 12 packages Kalteron needs to build, test and run.
# Sourced by scripts/test and scripts/run; does nothing when all are present.
KALTERON_PACKAGES=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  e2fsprogs btrfs-progs bindfs
  qt6-base-dev qt6-translations-l10n libgl-dev
  xvfb xauth imagemagick poppler-utils
  fonts-dejavu-core fonts-liberation
)

kalteron_install_deps() {
  local missing=()
  local p
  for p in "${KALTERON_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
