#!/bin/bash
# Installs a build tree into a scratch prefix (or packs it) and checks one
# aspect of the result.
# Usage: check_install.sh CHECK BUILD_DIR VERSION CMAKE CPACK
# Exit status 77 means a tool the check needs is not installed (the test is
# reported as skipped).
set -euo pipefail

check=$1 build=$2 version=$3 cmake=$4 cpack=$5
app_id=io.github.brimlet.Brimlet
icon_sizes=(16 22 24 32 48 64 128 256)

scratch=$(mktemp -d)
# Installing (cpack too) rewrites the build tree's install_manifest.txt, which
# may be all a user has to uninstall a real installation with: put it back.
manifest=$build/install_manifest.txt
if [[ -f $manifest ]]; then
    cp -p "$manifest" "$scratch/manifest"
fi
restore_manifest() {
    if [[ -f $scratch/manifest ]]; then
        cp -p "$scratch/manifest" "$manifest"
    else
        rm -f "$manifest"
    fi
    rm -rf "$scratch"
}
trap restore_manifest EXIT
prefix=$scratch/usr
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

need() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "skipped: $tool is not installed"
            exit 77
        fi
    done
}

install_tree() {
    DESTDIR= "$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" \
        || { cat "$scratch/install.log" >&2; exit 1; }
}

# Width and height from a PNG's IHDR chunk.
png_size() {
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' \n' ' ')
    read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$bytes"
    echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}

desktop_key() { # file key
    sed -n "s/^$2=//p" "$1" | head -n 1
}

check_layout() {
    install_tree
    local exe=$prefix/bin/brimlet
    [[ -x $exe ]] || fail "no executable $exe"

    local desktop=$prefix/share/applications/$app_id.desktop
    local metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
    [[ -f $desktop ]] || fail "no desktop entry $desktop"
    [[ -f $metainfo ]] || fail "no metainfo $metainfo"
    [[ -f $prefix/share/icons/hicolor/scalable/apps/brimlet.svg ]] || fail "no scalable icon"
    for size in "${icon_sizes[@]}"; do
        local png=$prefix/share/icons/hicolor/${size}x${size}/apps/brimlet.png
        if [[ ! -f $png ]]; then
            fail "no ${size}x${size} icon"
        elif [[ $(png_size "$png") != "${size}x${size}" ]]; then
            fail "$png is $(png_size "$png"), not ${size}x${size}"
        fi
    done
    local extra
    extra=$(find "$prefix/share/icons" -type f ! -name brimlet.png ! -name brimlet.svg)
    [[ -z $extra ]] || fail "stray files among the icons: $extra"

    local program
    for program in brimlet brimlet-tool; do
        [[ -f $prefix/share/bash-completion/completions/$program ]] || fail "no bash completion of $program"
        local man=$prefix/share/man/man1/$program.1.gz
        if [[ ! -f $man ]]; then
            fail "no man page $man"
            continue
        fi
        gzip -t "$man" || fail "$man is not valid gzip"
        gzip -dc "$man" | grep -q "^\.TH ${program^^} 1 .*\"Brimlet $version\"" \
            || fail "the man page of $program does not name version $version"
        # Every option the program lists must be described in its man page.
        local page options
        page=$(gzip -dc "$man")
        options=$("$prefix/bin/$program" --help | grep -oE '(^|[ ,])--?[a-z]+' | tr -d ' ,' | sort -u)
        [[ -n $options ]] || fail "$program --help lists no options"
        for option in $options; do
            grep -qF -- "${option//-/\\-}" <<<"$page" || fail "the man page of $program does not describe $option"
        done
    done
    # The command line runs where no graphical library is installed.
    local tool=$prefix/bin/brimlet-tool
    [[ -x $tool ]] || fail "no executable $tool"
    if ldd "$tool" | grep -iE 'libQt|libX|libxcb|libGL'; then
        fail "brimlet-tool links a graphical library"
    fi

    if [[ -f $desktop ]]; then
        [[ $(desktop_key "$desktop" Exec) == "brimlet %f" ]] || fail "Exec is not 'brimlet %f'"
        [[ -x $prefix/bin/$(desktop_key "$desktop" Exec | cut -d' ' -f1) ]] \
            || fail "Exec names no installed program"
        [[ -f $prefix/share/icons/hicolor/scalable/apps/$(desktop_key "$desktop" Icon).svg ]] \
            || fail "Icon names no installed icon"
        [[ $(desktop_key "$desktop" Name) == "Brimlet 5" ]] || fail "Name is not 'Brimlet 5'"
    fi
    if [[ -f $metainfo ]]; then
        grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo id is not $app_id"
        grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
            || fail "the metainfo does not launch $app_id.desktop"
        local newest
        newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
        [[ $newest == "$version" ]] || fail "the newest release in the metainfo is '$newest', not $version"
    fi

    # --version: the name and version, then the copyright, the licence and no warranty, as GNU programs say it.
    for program in brimlet brimlet-tool; do
        local said
        said=$("$prefix/bin/$program" --version)
        [[ $(head -n 1 <<<"$said") == "$program $version" ]] || fail "installed $program --version: $said"
        grep -qx 'License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.' <<<"$said" \
            || fail "$program --version names no licence"
        grep -qx 'There is NO WARRANTY, to the extent permitted by law.' <<<"$said" \
            || fail "$program --version does not disclaim warranty"
    done
}

