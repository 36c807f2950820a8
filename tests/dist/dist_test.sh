#!/bin/bash
# Checks the release files of make dist. Usage: tests/dist/dist_test.sh DIST WORK VERSION
#   DIST     the folder with the release files (build/dist)
#   WORK     a scratch folder, emptied first (it gets a fresh Wine prefix)
#   VERSION  the project version the files must carry
# The Windows checks start programs under Wine and look for their windows on $DISPLAY
# (make test-dist runs this inside Xvfb).
set -u
dist=$(cd "$1" && pwd)
work=$2
version=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
failures=0

pass() { echo "ok    $*"; }
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)

deb=$dist/vardek-cli_${version}_amd64.deb
tarball=$dist/vardek-cli-${version}-linux-x86_64.tar.gz
zip=$dist/Vardek-${version}-win64.zip
setup=$dist/Vardek-${version}-setup.exe
for file in "$deb" "$tarball" "$zip" "$setup"; do
  check "release file $(basename "$file")" test -s "$file"
done

# --- The Debian package -------------------------------------------------------
check "lintian reports no error on the .deb" lintian --fail-on error "$deb"
dpkg-deb -x "$deb" "$work/deb"
cli=$work/deb/usr/bin/vardek-cli
check "the packaged vardek-cli prints its version" test "$("$cli" --version)" = "Vardek $version"
check "the .deb depends on libc6 and libarchive13 only" \
  test "$(dpkg-deb -f "$deb" Depends | tr -d ' ' | sed 's/([^)]*)//g' | tr ',' '\n' | sort | paste -sd,)" = "libarchive13,libc6"
check "the .deb is in section utils" test "$(dpkg-deb -f "$deb" Section)" = utils
check "the .deb has a copyright file" test -s "$work/deb/usr/share/doc/vardek-cli/copyright"

# The commands, as vardek-cli --help lists them.
commands=$("$cli" --help | sed -n 's/^  vardek-cli \([a-z-]*\).*/\1/p' | sort)
page=$(MANWIDTH=100 man -l "$work/deb/usr/share/man/man1/vardek-cli.1.gz" 2>/dev/null)
check "man -l renders vardek-cli(1)" grep -q '^NAME' <<<"$page"
check "the manual page names itself vardek-cli" grep -q 'vardek-cli - catalogue' <<<"$page"
for command in $commands; do
  check "the manual page shows the command $command" grep -q "vardek-cli $command" <<<"$page"
done
check "the manual page carries version $version" grep -q "vardek-cli $version" <<<"$page"

# Completion: what bash offers after "vardek-cli " and inside "find".
complete_words() {  # complete_words WORD... (the last one is the word being completed)
  bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$0"
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    _vardek_cli vardek-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
    printf "%s\n" "${COMPREPLY[@]}"' \
    "$work/deb/usr/share/bash-completion/completions/vardek-cli" "$@" | sort
}
check "completion offers every command of --help (and help)" \
  test "$(complete_words vardek-cli '')" = "$(printf '%s\nhelp\n' "$commands" | sort)"
check "completion offers the options of find" \
  test "$(complete_words vardek-cli find --)" = "$(printf '%s\n' --all --disc --folders --format --help --reverse --since --sort --until | sort)"
check "completion offers the columns of find --sort" \
  test "$(complete_words vardek-cli find --sort '')" = "$(printf '%s\n' date folder name title)"
check "completion offers the formats of --format" \
  test "$(complete_words vardek-cli list --format '')" = "$(printf '%s\n' csv json tsv)"
check "completion offers the options of list and bad-dates" \
  test "$(complete_words vardek-cli list --; complete_words vardek-cli bad-dates --)" = \
  "$(printf '%s\n' --format --help --since --until; printf '%s\n' --disc --format --help)"
check "completion offers the global options" \
  test "$(complete_words vardek-cli --)" = "$(printf '%s\n' --help --version)"

# --- The tarball --------------------------------------------------------------
mkdir -p "$work/tar"
tar -xzf "$tarball" -C "$work/tar"
unpacked=$work/tar/vardek-cli-${version}-linux-x86_64
check "the tarball's vardek-cli prints its version" test "$("$unpacked/bin/vardek-cli" --version)" = "Vardek $version"
check "the tarball holds the manual page and the completion" \
  test -s "$unpacked/share/man/man1/vardek-cli.1.gz" -a -s "$unpacked/share/bash-completion/completions/vardek-cli"

# --- Windows: one fresh Wine prefix for the zip and the setup program ----------
export WINEPREFIX=$work/wineprefix
export WINEDEBUG=-all
wine=/usr/lib/wine/wine64
"$root/cmake/wine-prefix" "$WINEPREFIX" || fail "a fresh Wine prefix"

