#!/usr/bin/env bash
# jcw --version and --help print and open no window; the help follows the user's language.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
out=$("$JCW" --version)
[[ $out == "jcw 1.0" ]] || fail "version printed as '$out'"
out=$("$JCW" --help)
[[ $(head -1 <<<"$out") == "Использование: jcw [ФАЙЛ]" ]] || fail "help begins '$(head -1 <<<"$out")'"
grep -q '^  Ctrl+P  *печать$' <<<"$out" || fail "help lists no Ctrl+P: $out"
out=$(env -u LC_ALL LANG=en_US.UTF-8 "$JCW" --help)
[[ $(head -1 <<<"$out") == "Usage: jcw [FILE]" ]] || fail "English help begins '$(head -1 <<<"$out")'"
