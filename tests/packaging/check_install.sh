#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds there: the files,
# the .desktop entry, the file types (with the desktop's own MIME lookup), the default program
# for a slide, the thumbnailer entry run as a file manager runs it, and the man pages.
# Usage: check_install.sh BUILD_DIR SOURCE_DIR APP_ID
set -euo pipefail
build=$1
source=$2
app_id=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || {
    cat "$tmp/install.log"
    exit 1
}

# ---- The files ----
have_app=0
[[ -x $build/src/app/varnel ]] && have_app=1
expect=(bin/sldtool share/varnel/samples share/mime/packages/varnel.xml
    share/thumbnailers/varnel.thumbnailer share/man/man1/sldtool.1.gz share/doc/varnel/copyright)
if ((have_app)); then
    expect+=(bin/varnel share/varnel/quorvane.html share/applications/$app_id.desktop
        share/metainfo/$app_id.metainfo.xml
        share/man/man1/varnel.1.gz)
fi
for f in "${expect[@]}"; do
    [[ -e $prefix/$f ]] || fail "missing $f"
done
for f in "$source"/samples/*; do
    cmp -s "$f" "$prefix/share/varnel/samples/$(basename "$f")" || fail "sample $(basename "$f")"
done
# Nothing but the programs in bin/.
extra=$(find "$prefix/bin" -mindepth 1 ! -name varnel ! -name sldtool)
[[ -z $extra ]] || fail "more than the programs in bin/: $extra"

# PNG width and height from the IHDR chunk.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'; }
for size in 16 22 24 32 48 64 128 256; do
    for icon in apps/varnel mimetypes/application-x-autocad-slide \
        mimetypes/application-x-autocad-slide-library mimetypes/text-x-autocad-hatch-pattern; do
        f=$prefix/share/icons/hicolor/${size}x${size}/$icon.png
        if [[ ! -f $f ]]; then
            fail "missing icon $f"
        elif [[ $(png_size "$f") != "${size}x${size}" ]]; then
            fail "$f is $(png_size "$f")"
        fi
    done
done

# ---- The .desktop entry ----
if ((have_app)); then
    desktop=$prefix/share/applications/$app_id.desktop
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
    grep -qx 'Exec=varnel %F' "$desktop" || fail "Exec line"
    grep -qx 'Icon=varnel' "$desktop" || fail "Icon line"
    for type in application/x-autocad-slide application/x-autocad-slide-library \
        text/x-autocad-hatch-pattern; do
        grep -q "^MimeType=.*$type;" "$desktop" || fail "MimeType lacks $type"
    done
fi

# ---- AppStream: valid as software centres read it, naming the .desktop entry, the three file
# types, the licence, and screenshots that are the committed pictures ----
if ((have_app)); then
    meta=$prefix/share/metainfo/$app_id.metainfo.xml
    appstreamcli validate --no-net "$meta" >"$tmp/appstream.log" 2>&1 ||
        { cat "$tmp/appstream.log"; fail "appstreamcli validate"; }
    grep -q "<id>$app_id</id>" "$meta" || fail "metainfo id"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$meta" ||
        fail "metainfo launchable"
    grep -q '<project_license>GPL-2.0-only</project_license>' "$meta" || fail "metainfo licence"
    for type in application/x-autocad-slide application/x-autocad-slide-library \
        text/x-autocad-hatch-pattern; do
        grep -q "<mediatype>$type</mediatype>" "$meta" || fail "metainfo lacks $type"
    done
    for url in $(sed -n 's:.*<image[^>]*>\(.*\)</image>.*:\1:p' "$meta"); do
        f=$source/packaging/screenshots/$(basename "$url")
        [[ -f $f ]] || fail "screenshot $url is not in packaging/screenshots"
        [[ $(png_size "$f") == 890x570 ]] || fail "screenshot $f is $(png_size "$f")"
    done
    grep -q '<content_rating type="oars-1.1"' "$meta" || fail "metainfo content rating"
fi

# ---- File types, as the desktop's MIME lookup sees them ----
data=$tmp/data
mkdir -p "$data/mime/packages" "$data/applications"
cp "$prefix/share/mime/packages/varnel.xml" "$data/mime/packages/"
update-mime-database "$data/mime" >/dev/null 2>&1 || fail "update-mime-database"
files=$tmp/files
mkdir -p "$files"
cp "$source"/samples/* "$files/"
cp "$files/floorplan.sld" "$files/floorplan-copy"
cp "$files/gear.sld" "$files/GEAR.SLD"
cp "$files/symbols.slb" "$files/library-copy"
lookup() {
    XDG_DATA_HOME=$data XDG_DATA_DIRS=/usr/share XDG_CURRENT_DESKTOP=GNOME \
        xdg-mime query filetype "$1" 2>/dev/null
}
check_type() {
    local got
    got=$(lookup "$1")
    [[ $got == "$2" ]] || fail "$(basename "$1") is \"$got\", not $2"
}
for f in "$files"/*.sld "$files/GEAR.SLD" "$files/floorplan-copy"; do
    check_type "$f" application/x-autocad-slide
done
check_type "$files/symbols.slb" application/x-autocad-slide-library
check_type "$files/library-copy" application/x-autocad-slide-library
for f in "$files"/*.pat; do
    check_type "$f" text/x-autocad-hatch-pattern
done

# The installed entry is the program that a double click on a slide runs.
if ((have_app)); then
    cp "$desktop" "$data/applications/"
    update-desktop-database "$data/applications" 2>/dev/null || true
    for type in application/x-autocad-slide application/x-autocad-slide-library; do
        got=$(XDG_DATA_HOME=$data XDG_DATA_DIRS=/usr/share XDG_CONFIG_HOME=$tmp/config \
            XDG_CURRENT_DESKTOP=GNOME xdg-mime query default "$type" 2>/dev/null)
        [[ $got == $app_id.desktop ]] || fail "default for $type is \"$got\""
    done
fi

# ---- The thumbnailer, run as a file manager runs its Exec line ----
entry=$prefix/share/thumbnailers/varnel.thumbnailer
grep -qx '\[Thumbnailer Entry\]' "$entry" || fail "thumbnailer group"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[[ $exec_line == 'sldtool thumbnail -s %s %i %o' ]] || fail "thumbnailer Exec: $exec_line"
grep -q '^MimeType=application/x-autocad-slide;application/x-autocad-slide-library;text/x-autocad-hatch-pattern;$' "$entry" ||
    fail "thumbnailer MimeType"
thumb() { # IN SIZE OUT
    local cmd=${exec_line//%s/$2}
    cmd=${cmd//%i/\'$1\'}
    cmd=${cmd//%o/\'$3\'}
    PATH=$prefix/bin:/usr/bin:/bin eval "$cmd"
}
thumb "$files/floorplan-copy" 256 "$tmp/t1.png" || fail "thumbnail of a slide"
[[ $(png_size "$tmp/t1.png") == 256x171 ]] || fail "slide thumbnail is $(png_size "$tmp/t1.png")"
thumb "$files/symbols.slb" 128 "$tmp/t2.png" || fail "thumbnail of a library"
[[ $(png_size "$tmp/t2.png") == 128x128 ]] || fail "library thumbnail is $(png_size "$tmp/t2.png")"
thumb "$files/hatches.pat" 512 "$tmp/t3.png" || fail "thumbnail of a pattern file"
[[ $(png_size "$tmp/t3.png") == 512x512 ]] || fail "pattern thumbnail is $(png_size "$tmp/t3.png")"
head -c 40 "$files/floorplan.sld" >"$tmp/damaged.sld"
if thumb "$tmp/damaged.sld" 128 "$tmp/t4.png" 2>"$tmp/err"; then
    fail "a damaged slide got a thumbnail"
fi
grep -q "damaged.sld" "$tmp/err" || fail "the error does not name the file: $(cat "$tmp/err")"
[[ ! -e $tmp/t4.png ]] || fail "a damaged slide left a picture"

# ---- Man pages ----
pages=(sldtool)
((have_app)) && pages+=(varnel)
for page in "${pages[@]}"; do
    f=$prefix/share/man/man1/$page.1.gz
    warnings=$(zcat "$f" | groff -man -ww -z -Tutf8 2>&1) || fail "groff $page"
    [[ -z $warnings ]] || fail "groff warnings in $page.1: $warnings"
    text=$(MANWIDTH=80 man -l "$f" 2>/dev/null | col -b)
    grep -q "^NAME" <<<"$text" || fail "$page.1 has no NAME section"
    grep -Eq "^ *$page[[:space:]]+- " <<<"$text" || fail "$page.1: NAME line"
done
zcat "$prefix/share/man/man1/sldtool.1.gz" | grep -q '^\.BR thumbnail' || fail "sldtool.1 lacks thumbnail"
zcat "$prefix/share/man/man1/sldtool.1.gz" | grep -q '@VERSION@' && fail "sldtool.1 version not filled in"

if ((failures)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "install checks passed"
