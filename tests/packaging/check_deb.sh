#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks its contents and its control fields.
# Usage: check_deb.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
app_id=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1 || {
    cat "$tmp/cpack.log"
    exit 1
}
debs=("$tmp"/varnel_*.deb)
[[ -f ${debs[0]} ]] || {
    cat "$tmp/cpack.log"
    fail "no varnel_*.deb"
    exit 1
}
deb=${debs[0]}
echo "built $(basename "$deb")"
dpkg-deb -c "$deb" >"$tmp/contents"
for f in usr/bin/varnel usr/bin/sldtool usr/share/applications/$app_id.desktop \
    usr/share/metainfo/$app_id.metainfo.xml \
    usr/share/mime/packages/varnel.xml usr/share/thumbnailers/varnel.thumbnailer \
    usr/share/icons/hicolor/48x48/apps/varnel.png usr/share/man/man1/sldtool.1.gz \
    usr/share/man/man1/varnel.1.gz usr/share/varnel/quorvane.html \
    usr/share/varnel/samples/symbols.slb usr/share/doc/varnel/copyright; do
    grep -q " \./$f\$" "$tmp/contents" || fail "the package lacks $f"
done
if grep -q ' \./usr/local' "$tmp/contents"; then
    fail "files under usr/local"
fi

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == varnel ]] || fail "Package: $(field Package)"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fail "Architecture"
depends=$(field Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libpng16-16 libjpeg62-turbo libuemf0 \
    libdeflate0 libc6 libstdc++6 qt6-qpa-plugins libdxflib3 libhersheyfont0 hershey-fonts-data; do
    grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
[[ $(field Section) == graphics ]] || fail "Section"

# The programs in the package are stripped and run.
dpkg-deb -x "$deb" "$tmp/root"
"$tmp/root/usr/bin/sldtool" --version | grep -q '^sldtool ' || fail "packaged sldtool"
if file "$tmp/root/usr/bin/varnel" | grep -q 'not stripped'; then
    fail "varnel is not stripped"
fi

# apt would find every dependency on this system (when it has package lists to look in).
if command -v apt-get >/dev/null && [[ $(id -u) -eq 0 ]] &&
    apt-cache show libqt6widgets6 >/dev/null 2>&1; then
    apt-get install --simulate --no-install-recommends "$deb" >"$tmp/apt.log" 2>&1 ||
        { cat "$tmp/apt.log"; fail "apt-get install --simulate"; }
fi

if ((failures)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package checks passed"