# Waits up to 60 s for a window whose title begins with "Vardek", then ends the
# program (every program of this prefix: it is ours alone).
shows_main_window() {  # shows_main_window WINDOWS_PATH_OR_UNIX_PATH
  "$wine" "$1" >/dev/null 2>&1 &
  local found=1
  for _ in $(seq 60); do
    if xdotool search --onlyvisible --name '^Vardek' >/dev/null 2>&1; then found=0; break; fi
    sleep 1
  done
  /usr/lib/wine/wineserver -k
  wait
  /usr/lib/wine/wineserver -w
  return $found
}

# The zip, unpacked into a folder with spaces in its path.
portable="$work/My Programs/Disc tools"
mkdir -p "$portable"
(cd "$portable" && unzip -q "$zip")
folder="$portable/Vardek-${version}-win64"
for name in Vardek.exe vardek-cli.exe README.txt samples/discs.cat; do
  check "the zip holds $name" test -s "$folder/$name"
done
check "README.txt has CR LF line ends only" \
  test "$(grep -c $'\r$' "$folder/README.txt")" = "$(wc -l <"$folder/README.txt")"
readme=$(tr -d '\r' <"$folder/README.txt")
while read -r synopsis; do
  check "README.txt shows '${synopsis:0:40}...' as --help does" grep -qF -- "$synopsis" <<<"$readme"
done < <("$cli" --help | sed -n 's/^  \(vardek-cli .*\)/\1/p')
printed=$("$wine" "$folder/vardek-cli.exe" --version 2>/dev/null | tr -d '\r')
check "vardek-cli.exe from the zip prints its version under Wine" test "$printed" = "Vardek $version"
printed=$("$wine" "$folder/vardek-cli.exe" titles "$folder/samples/discs.cat" 2>/dev/null | wc -l)
check "vardek-cli.exe from the zip lists the sample catalog's five discs" test "$printed" = 5
check "the portable Vardek.exe starts and shows its main window" shows_main_window "$folder/Vardek.exe"

# The setup program, silent.
"$wine" "$setup" /S
/usr/lib/wine/wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/Vardek"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vardek.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vardek'
settings_key='HKCU\Software\Bramwick\Vardek\Settings'
for name in Vardek.exe vardek-cli.exe README.txt samples/discs.cat Uninstall.exe; do
  check "the setup installed Program Files\\Vardek\\$name" test -s "$installed/$name"
done
check "the setup made the Start-menu shortcut Vardek" test -s "$shortcut"
entry=$("$wine" reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
check "the uninstall entry names version $version" grep -qE "DisplayVersion\s+REG_SZ\s+$version\$" <<<"$entry"
check "the uninstall entry names the publisher" grep -qE "Publisher\s+REG_SZ\s+Bramwick Software\$" <<<"$entry"
check "the uninstall entry has the program's icon" grep -qE 'DisplayIcon\s+REG_SZ\s+C:\\Program Files\\Vardek\\Vardek.exe,0' <<<"$entry"
check "the installed Vardek.exe starts and shows its main window" shows_main_window 'C:\Program Files\Vardek\Vardek.exe'

# The user's own catalog and settings, which the uninstaller must leave.
user=${USER:-$(id -un)}
documents="$WINEPREFIX/drive_c/users/$user/Documents"
mkdir -p "$documents"
"$wine" 'C:\Program Files\Vardek\vardek-cli.exe' scan 'C:\users\'"$user"'\Documents\mine.cat' \
  "Sample disc" "Z:${root//\//\\}\\samples\\disc" >/dev/null 2>&1
check "the installed vardek-cli.exe scanned a catalog of the user's" test -s "$documents/mine.cat"
"$wine" reg add "$settings_key" /v Fname /t REG_SZ /d 'C:\users\'"$user"'\Documents\mine.cat' /f >/dev/null 2>&1

"$wine" "C:\\Program Files\\Vardek\\Uninstall.exe" /S
/usr/lib/wine/wineserver -w
check "the silent uninstall removed Program Files\\Vardek" test ! -e "$installed"
check "the silent uninstall removed the shortcut" test ! -e "$shortcut"
check "the silent uninstall removed the uninstall entry" bash -c "! '$wine' reg query '$uninstall_key' >/dev/null 2>&1"
check "the user's catalog is still there" test -s "$documents/mine.cat"
check "the settings key is still there" bash -c "'$wine' reg query '$settings_key' /v Fname 2>/dev/null | grep -q mine.cat"

echo
if ((failures)); then echo "$failures check(s) failed"; exit 1; fi
echo "every check passed"
