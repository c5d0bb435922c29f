#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, if any are missing.
set -euo pipefail
pakete=(build-essential cmake pkg-config qt6-base-dev libqt6printsupport6 qt6-svg-dev libqt6svg6 libgl-dev
        libgtest-dev libgmock-dev googletest libbenchmark-dev
        qt6-translations-l10n clang-format desktop-file-utils appstream shared-mime-info
        xvfb xauth fonts-dejavu-core locales dpkg-dev)
fehlt=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlt+=("$p")
done
if [ ${#fehlt[@]} -gt 0 ]; then
  echo "Installing: ${fehlt[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${fehlt[@]}"
fi
# The tests check that numbers in files ignore a German locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
  $sudo_cmd locale-gen >/dev/null
fi
