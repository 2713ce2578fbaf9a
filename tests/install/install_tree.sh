#!/usr/bin/env bash
# Installs the built game into a temporary prefix and checks the tree: the
# program, the shipped files as they are in assets/, the menu entry, icon,
# file type and metadata, each valid where Debian's validators are installed.
# Usage: install_tree.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
source="$2"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "$*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/drippo" ] || fail "no bin/drippo"
for kind in tab wav mid; do
  diff -r "$source/assets/$kind" "$prefix/share/drippo/$kind" || fail "share/drippo/$kind differs from assets/$kind"
done

id=org.drippo.Drippo
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
mime="$prefix/share/mime/packages/$id.xml"
icon="$prefix/share/icons/hicolor/scalable/apps/$id.svg"
for f in "$desktop" "$metainfo" "$mime" "$icon"; do [ -s "$f" ] || fail "missing ${f#"$prefix"/}"; done

# Nothing else: no build leftovers, no manifest, no level sources.
expected=$( (cd "$source/assets" && find tab wav mid -type f | sed 's|^|share/drippo/|');
            echo bin/drippo; echo "${desktop#"$prefix"/}"; echo "${metainfo#"$prefix"/}";
            echo "${mime#"$prefix"/}"; echo "${icon#"$prefix"/}")
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||')
diff <(sort <<<"$expected") <(sort <<<"$actual") || fail "the installed tree is not the expected one"

# The entry starts the game on a level file, the file type is the one the
# entry and the metadata name, and the icon is found by the entry's name.
grep -qx 'Exec=drippo %f' "$desktop" || fail "the entry does not pass the file to the game"
grep -qx 'Icon=org.drippo.Drippo' "$desktop" || fail "the entry's icon is not the installed one"
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime")
grep -q '<glob pattern="\*\.tab"/>' "$mime" || fail "the file type does not cover *.tab"
grep -qx "MimeType=$type;" "$desktop" || fail "the entry does not open $type"
grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "the metadata does not name $type"
grep -q "<release version=\"$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")\"" "$metainfo" ||
  fail "the metadata's release is not the project's version"
grep -q '<svg' "$icon" || fail "the icon is not an SVG picture"

if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
if command -v appstreamcli >/dev/null; then appstreamcli validate --no-net "$metainfo" >/dev/null; fi
echo "installed tree as expected"
