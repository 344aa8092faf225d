#!/usr/bin/env bash
# jcwtool on files crafted byte by byte.
set -u
tool=$1
# Russian, the messages' source language, whatever the caller's locale; English is asked for below.
export LC_ALL=C.UTF-8
unset LANGUAGE
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
# The verdict alone, without the grade that follows it.
verdict() { "$tool" test "$@" | sed '/^\(Сложность\|Difficulty\): /,$d'; }
check "test of two diagonals" "$(printf 'Решение не найдено.\nКроссворд имеет несколько вариантов решений')" \
  "$(verdict "$dir/diagonals")"
check "test --marks of two diagonals with one mark" "Кроссворд имеет единственное решение" \
  "$(verdict "$dir/diagonals" --marks)"
check "test of the ten-byte crossword" "Кроссворд имеет единственное решение" "$(verdict "$dir/ten")"
none_verdict=$(printf 'Решение не найдено.\nКроссворд не имеет решений\nПротиворечат друг другу: строка 2 и столбец 1')
check "test of clues without a picture names the lines that contradict" "$none_verdict" \
  "$(verdict "$dir/none")"
check "test --marks without marks blames no marks" "$none_verdict" "$(verdict --marks "$dir/none")"
check "the contradicting lines in English" "Contradicting each other: row 2 and column 1" \
  "$(LC_ALL=en_US.UTF-8 "$tool" test "$dir/none" | grep '^Contradicting')"
"$tool" test "$dir/diagonals" >/dev/null; check "test exits 0" 0 $?
check "test speaks English under an English locale" \
  "$(printf 'No solution found.\nThe crossword has several solutions')" \
  "$(LC_ALL=en_US.UTF-8 verdict "$dir/diagonals")"

help=$("$tool" --help); status=$?
check "--help exits 0" 0 "$status"
check "--help starts with the usage in Russian" "Использование: jcwtool info FILE" "$(head -1 <<<"$help")"
check "--help names every command" 7 "$(grep -cE '^  (info|resave|solve|test|count|grade|convert) ' <<<"$help")"
check "--help in English under LANG=en_US.UTF-8" "Usage: jcwtool info FILE" \
  "$(env -u LC_ALL LANG=en_US.UTF-8 "$tool" --help | head -1)"
check "--version" "jcwtool 1.0" "$("$tool" --version)"
"$tool" 2>/dev/null; check "no command gives status 2" 2 $?
for command in solve test; do
  err=$("$tool" $command "$dir/short" 2>&1 >/dev/null); status=$?
  check "$command refuses a short file with status 1" 1 "$status"
  check "$command says one line for a short file" 1 "$(printf '%s\n' "$err" | wc -l)"
done
# 4 x 4 with one picture that line deduction cannot finish: #.#. / .#.. / .#.# / #.#.
printf '\x04\x04\x02\x02''\xc8\xc8\x01\x00\x01\x01''\xc8\xc8\x01\x01\x01\x01''\x01\x01\xc8\xc8\xc8\xc8''\x00\x02\xc8\xc8\xc8\xc8''\x01\x01\xc8\xc8\xc8\xc8''\x00\x01\xc8\xc8\xc8\xc8' > "$dir/unique"
check "test of a crossword that needs trying cells" \
  "$(printf 'Кроссворд имеет единственное решение\nРешить его одной логикой строк и столбцов нельзя: нужно пробовать варианты клеток')" \
  "$(verdict "$dir/unique")"
check "test --marks of a mark against the only picture" \
  "$(printf 'Решение не найдено.\nОтмеченные клетки противоречат числам')" \
  "$(printf '\x04\x04\x02\x02''\xc8\xc8\x01\x00\x01\x01''\xc8\xc8\x01\x01\x01\x01''\x01\x01\xca\xc8\xc8\xc8''\x00\x02\xc8\xc8\xc8\xc8''\x01\x01\xc8\xc8\xc8\xc8''\x00\x01\xc8\xc8\xc8\xc8' > "$dir/refuted"; verdict --marks "$dir/refuted")"
check "test grades the crossword after the verdict" \
  "$(printf 'Сложность: 4\n  проходов логики строк и столбцов: 2\n  нужно пробовать клетки по одной до противоречия\n  узлов поиска: 1')" \
  "$("$tool" test "$dir/unique" | sed -n '/^Сложность/,$p')"
check "test grades in English under an English locale" "Difficulty: 0" \
  "$(LC_ALL=en_US.UTF-8 "$tool" test "$dir/diagonals" | grep '^Difficulty')"
check "grade of the crossword that needs trying cells" \
  '{"grade":4,"sweeps":2,"overlapOnly":false,"depth":1,"nodes":1,"solutions":1}' "$("$tool" grade "$dir/unique")"
check "grade of two diagonals" '"grade":0' "$("$tool" grade "$dir/diagonals" | grep -o '"grade":[0-9]*')"
check "grade of the ten-byte crossword" '{"grade":1,"sweeps":1,"overlapOnly":true,"depth":0,"nodes":0,"solutions":1}' \
  "$("$tool" grade "$dir/ten")"
