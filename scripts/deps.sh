#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Varnel need, skipping the
# ones already there (quick when everything is installed). Run as root on Debian 12.
# "scripts/deps.sh fuzz" adds what scripts/fuzz.sh needs: clang, its libFuzzer and sanitizer
# runtimes, and the symbolizer that names the lines of a finding's stack.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    zlib1g-dev libdeflate-dev libpng-dev libjpeg-dev libuemf-dev
    # DXF drawings read and written, and the stroke font their texts are drawn in.
    libdxflib-dev libhersheyfont-dev hershey-fonts-data
    qt6-base-dev qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    # Independent readers and viewers the tests check our files with.
    netpbm qpdf poppler-utils libwmf-bin fonts-urw-base35 xvfb xauth python3-ezdxf python3-matplotlib
    # The desktop's tools that check the installed files, and the Debian package's tools.
    desktop-file-utils shared-mime-info xdg-utils libglib2.0-bin man-db groff-base bsdextrautils
    file dpkg-dev appstream
)
for group in "$@"; do
    case "$group" in
    fuzz) packages+=(clang-14 libclang-rt-14-dev llvm-14) ;;
    *)
        echo "deps.sh: unknown group \"$group\" (known: fuzz)" >&2
        exit 2
        ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get -o DPkg::Lock::Timeout=300 update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends \
        -o DPkg::Lock::Timeout=300 "${missing[@]}"
fi
