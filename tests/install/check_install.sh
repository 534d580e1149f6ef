#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR as a package would (prefix /usr) and checks
# what a desktop gets from it: exactly the expected files, each accepted by its validator,
# *.rlt files known as our MIME type and opened by trochograph, and programs that run.
#
#   check_install.sh BUILD_DIR VERSION
# Exits 77 (skipped) when a checking tool is missing.
set -euo pipefail

build=$1
version=$2

tools=(desktop-file-validate appstreamcli xmllint mandoc update-mime-database update-desktop-database
       xdg-mime mimetype file)
for tool in "${tools[@]}"; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (tools/install-deps.sh installs it)"
    exit 77
  fi
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/trochograph-install.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root
usr=$root/usr
share=$usr/share

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# Runs a validator; it passes only if it succeeds and says nothing but that it passed: no
# warning, note or hint.
quiet() {
  local output
  if ! output=$("$@" 2>&1) || [ -n "$(grep -v 'Validation was successful' <<<"$output")" ]; then
    fail "$*"
    printf '%s\n' "$output"
  fi
}

# Only the component: a plain install would overwrite the build's install_manifest.txt.
DESTDIR=$root cmake --install "$build" --prefix /usr --component trochograph >/dev/null

# Exactly these files, the programs alone executable.
expected=(
  bin/trochograph
  bin/trochograph-ss
  share/applications/trochograph-ss.desktop
  share/applications/trochograph.desktop
  share/man/man1/trochograph-ss.1.gz
  share/man/man1/trochograph.1.gz
  share/metainfo/org.trochograph.trochograph.metainfo.xml
  share/mime/packages/trochograph.xml
  share/xscreensaver/config/trochograph-ss.xml
)
for side in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${side}x${side}/apps/trochograph.png"
             "share/icons/hicolor/${side}x${side}/apps/trochograph-ss.png"
             "share/icons/hicolor/${side}x${side}/mimetypes/application-x-trochograph-parameters.png")
done
listing=$(cd "$usr" && find . -mindepth 1 \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
if [ "$listing" != "$wanted" ]; then
  fail "installed files differ from the expected ones (< installed, > expected):"
  diff <(echo "$listing") <(echo "$wanted") || true
fi
executables=$(cd "$usr" && find . -type f -perm /111 | sed 's|^\./||' | LC_ALL=C sort)
[ "$executables" = $'bin/trochograph\nbin/trochograph-ss' ] || fail "executable files: $executables"
for icon in "$share"/icons/hicolor/*/*/*.png; do
  side=$(basename "$(dirname "$(dirname "$icon")")")
  file "$icon" | grep -q "PNG image data, ${side/x/ x }, 8-bit/color RGBA" || fail "$icon is not a $side RGBA PNG"
done

# Each file as its validator sees it.
quiet desktop-file-validate "$share/applications/trochograph.desktop"
quiet desktop-file-validate "$share/applications/trochograph-ss.desktop"
quiet appstreamcli validate --no-net --pedantic "$share/metainfo/org.trochograph.trochograph.metainfo.xml"
quiet xmllint --noout "$share/mime/packages/trochograph.xml"
[ ! -f "$share/xscreensaver/config/trochograph-ss.xml" ] ||
  quiet xmllint --noout "$share/xscreensaver/config/trochograph-ss.xml"
for page in "$share"/man/man1/*.gz; do
  quiet bash -c 'gzip -dc "$1" | mandoc -T lint -W warning' - "$page"
done

# The databases a desktop builds from them; the MIME tool remarks on a folder outside
# XDG_DATA_DIRS.
XDG_DATA_DIRS=$share quiet update-mime-database "$share/mime"
quiet update-desktop-database "$share/applications"

# xdg-mime without a desktop session takes its generic path, which reads only the XDG
# folders given here; the user's own settings and the system's stay out of it.
mkdir -p "$tmp/home" "$tmp/data" "$tmp/config"
head -c 100 /dev/zero >"$tmp/x.rlt"
xdg() {
  env -i PATH="$PATH" HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" \
    XDG_CONFIG_DIRS="$tmp/config" XDG_DATA_DIRS="$share" xdg-mime "$@" 2>&1 || true
}
type=$(xdg query filetype "$tmp/x.rlt")
[ "$type" = application/x-trochograph-parameters ] || fail "xdg-mime query filetype x.rlt: '$type'"
handler=$(xdg query default application/x-trochograph-parameters)
[ "$handler" = trochograph.desktop ] || fail "xdg-mime query default: '$handler'"

# The installed programs run and report the project's version.
for program in trochograph trochograph-ss; do
  reported=$("$usr/bin/$program" --version 2>&1) || fail "$program --version exited with $?"
  [ "$reported" = "$program $version" ] || fail "$program --version: '$reported'"
done

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed tree checked: ${#expected[@]} files"
