#!/usr/bin/env bash
# jcwtool on files crafted byte by byte.
set -u
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
check() {  # name, expected, actual
  if [ "$2" != "$3" ]; then
    echo "FAIL $1"; echo "  expected: $2"; echo "  actual:   $3"; failures=$((failures + 1))
  else
    echo "ok   $1"
  fi
}

# The ten-byte crossword: 2 x 1 picture, row clue 2, column clues 1 1, both cells filled.
printf '\x02\x01\x01\x01\xc8\x02\x01\xc9\x01\xc9' > "$dir/ten"
check "info of the ten-byte crossword" \
  '{"colCount":2,"rowCount":1,"capColCount":1,"capRowCount":1,"rowClues":[[2]],"colClues":[[1],[1]],"picture":["##"],"markedCount":2,"rowStatus":[2],"colStatus":[2,2],"clueSumsEqual":true,"solved":true}' \
  "$("$tool" info "$dir/ten")"

# A state byte (201) in a header cell marks no line: the one filled cell is a solved picture.
printf '\x01\x01\x01\x02\xc8\xc8\x01\x01\xc9\xc9' > "$dir/header-state"
check "a state byte in a header cell leaves the picture solved" '"solved":true' \
  "$("$tool" info "$dir/header-state" | grep -o '"solved":[a-z]*')"

# 3 x 2 with two header rows, a gap between clues, a wrong row and trailing bytes.
# Columns (x=1 row clues, then 3 picture columns); each column holds 2 header + 2 picture bytes.
printf '\x03\x02\x01\x02\xc8\xc8\x03\x00''\x01\x00\xc9\xca''\x00\x00\xc9\xc8''\x00\x05\xc9\xc9''\x07' > "$dir/gap.dat"
check "info with a gap, an open cell and a wrong line" \
  '{"colCount":3,"rowCount":2,"capColCount":1,"capRowCount":2,"rowClues":[[3],[]],"colClues":[[1],[],[5]],"picture":["###",".?#"],"markedCount":5,"rowStatus":[2,1],"colStatus":[2,1,3],"clueSumsEqual":false,"solved":false}' \
  "$("$tool" info "$dir/gap.dat")"

"$tool" resave "$dir/gap.dat" "$dir/out.jcw"
check "resave writes the cells back and drops trailing bytes" \
  "$(head -c 20 "$dir/gap.dat" | od -An -tx1)" "$(od -An -tx1 < "$dir/out.jcw")"

for bad in short:'\x02\x01\x01' body:'\x02\x01\x01\x01\xc8\x02' zero:'\x00\x01\x01\x01' big:'\x65\x01\x01\x01\xc8\xc8'; do
  name=${bad%%:*}
  printf "${bad#*:}" > "$dir/$name"
  err=$("$tool" info "$dir/$name" 2>&1 >/dev/null); status=$?
  check "info refuses $name with status 1" 1 "$status"
  check "info says one line for $name" 1 "$(printf '%s\n' "$err" | wc -l)"
  "$tool" resave "$dir/$name" "$dir/never-$name" 2>/dev/null
  check "resave of $name writes nothing" "no" "$([ -e "$dir/never-$name" ] && echo yes || echo no)"
done
# Solving. Two diagonals fit 2 x 2 with clues 1 / 1 both ways; rows 2 / none and columns 2 / none
# have equal sums but no picture.
printf '\x02\x02\x01\x01''\xc8\x01\x01''\x01\xc8\xc8''\x01\xc8\xc9' > "$dir/diagonals"
printf '\x02\x02\x01\x01''\xc8\x02\x00''\x02\xc8\xc8''\x00\xc8\xc8' > "$dir/none"
check "solve of the ten-byte crossword from an empty picture" \
  '{"colCount":2,"rowCount":1,"capColCount":1,"capRowCount":1,"rowClues":[[2]],"colClues":[[1],[1]],"picture":["##"],"markedCount":2,"rowStatus":[2],"colStatus":[2,2],"clueSumsEqual":true,"solved":true}' \
  "$("$tool" solve "$dir/ten")"
check "solve ignores the marks without --marks" '"picture":["??","??"]' \
  "$("$tool" solve "$dir/diagonals" | grep -o '"picture":[^]]*]')"
check "solve --marks starts from the marks" '"picture":["#.",".#"]' \
  "$("$tool" solve --marks "$dir/diagonals" | grep -o '"picture":[^]]*]')"
check "solve --steps prints the picture after each sweep" \
  "$(printf '??\n??\n\n??\n??\n')" "$("$tool" solve "$dir/diagonals" --steps | head -5)"
check "test of two diagonals" "$(printf 'Решение не найдено.\nКроссворд имеет несколько вариантов решений')" \
  "$("$tool" test "$dir/diagonals")"
check "test --marks of two diagonals with one mark" "Кроссворд имеет единственное решение" \
  "$("$tool" test "$dir/diagonals" --marks)"
check "test of the ten-byte crossword" "Кроссворд имеет единственное решение" "$("$tool" test "$dir/ten")"
check "test of clues without a picture" "$(printf 'Решение не найдено.\nКроссворд не имеет решений')" \
  "$("$tool" test "$dir/none")"
"$tool" test "$dir/diagonals" >/dev/null; check "test exits 0" 0 $?
for command in solve test; do
  err=$("$tool" $command "$dir/short" 2>&1 >/dev/null); status=$?
  check "$command refuses a short file with status 1" 1 "$status"
  check "$command says one line for a short file" 1 "$(printf '%s\n' "$err" | wc -l)"
done
"$tool" test "$dir/diagonals" --steps 2>/dev/null; check "test takes no --steps" 2 $?
"$tool" solve 2>/dev/null; check "solve needs a file" 2 $?
"$tool" info "$dir/missing" 2>/dev/null; check "a missing file gives status 1" 1 $?
"$tool" bogus 2>/dev/null; check "a wrong command gives status 2" 2 $?

echo "$((failures == 0 ? 1 : 0)) passed, $failures failed" >/dev/null
[ "$failures" -eq 0 ]