check_desktop_entry() {
    need desktop-file-validate
    install_tree
    local out
    out=$(desktop-file-validate "$prefix/share/applications/$app_id.desktop" 2>&1) \
        || fail "desktop-file-validate: $out"
    # Hints are advice; errors and warnings are not.
    if grep -qE ': (error|warning):' <<<"$out"; then
        fail "desktop-file-validate: $out"
    fi
}

check_metainfo() {
    need appstreamcli
    install_tree
    appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" \
        || fail "appstreamcli validate"
    # The tree check also ties the metainfo to its desktop entry and icon.
    appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"
}

check_man_page() {
    need man
    install_tree
    local warnings page
    for page in brimlet brimlet-tool; do
        warnings=$(man --warnings -E UTF-8 -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null) \
            || fail "man could not format the page of $page"
        [[ -z $warnings ]] || fail "man page warnings of $page: $warnings"
    done
}

check_package() {
    need dpkg-deb dpkg-shlibdeps
    "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pack" >"$scratch/cpack.log" \
        || { cat "$scratch/cpack.log" >&2; exit 1; }
    local deb=$scratch/pack/brimlet_${version}_amd64.deb tool=$scratch/pack/brimlet-tool_${version}_amd64.deb
    [[ -f $deb && -f $tool ]] || { fail "cpack made not both packages: $(ls "$scratch/pack")"; return; }
    [[ $(dpkg-deb -f "$deb" Package) == brimlet ]] || fail "package name"
    [[ $(dpkg-deb -f "$tool" Package) == brimlet-tool ]] || fail "package name of brimlet-tool"
    [[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version"
    [[ $(dpkg-deb -f "$tool" Version) == "$version" ]] || fail "package version of brimlet-tool"
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    for dependency in "brimlet-tool (= $version)" fonts-liberation2 libqt6widgets6 libqt6gui6 libqt6core6 \
        libx11-6 libc6; do
        grep -qE "(^|, )${dependency//[()]/.}( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
    done
    [[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] || fail "brimlet does not recommend qt6-wayland"
    depends=$(dpkg-deb -f "$tool" Depends)
    grep -qE "(^|, )libc6( |,|$)" <<<"$depends" || fail "brimlet-tool's Depends lacks libc6: $depends"
    if grep -qiE 'qt|x11|xcb|fonts' <<<"$depends"; then
        fail "brimlet-tool depends on a graphical package: $depends"
    fi
    local contents
    contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
    for path in ./usr/bin/brimlet ./usr/share/applications/$app_id.desktop \
        ./usr/share/metainfo/$app_id.metainfo.xml ./usr/share/man/man1/brimlet.1.gz \
        ./usr/share/icons/hicolor/scalable/apps/brimlet.svg \
        ./usr/share/icons/hicolor/48x48/apps/brimlet.png; do
        grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
    done
    contents=$(dpkg-deb -c "$tool" | awk '{print $NF}' | grep -v '/$')
    [[ $contents == "./usr/bin/brimlet-tool"$'\n'"./usr/share/bash-completion/completions/brimlet-tool"$'\n'"./usr/share/man/man1/brimlet-tool.1.gz" ]] \
        || fail "brimlet-tool's package holds: $contents"
}

case $check in
    layout) check_layout ;;
    desktop-entry) check_desktop_entry ;;
    metainfo) check_metainfo ;;
    man-page) check_man_page ;;
    package) check_package ;;
    *) echo "unknown check '$check'" >&2; exit 2 ;;
esac
if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "ok: $check"