# count: the fields but the time, which varies.
counted() { "$tool" count "$@" | sed 's/,"ms":[0-9]*//; s/,"nodes":[0-9]*//'; }
check "count of the crossword that needs trying cells" \
  '{"solutions":1,"lineSolvable":false,"pictures":[["#.#.",".#..",".#.#","#.#."]],"complete":true}' \
  "$(counted "$dir/unique")"
check "count of two diagonals" \
  '{"solutions":2,"lineSolvable":false,"pictures":[["#.",".#"],[".#","#."]],"complete":true}' \
  "$(counted "$dir/diagonals" --timeout 30)"
check "count --marks fixes the marks" \
  '{"solutions":1,"lineSolvable":false,"pictures":[["#.",".#"]],"complete":true}' \
  "$(counted --marks "$dir/diagonals")"
check "count of a line-solvable crossword" \
  '{"solutions":1,"lineSolvable":true,"pictures":[["##"]],"complete":true}' "$(counted "$dir/ten")"
check "count of clues without a picture" \
  '{"solutions":0,"lineSolvable":false,"pictures":[],"complete":true,"conflict":{"rows":[2],"columns":[1]}}' \
  "$(counted "$dir/none")"
check "count cut off by the time says it knows no number" '"solutions":null,"complete":false' \
  "$("$tool" count "$dir/unique" --timeout 0.000000001 | grep -o '"solutions":[a-z0-9]*\|"complete":[a-z]*' | paste -sd,)"
check "count gives nodes and ms" 2 "$("$tool" count "$dir/unique" | grep -Eo '"(nodes|ms)":[0-9]+' | wc -l)"
check "solve --complete writes the only picture" '"picture":["#.#.",".#..",".#.#","#.#."]' \
  "$("$tool" solve --complete "$dir/unique" | grep -o '"picture":[^]]*]')"
check "solve --complete says how many pictures fit" '"solved":true,"solutions":2}' \
  "$("$tool" solve "$dir/diagonals" --complete | grep -o '"solved".*')"
check "solve alone keeps to line deduction" '"picture":["????","????","????","????"]' \
  "$("$tool" solve "$dir/unique" | grep -o '"picture":[^]]*]')"
"$tool" count "$dir/short" 2>/dev/null; check "count of an unreadable file gives status 1" 1 $?
for bad in "--timeout" "--timeout 0" "--timeout x" "--steps"; do
  "$tool" count "$dir/unique" $bad >/dev/null 2>&1; check "count refuses $bad with status 2" 2 $?
done
# Converting. The ten-byte crossword without marks, as .non (Windows line ends) and as XML.
printf 'title "Ten"\r\nwidth 2\r\nheight 1\r\nrows\r\n2\r\ncolumns\r\n1\r\n1\r\n' > "$dir/ten.NON"
printf '<puzzleset><puzzle><clues type="rows"><line><count>2</count></line></clues><clues type="columns"><line><count>1</count></line><line><count>1</count></line></clues></puzzle></puzzleset>' > "$dir/ten.xml"
blank=$(printf '\x02\x01\x01\x01\xc8\x02\x01\xc8\x01\xc8' | od -An -tx1)
for source in ten.NON ten.xml; do
  "$tool" convert "$dir/$source" "$dir/$source.jcw"
  check "convert $source gives the minimal .jcw" "$blank" "$(od -An -tx1 < "$dir/$source.jcw")"
  check "info of $source equals info of its .jcw" "$("$tool" info "$dir/$source.jcw")" "$("$tool" info "$dir/$source")"
done
check "test reads .non" "Кроссворд имеет единственное решение" "$(verdict "$dir/ten.NON")"
"$tool" convert "$dir/ten.NON.jcw" "$dir/round.xml" && "$tool" convert "$dir/round.xml" "$dir/round.non" &&
  "$tool" convert "$dir/round.non" "$dir/round.jcw"
check ".jcw to XML to .non to .jcw keeps every byte" "$blank" "$(od -An -tx1 < "$dir/round.jcw")"
"$tool" convert "$dir/ten" "$dir/ten.svg"
check "convert to .svg draws an svg with the marks" "1 2" \
  "$(grep -c '<svg' "$dir/ten.svg") $(grep -c 'fill="#000000" stroke' "$dir/ten.svg")"
printf '<puzzleset><puzzle><color name="red">f00</color><color name="blue">00f</color><clues type="rows"><line/></clues><clues type="columns"><line/></clues></puzzle></puzzleset>' > "$dir/colour.xml"
printf 'width 2\nheight 1\nrows\n2\ncolumns\n1\n' > "$dir/short.non"
while IFS='|' read -r source target reason; do
  err=$("$tool" convert "$dir/$source" "$dir/$target" 2>&1 >/dev/null); status=$?
  check "convert refuses $source -> $target with status 1" 1 "$status"
  check "convert says why in one line for $source -> $target" "1 1" \
    "$(printf '%s\n' "$err" | wc -l) $(printf '%s\n' "$err" | grep -c "$reason")"
