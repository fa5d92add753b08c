#!/usr/bin/env bash
# Installs what building and running the program needs on Debian 12.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libqt6sql6-sqlite fonts-dejavu-core poppler-utils)
packages+=(qt6-translations-l10n)  # Qt's own dialogs in Italian
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
