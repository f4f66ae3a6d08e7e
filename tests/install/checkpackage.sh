#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a user's machine would get
# it: lintian finds no error, apt could install it, and the program, its manual page and its
# software-centre entry work from the unpacked files alone.
# Usage: checkpackage.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
fail() { echo "checkpackage: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/out/lunaria_*.deb)

# Debian's package checker.
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 \
  || { cat "$work/lintian.log" >&2; fail "lintian reports errors"; }
apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log" >&2; fail "apt could not install the package"; }

root=$work/root
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/lunaria
export QT_QPA_PLATFORM=offscreen HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_DATA_DIRS=$root/usr/share
mkdir -p "$HOME"

version=$("$program" --version)
[ "$version" = "lunaria $(dpkg-deb -f "$deb" Version | cut -d. -f1,2)" ] || fail "--version says '$version'"
"$program" --list-printers | grep -q "PDF file" || fail "--list-printers does not list the PDF device"

# The translations, found by the installed program beside itself.
for language in de fr; do
  [ -s "$root/usr/share/lunaria/translations/lunaria_$language.qm" ] || fail "the package lacks the $language translation"
done
german=$(LC_ALL= LANGUAGE= LANG=de_DE.UTF-8 "$program" --help)
grep -q "Steuerdatei" <<<"$german" || fail "the installed program does not load its German translation"

# An installed example, and the installed holiday files.
examples=$root/usr/share/doc/lunaria/examples
"$program" --print "$examples/family.txt" --to "$work/family.pdf" || fail "--print of the family example failed"
pdftotext "$work/family.pdf" - | grep -q "Lindqvist" || fail "the family page lacks its header"
[ -s "$examples/family_dl.txt" ] || fail "no date-list file beside the example"
printf 'YER 2027\r\nHDR Holidays\r\nHOL DE-BY\r\n' >"$work/bavaria.txt"
"$program" --print "$work/bavaria.txt" --to "$work/bavaria.pdf" || fail "--print with holidays failed"
grep -q "January 01  Public holidays (Bavaria) - New Year's Day" "$work/bavaria_dl.txt" \
  || fail "the holidays were not marked from the installed files"

# The manual page renders without a warning and names every option --help prints.
page=$root/usr/share/man/man1/lunaria.1.gz
warnings=$(MANWIDTH=80 man -l --warnings "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns: $warnings"
source=$(gzip -dc "$page")
for option in $("$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -q -- "${option//-/\\\\-}" <<<"$source" || fail "the manual page does not describe $option"
done

appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$work/appstream.log" 2>&1 \
  || { cat "$work/appstream.log" >&2; fail "the AppStream entry does not validate"; }
echo "checkpackage: $(basename "$deb") passes"