done <<'CASES'
colour.xml|refused-colour.jcw|цветные кроссворды не поддерживаются
short.non|refused-short.jcw|не хватает строк
absent.non|refused-absent.jcw|Не удалось открыть файл
ten|refused-ten.png|неизвестное расширение
CASES
check "a refused convert writes nothing" "" "$(ls "$dir" | grep -e '^refused')"
"$tool" test "$dir/diagonals" --steps 2>/dev/null; check "test takes no --steps" 2 $?
"$tool" solve 2>/dev/null; check "solve needs a file" 2 $?
"$tool" info "$dir/missing" 2>/dev/null; check "a missing file gives status 1" 1 $?
check "errors are Russian with the system's reason" \
  "jcwtool: Не удалось открыть файл $dir/missing: нет такого файла или каталога" \
  "$(LC_ALL=C "$tool" info "$dir/missing" 2>&1)"

# Only regular files are read: a FIFO without a writer is refused at once, not waited on.
mkfifo "$dir/pipe.jcw"
err=$(timeout 10 "$tool" info "$dir/pipe.jcw" 2>&1 >/dev/null); status=$?
check "a FIFO is refused at once with status 1" 1 "$status"
check "a FIFO is refused saying what it is" \
  "jcwtool: Не удалось открыть файл $dir/pipe.jcw: это именованный канал, а не обычный файл" "$err"

# Saves respect the file system, checked as a user whom permissions bind (nobody when root).
as_user() { "$@"; }
give() { :; }
protection=yes
protected=$(mktemp -d)
trap 'rm -rf "$dir" "$protected"' EXIT
chmod 755 "$protected"
if [ "$(id -u)" -eq 0 ]; then
  if command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
    as_user() { setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups "$@"; }
    give() { chown nobody:"$(id -g nobody)" "$@"; }
  else
    echo "skip protection checks: running as root without setpriv or the user nobody"
    protection=no
  fi
fi
if [ "$protection" = yes ]; then
  # A copy of the tool that the user may run wherever the build tree lies.
  cp "$tool" "$protected/jcwtool"
  tool="$protected/jcwtool"
  cp "$dir/ten" "$dir/gap.dat" "$protected/"
  mkdir "$protected/open" "$protected/open/real" "$protected/locked"
  give "$protected/open" "$protected/open/real"

  cp "$protected/ten" "$protected/open/ro.jcw"; give "$protected/open/ro.jcw"; chmod 444 "$protected/open/ro.jcw"
  err=$(as_user "$tool" resave "$protected/gap.dat" "$protected/open/ro.jcw" 2>&1); status=$?
  check "a mode-444 file is refused with status 1" 1 "$status"
  check "a mode-444 file is refused saying so" "jcwtool: Не удалось сохранить файл $protected/open/ro.jcw:" \
    "$(printf '%s' "$err" | cut -d: -f1-2):"
  check "a mode-444 file keeps its bytes" "$(od -An -tx1 < "$protected/ten")" "$(od -An -tx1 < "$protected/open/ro.jcw")"
  check "a mode-444 file keeps its mode" 444 "$(stat -c %a "$protected/open/ro.jcw")"

  cp "$protected/ten" "$protected/open/real/target.jcw"; give "$protected/open/real/target.jcw"
  ln -s real/target.jcw "$protected/open/link.jcw"
  as_user "$tool" resave "$protected/gap.dat" "$protected/open/link.jcw"
  check "a symbolic link stays a link" yes "$([ -L "$protected/open/link.jcw" ] && echo yes || echo no)"
  check "the link's target gets the bytes" "$(head -c 20 "$protected/gap.dat" | od -An -tx1)" \
    "$(od -An -tx1 < "$protected/open/real/target.jcw")"
  check "no temporary file is left beside the files" "link.jcw real ro.jcw" "$(ls -A "$protected/open" | tr '\n' ' ' | sed 's/ $//')"
  check "no temporary file is left beside the target" "target.jcw" "$(ls -A "$protected/open/real")"

  cp "$protected/ten" "$protected/locked/mine.jcw"; give "$protected/locked/mine.jcw"; chmod 640 "$protected/locked/mine.jcw"
  chmod 555 "$protected/locked"
  as_user "$tool" resave "$protected/gap.dat" "$protected/locked/mine.jcw"
  check "a writable file in a locked directory is saved" "$(head -c 20 "$protected/gap.dat" | od -An -tx1)" \
    "$(od -An -tx1 < "$protected/locked/mine.jcw")"
  check "a file saved in a locked directory keeps its mode" 640 "$(stat -c %a "$protected/locked/mine.jcw")"
  check "nothing is left in the locked directory" "mine.jcw" "$(ls -A "$protected/locked")"
  chmod 755 "$protected/locked"
fi
"$tool" bogus 2>/dev/null; check "a wrong command gives status 2" 2 $?

echo "$((failures == 0 ? 1 : 0)) passed, $failures failed" >/dev/null
[ "$failures" -eq 0 ]
