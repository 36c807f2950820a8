# The harness of the end-to-end scripts, sourced by each: the work folder,
# counting, running the program, and what its output must show.
# Before sourcing: CLI (the program) and WORK (a folder to start anew).
set -u
rm -rf "$WORK" && mkdir -p "$WORK" || exit 2
cd "$WORK" || exit 2
# File dates become local dates; fix the zone so they are known.
export TZ=UTC LC_ALL=C.UTF-8

passed=0
failed=0
current=""
CR=$'\r'
TAB=$'\t'

begin() { current=$1; }
ok() { passed=$((passed + 1)); }
bad() {
  failed=$((failed + 1))
  echo "FAIL [$current] $1"
  echo "  stdout: $(head -c 600 out)"
  echo "  stderr: $(head -c 600 err)"
}
# run ARGS...: runs the program; stdout in ./out, stderr in ./err, status in $rc.
run() {
  "$CLI" "$@" >out 2>err
  rc=$?
}
expect_rc() { [ "$rc" -eq "$1" ] && ok || bad "exit status $rc, expected $1"; }
expect_out() { [ "$(cat out)" == "$1" ] && ok || bad "stdout differs; expected: $1"; }
expect_out_has() { grep -qF -- "$1" out && ok || bad "stdout lacks: $1"; }
expect_err_has() { grep -qF -- "$1" err && ok || bad "stderr lacks: $1"; }
expect_err_lacks() { grep -qF -- "$1" err && bad "stderr has: $1" || ok; }
expect_out_lacks() { grep -qF -- "$1" out && bad "stdout has: $1" || ok; }
expect_file_eq() { cmp -s "$1" "$2" && ok || bad "$1 differs from $2"; }
expect_missing() { [ ! -e "$1" ] && ok || bad "$1 exists"; }
# A catalog file from lines, each ending in CR LF.
catalog() {
  local file=$1
  shift
  : >"$file"
  for line in "$@"; do printf '%s\r\n' "$line" >>"$file"; done
}
# finish NAME: the counts, and the script's status.
finish() {
  echo "$1: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
