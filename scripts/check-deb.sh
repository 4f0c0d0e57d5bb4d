#!/usr/bin/env bash
# Builds the Debian package, installs it with apt into a fresh Debian 12 made by
# debootstrap, starts the window there on a virtual display and saves a
# screenshot. Run as root; needs debootstrap and network access to Debian's
# archive. Takes a few minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=${1:-/tmp/tolvar-deb12}

cmake --preset release
cmake --build --preset release
cpack --preset deb
deb=$(ls build/package/tolvar_*_amd64.deb)

[ -d "$root" ] || debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
cp /etc/resolv.conf "$root/etc/"
cp "$deb" "$root/root/"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
trap 'umount "$root/proc" "$root/dev"' EXIT

chroot "$root" bash -c "apt-get update -qq &&
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /root/$(basename "$deb") xvfb xauth x11-apps"
cat > "$root/root/start.sh" <<'SH'
#!/bin/bash
tolvar &
sleep 3
xwd -root -silent -out /root/tolvar.xwd
kill %1
SH
chroot "$root" xvfb-run -a -s "-screen 0 700x690x24" bash /root/start.sh
echo "Tolvar started on Debian 12 from the package; its window is in $root/root/tolvar.xwd"
