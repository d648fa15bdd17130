#!/bin/sh
# Installs the Debian packages the build needs, only those that are missing.
set -e
PACKAGES="cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev sqlite3 iso-codes tzdata python3 qt6-base-dev poppler-utils clang libclang-rt-14-dev fonts-dejavu-core fonts-liberation appstream desktop-file-utils dpkg-dev libswe-dev swe-basic-data"
missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q $missing
