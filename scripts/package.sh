#!/usr/bin/env bash
# Builds the Debian package hcflcm_<version>_<arch>.deb into the top folder,
# from its own Release tree (build-package/) without tests or benchmarks, so
# it needs only the build tools, Qt and GMP. Install it with
#   apt install ./hcflcm_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --package
# Debian's hardening flags, all of them (stack protector, fortified functions,
# read-only relocations bound at start), as dpkg-buildflags gives them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# Installed under /usr, so its private module goes where Debian keeps them:
# /usr/lib/<multiarch>/hcflcm.
cmake -S . -B build-package -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DHCFLCM_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags"
cmake --build build-package -j "$(nproc)"
rm -f build-package/hcflcm_*.deb
(cd build-package && cpack -G DEB)
package=$(ls build-package/hcflcm_*.deb)
rm -f hcflcm_*.deb
mv "$package" .
echo "package: $(pwd)/$(basename "$package")"
