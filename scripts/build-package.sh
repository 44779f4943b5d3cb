#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Bridging Demo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the Debian package with Debian's own tools (dpkg-buildpackage and the
# rules in debian/) and leaves it in build/package/. The build runs in a copy of
# the tracked files under build/package/, since dpkg-buildpackage writes what it
# makes into the parent directory of the tree it builds.
#
# The maintainer named in the package is the project's unless DEBFULLNAME and
# DEBEMAIL are set, as a distributor sets them:
#   DEBFULLNAME="A Teacher" DEBEMAIL=teacher@school.example make package
set -euo pipefail
cd "$(dirname "$0")/.."

BRIDGING_EXTRA_PACKAGES="debhelper dpkg-dev fakeroot file lintian" scripts/install-deps.sh

version=$(dpkg-parsechangelog -S Version)
project=$(sed -n 's/^project(bridging_demo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [ "$version" != "$project" ]; then
    echo "build-package: debian/changelog says $version, CMakeLists.txt $project" >&2
    exit 1
fi
if ! grep -q "<release version=\"$version\"" packaging/bridging-demo.metainfo.xml; then
    echo "build-package: the metainfo has no <release> for $version" >&2
    exit 1
fi

out=build/package
work=$out/work
tree=$work/bridging-demo-$version
rm -rf "$work"
mkdir -p "$tree"
# What git tracks and what is new but not ignored: the build sees uncommitted work.
git ls-files -z --cached --others --exclude-standard |
    tar --null --no-recursion -T - -cf - 2>/dev/null | tar -xf - -C "$tree"

if [ -n "${DEBFULLNAME:-}" ] || [ -n "${DEBEMAIL:-}" ]; then
    name=${DEBFULLNAME:-}
    email=${DEBEMAIL:-}
    # DEBEMAIL may carry the name itself: "A Teacher <teacher@school.example>".
    if [[ "$email" =~ ^(.*[^ ])\ *\<(.*)\>$ ]]; then
        name=${name:-${BASH_REMATCH[1]}}
        email=${BASH_REMATCH[2]}
    fi
    if [ -z "$name" ] || [ -z "$email" ]; then
        echo "build-package: set both DEBFULLNAME and DEBEMAIL, or neither" >&2
        exit 1
    fi
    maintainer="$name <$email>"
    sed -i "s|^Maintainer: .*|Maintainer: $maintainer|" "$tree/debian/control"
    sed -i "s|^ -- [^<]*<[^>]*>| -- $maintainer|" "$tree/debian/changelog"
fi

jobs=${JOBS:-$(nproc)}
echo "build-package: dpkg-buildpackage in $tree ($jobs jobs)"
(cd "$tree" && DEB_BUILD_OPTIONS="parallel=$jobs ${DEB_BUILD_OPTIONS:-}" \
    dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1 || {
    tail -n 80 "$work/build.log" >&2
    echo "build-package: failed; the whole log is $work/build.log" >&2
    exit 1
}
grep -E '^(100% tests passed|[0-9]+% tests passed|Total Test time)' "$work/build.log" || true

arch=$(dpkg --print-architecture)
rm -f "$out"/bridging-demo*_"$version"_*
mv "$work"/bridging-demo*_"$version"_"$arch".* "$out"/
mv "$work/build.log" "$out/build.log"
rm -rf "$work"
deb=$out/bridging-demo_${version}_${arch}.deb
echo "build-package: $deb ($(du -k "$deb" | cut -f1) KiB," \
    "$(dpkg-deb -f "$deb" Installed-Size) KiB installed)"
echo "build-package: install it with: sudo apt install ./$deb"
