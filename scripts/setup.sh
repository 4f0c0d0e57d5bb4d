#!/usr/bin/env bash
# Installs the Debian packages Tolvar needs that are missing, makes the comma
# locale the tests use, then configures and builds the preset named (dev, the
# build with tests and clang-tidy, when none is).
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

mapfile -t wanted < <(grep -v '^#' scripts/debian-packages.txt | grep -v '^$')
missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi

# The suite also runs under a locale whose decimal separator is the comma.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

preset="${1:-dev}"
cmake --preset "$preset"
cmake --build --preset "$preset"
