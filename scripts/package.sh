#!/usr/bin/env bash
# Builds the Debian package: sector-clash_VERSION_ARCH.deb in BUILD_DIR/package/ (build/ unless named),
# from the build scripts/build.sh makes there (with any extra CMake options), then has lintian look at it.
#   bash scripts/package.sh                                          # from build/
#   bash scripts/package.sh build-release -DCMAKE_BUILD_TYPE=Release
# The maintainer and the web address in the package are placeholders until set (README.md, "Installing").
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
scripts/install-deps.sh
scripts/build.sh "$@"
rm -f "$build_dir"/package/*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
package=$(ls "$build_dir"/package/*.deb)
echo "package: $package"
if command -v lintian >/dev/null; then
  lintian "$package"
fi
