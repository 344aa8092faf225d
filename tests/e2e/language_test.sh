#!/usr/bin/env bash
# An English locale gets the English captions; the C locale keeps the Russian ones.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

write_jcw "$E2E_TMP/cat.jcw" 2 1 1 1 200 2 1 201 1 201
for locale in en_US.UTF-8 C.UTF-8; do
  LC_ALL= LANG=$locale jcw_start "$E2E_TMP/cat.jcw"
  jcw_wait_window "^(Japanese Crossword|Японский кроссворд) "
  title=$(xdotool getwindowname "$JCW_WID")
  case $locale in
    en_*) expected="Japanese Crossword (cat) - 2x1" ;;
    *) expected="Японский кроссворд (cat) - 2x1" ;;
  esac
  [[ $title == "$expected" ]] || fail "LANG=$locale: title '$title'"
  kill "$JCW_PID"
  wait "$JCW_PID" || true
  JCW_PID=""
done
