#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# Makes the release of the committed tree (HEAD) in dist/, and prints that
# folder's path as its last line. dist/ then holds:
#   discordanza-VERSION.tar.gz            the source tarball (git archive)
#   discordanza_VERSION-REV_ARCH.deb ...  the binary packages, built from
#                                         that tarball with dpkg-buildpackage
#   discordanza_VERSION-REV.dsc, .debian.tar.xz, _VERSION.orig.tar.gz
#                                         the Debian source package, for
#                                         building in a clean chroot
#   discordanza-VERSION.html              the web edition, one file
#   Packages, Packages.gz, Sources, Sources.gz, Release
#                                         a flat apt repository of the folder
#   SHA256SUMS                            the checksums of all of the above
# The package's tests run during its build unless DEB_BUILD_OPTIONS has
# nocheck. Sign the repository with the office's key afterwards (README,
# "Deploying").
#   scripts/release.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
fail() { echo "release: $*" >&2; exit 1; }

scripts/setup.sh release
scripts/check-versions.sh >/dev/null
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
  fail "the tree has uncommitted changes; a release is made of a commit: commit them first"

version=$(sed -n 's/^project(discordanza VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
dist=$root/dist
work=$root/build-release
rm -rf "$dist" "$work"
mkdir -p "$dist" "$work"

# 1. The source tarball, and the package's build from it.
tarball=discordanza-$version.tar.gz
git archive --format=tar.gz --prefix="discordanza-$version/" --output="$dist/$tarball" HEAD
cp "$dist/$tarball" "$work/discordanza_$version.orig.tar.gz"
tar -xzf "$dist/$tarball" -C "$work"
source=$work/discordanza-$version
profiles=()
[[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]] && profiles=(-Pnocheck)
echo "== the packages, from $tarball"
(cd "$source" && dpkg-buildpackage -us -uc -jauto "${profiles[@]}" >"$work/package.log" 2>&1) ||
  { tail -n 40 "$work/package.log" >&2; fail "dpkg-buildpackage failed (log: $work/package.log)"; }
cp "$work"/*.deb "$work"/*.dsc "$work"/*.debian.tar.* "$work"/*.orig.tar.gz "$dist"/

# 2. The web edition, from the same source.
echo "== the web edition"
(cd "$source" && cmake --preset web >/dev/null && cmake --build --preset web >"$work/web.log" 2>&1) ||
  { tail -n 40 "$work/web.log" >&2; fail "the web build failed (log: $work/web.log)"; }
cp "$source/build-web/web/discordanza.html" "$dist/discordanza-$version.html"

# 3. The flat apt repository: the indexes of the packages and sources in the
# folder, and the Release file that names their checksums.
cd "$dist"
apt-ftparchive packages . >Packages 2>/dev/null
apt-ftparchive sources . >Sources 2>/dev/null
gzip -9nk Packages Sources
apt-ftparchive \
  -o APT::FTPArchive::Release::Origin="discordanza" \
  -o APT::FTPArchive::Release::Label="discordanza" \
  -o APT::FTPArchive::Release::Codename="discordanza" \
  -o APT::FTPArchive::Release::Description="discordanza $version" \
  release . >"$work/Release"
mv "$work/Release" Release

# 4. The checksums of every file, and their check.
sha256sum -- * >"$work/SHA256SUMS"
mv "$work/SHA256SUMS" SHA256SUMS
sha256sum --quiet -c SHA256SUMS || fail "SHA256SUMS does not verify"
rm -rf "$work"
ls -l "$dist" | tail -n +2
echo "$dist"
