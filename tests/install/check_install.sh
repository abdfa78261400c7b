#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Brimlet developers

# Installs a build tree into a scratch prefix (or builds the Debian packages)
# and checks one aspect of the result.
# Usage: check_install.sh CHECK BUILD_DIR VERSION CMAKE
# Exit status 77 means a tool the check needs is not installed (the test is
# reported as skipped).
set -euo pipefail

check=$1 build=$2 version=$3 cmake=$4
app_id=io.github.brimlet.Brimlet
icon_sizes=(16 22 24 32 48 64 128 256)

scratch=$(mktemp -d)
# Installing rewrites the build tree's install_manifest.txt, which
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
    [[ -f $prefix/share/zsh/site-functions/_brimlet ]] || fail "no zsh completion"
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

# The source tree as a fresh clone has it, with any uncommitted change: git's
# files, or everything but build trees where the source is no git checkout.
copy_source() { # SOURCE TARGET
    mkdir -p "$2"
    if git -C "$1" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git -C "$1" ls-files -z -co --exclude-standard | tar -C "$1" --null -T - --ignore-failed-read -cf - 2>/dev/null
    else
        tar -C "$1" --exclude='./build*' --exclude='./obj-*' -cf - .
    fi | tar -C "$2" -xf -
}

# Builds both Debian packages and the source package from a copy of the tree
# (in BUILD_DIR/debian-package, kept for a look), as dpkg-buildpackage does on
# a fresh clone, without the tests (the suite runs them).
check_debian() {
    need dpkg-buildpackage dh lintian git
    local source work tree log
    source=$(cd "$(dirname "$0")/../.." && pwd)
    work=$build/debian-package
    rm -rf "$work"
    tree=$work/brimlet-$version
    copy_source "$source" "$tree"
    local upstream
    upstream=$(cd "$tree" && dpkg-parsechangelog -S Version)
    [[ ${upstream%-*} == "$version" ]] || fail "debian/changelog is at $upstream, the project at $version"
    tar -C "$tree" --exclude=./debian --transform "s,^\\.,brimlet-$version," -cJf "$work/brimlet_$version.orig.tar.xz" .
    # A commit of the copy shows what the build changes in the tree.
    git -C "$tree" init -q && git -C "$tree" add -A && git -C "$tree" -c user.name=check -c user.email=check@localhost commit -qm tree
    log=$work/build.log
    # ccache, where installed, keeps a second build quick (debhelper moves HOME, so the cache is named).
    if command -v ccache >/dev/null; then
        export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_DIR=${CCACHE_DIR:-$(ccache -k cache_dir)}
    fi
    (cd "$tree" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc -Pnocheck) >"$log" 2>&1 \
        || { tail -n 40 "$log" >&2; fail "dpkg-buildpackage failed (log: $log)"; return; }
    [[ -z $(git -C "$tree" status --porcelain) ]] || fail "building changed the tree: $(git -C "$tree" status --porcelain)"
    (cd "$tree" && dpkg-buildpackage -T clean) >>"$log" 2>&1
    [[ -z $(git -C "$tree" status --porcelain --ignored) ]] \
        || fail "debian/rules clean leaves: $(git -C "$tree" status --porcelain --ignored)"

    # The package build lets warnings pass (debian/rules); here under Debian's flags there must be none.
    ! grep -E '(warning|error):' "$log" | grep -v '^dpkg-source: warning: .*ignoring' || fail "the package build warns"
    # blhc tells which hardening Debian asked for from the flags themselves (gcc makes PIE
    # without being asked, so --all, which wants -fPIE written out, would be wrong here).
    if command -v blhc >/dev/null; then
        blhc "$log" || fail "blhc: Debian's build flags were not all used"
    fi
    # The source package and both binary packages (and their debug symbols).
    lintian --fail-on error,warning "$work"/brimlet_"$upstream"_*.changes >"$work/lintian.log" 2>&1 \
        || fail "lintian: $(cat "$work/lintian.log")"
    grep -v '^running with root privileges' "$work/lintian.log" || true

    local arch deb tool
    arch=$(dpkg --print-architecture)
    deb=$work/brimlet_${upstream}_$arch.deb tool=$work/brimlet-tool_${upstream}_$arch.deb
    [[ -f $deb && -f $tool ]] || { fail "not both packages: $(ls "$work")"; return; }
    [[ $(dpkg-deb -f "$deb" Depends) == *"brimlet-tool (= $upstream)"* ]] \
        || fail "brimlet does not depend on brimlet-tool $upstream: $(dpkg-deb -f "$deb" Depends)"
    [[ $(dpkg-deb -f "$tool" Depends) =~ ^libc6\ \(\>=\ [0-9.]+\)$ ]] \
        || fail "brimlet-tool depends on more than the C library: $(dpkg-deb -f "$tool" Depends)"
    [[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] || fail "brimlet does not recommend qt6-wayland"

    # The programs run from the unpacked packages, hardened as Debian builds them.
    local root=$scratch/root program
    dpkg-deb -x "$tool" "$root" && dpkg-deb -x "$deb" "$root"
    for program in brimlet brimlet-tool; do
        [[ $("$root/usr/bin/$program" --version | head -n 1) == "$program $version" ]] || fail "$program --version"
        [[ -f $root/usr/share/doc/$program/copyright && -f $root/usr/share/bash-completion/completions/$program ]] \
            || fail "$program lacks its copyright file or completion"
        # Debian 12 asks for no control flow protection. brimlet-tool's
        # fortifiable calls are all in its static libstdc++, which is built without.
        local unasked=(--nocfprotection)
        [[ $program == brimlet-tool ]] && unasked+=(--nofortify)
        if command -v hardening-check >/dev/null; then
            hardening-check "${unasked[@]}" "$root/usr/bin/$program" || fail "hardening-check $program"
        fi
    done
    [[ -f $root/usr/share/zsh/vendor-completions/_brimlet ]] || fail "no zsh completion in the packages"
    [[ $("$root/usr/bin/brimlet-tool" --tool length --set Input=1 --press m | sed -n 2p) == $'Meters\t1' ]] \
        || fail "the packaged brimlet-tool does not convert"

    # The web edition: the whole site, each file as its service worker lists it.
    local web=$work/brimlet-web_${upstream}_all.deb site=$root/usr/share/brimlet/web
    [[ -f $web ]] || { fail "no brimlet-web package: $(ls "$work")"; return; }
    dpkg-deb -x "$web" "$root"
    [[ -f $site/index.html && -f $site/brimlet.wasm ]] || fail "brimlet-web lacks the site"
    grep -oE '"[^"]+" : "[0-9a-f]{64}"' "$site/service_worker.js" | sed -E 's/"(.*)" : "(.*)"/\2  \1/' \
        | grep -v '  version$' | (cd "$site" && sha256sum --quiet --strict -c -) \
        || fail "the packaged site is not the one its service worker lists"
}

case $check in
    layout) check_layout ;;
    desktop-entry) check_desktop_entry ;;
    metainfo) check_metainfo ;;
    man-page) check_man_page ;;
    debian) check_debian ;;
    *) echo "unknown check '$check'" >&2; exit 2 ;;
esac
if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "ok: $check"
