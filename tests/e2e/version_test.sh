#!/usr/bin/env bash
# jcw --version prints its version and opens no window.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
out=$("$JCW" --version)
[[ $out == "jcw 1.0" ]] || fail "version printed as '$out'"
