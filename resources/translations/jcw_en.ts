<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>jcw</name>
    <message>
        <source>Японский кроссворд</source>
        <translation>Japanese Crossword</translation>
    </message>
    <message>
        <source>В файл .%1 записываются только числа кроссворда, ваши отметки в него не попадут.
<byte value="xd"/>Сохранить без отметок?</source>
        <translation>A .%1 file holds only the crossword&apos;s clues: your marks will not be saved in it.
<byte value="xd"/>Save without the marks?</translation>
    </message>
    <message>
        <source>Файлы японского кроссворда</source>
        <translation>Japanese crossword files</translation>
    </message>
    <message>
        <source>Кроссворды .non</source>
        <translation>.non crosswords</translation>
    </message>
    <message>
        <source>Кроссворды webpbn XML</source>
        <translation>webpbn XML crosswords</translation>
    </message>
    <message>
        <source>Все кроссворды</source>
        <translation>All crosswords</translation>
    </message>
    <message>
        <source>|Текстовые файлы|*.txt|Все файлы|*.*</source>
        <translation>|Text files|*.txt|All files|*.*</translation>
    </message>
    <message>
        <source>|Все файлы|*.*</source>
        <translation>|All files|*.*</translation>
    </message>
    <message>
        <source>С моими отметками</source>
        <translation>With my marks</translation>
    </message>
    <message>
        <source>Не удалось напечатать кроссворд: принтер или файл недоступен</source>
        <translation>Could not print the crossword: the printer or the file is not available</translation>
    </message>
    <message>
        <source>Сохранить текущие изменения?</source>
        <translation>Save the current changes?</translation>
    </message>
    <message>
        <source>Индикатор ошибок</source>
        <translation>Error indicator</translation>
    </message>
    <message>
        <source>&quot;Цифровой крест&quot;</source>
        <translation>&quot;Digital cross&quot;</translation>
    </message>
    <message>
        <source>Направление перехода</source>
        <translation>Cursor direction</translation>
    </message>
    <message>
        <source>Всегда Вправо</source>
        <translation>Always right</translation>
    </message>
    <message>
        <source>Всегда Вниз</source>
        <translation>Always down</translation>
    </message>
    <message>
        <source>Вдоль поля</source>
        <translation>Along the field</translation>
    </message>
    <message>
        <source>К центру поля</source>
        <translation>Towards the centre</translation>
    </message>
    <message>
        <source>Автоматический переход (F4)</source>
        <translation>Automatic advance (F4)</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>После одной цифры (Ctrl для двузначных)</source>
        <translation>After one digit (Ctrl for two-digit numbers)</translation>
    </message>
    <message>
        <source>После двух цифр</source>
        <translation>After two digits</translation>
    </message>
    <message>
        <source>Показать одно из решений?</source>
        <translation>Show one of the solutions?</translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Весь кроссворд</source>
        <translation>Whole crossword</translation>
    </message>
    <message>
        <source>Минимальный размер клетки</source>
        <translation>Smallest cell size</translation>
    </message>
    <message>
        <source>8 точек</source>
        <translation>8 pixels</translation>
    </message>
    <message>
        <source>10 точек</source>
        <translation>10 pixels</translation>
    </message>
    <message>
        <source>12 точек</source>
        <translation>12 pixels</translation>
    </message>
    <message>
        <source>14 точек</source>
        <translation>14 pixels</translation>
    </message>
    <message>
        <source>16 точек</source>
        <translation>16 pixels</translation>
    </message>
    <message>
        <source>20 точек</source>
        <translation>20 pixels</translation>
    </message>
    <message>
        <source>24 точки</source>
        <translation>24 pixels</translation>
    </message>
    <message>
        <source>Максимальный размер поля</source>
        <translation>Largest field size</translation>
    </message>
    <message>
        <source>Отключить перерисовку</source>
        <translation>Turn redrawing off</translation>
    </message>
    <message>
        <source>&amp;Старт</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Редактор</source>
        <translation>&amp;Editor</translation>
    </message>
    <message>
        <source>&amp;Загрузить</source>
        <translation>&amp;Load</translation>
    </message>
    <message>
        <source>Со&amp;хранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить &amp;как...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Печать...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>&amp;Новый кроссворд...</source>
        <translation>&amp;New Crossword...</translation>
    </message>
    <message>
        <source>Отменить последний ход</source>
        <translation>Undo the last move</translation>
    </message>
    <message>
        <source>Очистить поле</source>
        <translation>Clear the field</translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Авторешение и Тест</source>
        <translation>Auto Solve and Test</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Настройки</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;О программе</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Включить перерисовку</source>
        <translation>Turn redrawing on</translation>
    </message>
    <message>
        <source>&amp;Меню</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Идет анализ. Ждите...</source>
        <translation>Analysing. Please wait...</translation>
    </message>
    <message>
        <source> - режим редактирования - </source>
        <translation> - editing - </translation>
    </message>
    <message>
        <source> - просмотр</source>
        <translation> - view</translation>
    </message>
    <message>
        <source>Старт</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Редактор</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Открыть кроссворд</source>
        <translation>Open a crossword</translation>
    </message>
    <message>
        <source>Сохранить кроссворд</source>
        <translation>Save the crossword</translation>
    </message>
    <message>
        <source>Сохранить кроссворд под другим именем</source>
        <translation>Save the crossword under another name</translation>
    </message>
    <message>
        <source>Создать новый кроссворд</source>
        <translation>Make a new crossword</translation>
    </message>
    <message>
        <source>Очистить все поле</source>
        <translation>Clear the whole field</translation>
    </message>
    <message>
        <source>Автоматическое решение и Тест</source>
        <translation>Automatic solving and Test</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Подсказка невозможна
<byte value="xd"/>Дальнейшее решение не определено</source>
        <translation>No hint possible
<byte value="xd"/>The rest of the solution is not determined</translation>
    </message>
    <message>
        <source>Японский кроссворд - Подсказка</source>
        <translation>Japanese Crossword - Hint</translation>
    </message>
    <message>
        <source>Японский кроссворд - Тест</source>
        <translation>Japanese Crossword - Test</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Решение</source>
        <translation>Solve</translation>
    </message>
    <message>
        <source>Тест</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Полностью</source>
        <translation>From scratch</translation>
    </message>
    <message>
        <source>Без учета закрашенных клеток</source>
        <translation>Ignoring the cells already marked</translation>
    </message>
    <message>
        <source>Продолжение</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>С учетом уже заполненных клеток</source>
        <translation>From the cells already marked</translation>
    </message>
    <message>
        <source>Заголовки</source>
        <translation>Headers</translation>
    </message>
    <message>
        <source>Количество строк-заголовков</source>
        <translation>Header rows</translation>
    </message>
    <message>
        <source>Количество столбцов-заголовков</source>
        <translation>Header columns</translation>
    </message>
    <message>
        <source>Сетка кроссворда</source>
        <translation>Crossword grid</translation>
    </message>
    <message>
        <source>Количество строк</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Количество столбцов</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Текст лицензии</source>
        <translation>Licence text</translation>
    </message>
    <message>
        <source>Поле для решения японских кроссвордов</source>
        <translation>A field for solving Japanese crosswords</translation>
    </message>
    <message>
        <source>Версия 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Программа: команда jcw, 2026</source>
        <translation>Program: the jcw team, 2026</translation>
    </message>
    <message>
        <source>Лицензия:</source>
        <translation>Licence:</translation>
    </message>
    <message>
        <source>%1 — решение</source>
        <translation>%1 — solution</translation>
    </message>
    <message>
        <source>У кроссворда нет единственного решения: его не напечатать</source>
        <translation>The crossword has no single solution: there is none to print</translation>
    </message>
    <message>
        <source>Страница с решением</source>
        <translation>Solution page</translation>
    </message>
    <message>
        <source>Настройки прочитать не удалось:</source>
        <translation>The settings could not be read:</translation>
    </message>
    <message>
        <source>Файл %1 не найден.
<byte value="xd"/>Убрать его из списка последних?</source>
        <translation>The file %1 was not found.
<byte value="xd"/>Remove it from the recent list?</translation>
    </message>
    <message>
        <source>Последние кроссворды</source>
        <translation>Recent crosswords</translation>
    </message>
    <message>
        <source>Вернуть отменённый ход</source>
        <translation>Redo the undone move</translation>
    </message>
    <message>
        <source>Запомнить позицию</source>
        <translation>Remember the position</translation>
    </message>
    <message>
        <source>Вернуться к позиции</source>
        <translation>Return to the position</translation>
    </message>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Вы действительно хотите очистить все поле?
<byte value="xd"/>Очистку можно отменить (Alt+Backspace).</source>
        <translation>Do you really want to clear the whole field?
<byte value="xd"/>The clear can be undone (Alt+Backspace).</translation>
    </message>
    <message>
        <source>Несохранённую работу от %1 восстановить нельзя:
%2</source>
        <translation>The unsaved work of %1 cannot be restored:
%2</translation>
    </message>
    <message>
        <source>новый кроссворд</source>
        <translation>new crossword</translation>
    </message>
    <message>
        <source>Восстановить несохранённую работу?
<byte value="xd"/>%1, %2</source>
        <translation>Restore the unsaved work?
<byte value="xd"/>%1, %2</translation>
    </message>
    <message>
        <source>Р&amp;исование</source>
        <translation>&amp;Drawing</translation>
    </message>
    <message>
        <source>Предложить исправление</source>
        <translation>Suggest a fix</translation>
    </message>
    <message>
        <source> - рисование - </source>
        <translation> - drawing - </translation>
    </message>
    <message>
        <source>Единственное решение: хватает логики строк и столбцов</source>
        <translation>Unique solution: row and column logic suffices</translation>
    </message>
    <message>
        <source>Единственное решение, но нужно пробовать клетки (узлов поиска: %1)</source>
        <translation>Unique solution, but cells have to be tried (search nodes: %1)</translation>
    </message>
    <message>
        <source>Несколько решений: заштрихованы клетки, где два из них различаются</source>
        <translation>Several solutions: the cells where two of them differ are hatched</translation>
    </message>
    <message>
        <source>Ни один рисунок не подходит к числам</source>
        <translation>No picture fits the clues</translation>
    </message>
    <message>
        <source>Закрасить клетку %1, %2</source>
        <translation>Fill cell %1, %2</translation>
    </message>
    <message>
        <source>Очистить клетку %1, %2</source>
        <translation>Clear cell %1, %2</translation>
    </message>
    <message>
        <source>станет единственным</source>
        <translation>becomes unique</translation>
    </message>
    <message>
        <source>решится логикой строк и столбцов</source>
        <translation>row and column logic solves it</translation>
    </message>
    <message>
        <source>−%1 неопределённых клеток</source>
        <translation>−%1 undecided cells</translation>
    </message>
    <message>
        <source>Рисунком станет решение кроссворда, а числа будут следовать рисунку.
<byte value="xd"/>Перейти к рисованию?</source>
        <translation>The crossword&apos;s solution becomes the picture, and the clues will follow the picture.
<byte value="xd"/>Start drawing?</translation>
    </message>
    <message>
        <source>Рисунком станут закрашенные клетки, а числа будут пересчитаны по ним.
<byte value="xd"/>Перейти к рисованию?</source>
        <translation>The filled cells become the picture, and the clues will be computed from them.
<byte value="xd"/>Start drawing?</translation>
    </message>
    <message>
        <source>Проверка...</source>
        <translation>Checking...</translation>
    </message>
    <message>
        <source>Числа введены вручную и не следуют рисунку; следующий штрих пересчитает их. </source>
        <translation>The clues were typed by hand and do not follow the picture; the next stroke computes them anew. </translation>
    </message>
    <message>
        <source>. Сложность: %1 из 5</source>
        <translation>. Difficulty: %1 of 5</translation>
    </message>
    <message>
        <source>Нет исправлений в одну клетку</source>
        <translation>No one-cell fix</translation>
    </message>
    <message>
        <source>Рисование: числа по рисунку</source>
        <translation>Drawing: clues from the picture</translation>
    </message>
    <message>
        <source>Рисунок</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Добавить столбец слева</source>
        <translation>Add a column at the left</translation>
    </message>
    <message>
        <source>Добавить столбец справа</source>
        <translation>Add a column at the right</translation>
    </message>
    <message>
        <source>Добавить строку сверху</source>
        <translation>Add a row at the top</translation>
    </message>
    <message>
        <source>Добавить строку снизу</source>
        <translation>Add a row at the bottom</translation>
    </message>
    <message>
        <source>Убрать столбец слева</source>
        <translation>Remove the left column</translation>
    </message>
    <message>
        <source>Убрать столбец справа</source>
        <translation>Remove the right column</translation>
    </message>
    <message>
        <source>Убрать строку сверху</source>
        <translation>Remove the top row</translation>
    </message>
    <message>
        <source>Убрать строку снизу</source>
        <translation>Remove the bottom row</translation>
    </message>
    <message>
        <source>Записать в файл и рисунок? Без него в файле будут только числа.</source>
        <translation>Write the picture to the file too? Without it the file holds only the clues.</translation>
    </message>
    <message>
        <source>Рисунком станет рисунок из файла кроссворда, а числа будут следовать рисунку.
<byte value="xd"/>Перейти к рисованию?</source>
        <translation>The picture from the crossword&apos;s file becomes the picture, and the clues will follow the picture.
<byte value="xd"/>Start drawing?</translation>
    </message>
    <message>
        <source>%1 клетка</source>
        <translation>%1 cell</translation>
    </message>
    <message>
        <source>%1 клетки</source>
        <translation>%1 cells</translation>
    </message>
    <message>
        <source>%1 клеток</source>
        <translation>%1 cells</translation>
    </message>
    <message>
        <source>%1: отметки не сходятся с числами.</source>
        <translation>%1: the marks do not fit the clue.</translation>
    </message>
    <message>
        <source>В истории нет позиции без неверных отметок.</source>
        <translation>The history holds no position without wrong marks.</translation>
    </message>
    <message>
        <source>Вернуться к верной позиции можно, только когда у кроссворда одно решение.</source>
        <translation>Going back to a right position needs a crossword with a single solution.</translation>
    </message>
    <message>
        <source>Вернуться к последней верной</source>
        <translation>Back to the last right position</translation>
    </message>
    <message>
        <source>Все клетки уже решены.</source>
        <translation>Every cell is decided already.</translation>
    </message>
    <message>
        <source>Готовые линии</source>
        <translation>Finished lines</translation>
    </message>
    <message>
        <source>Зачёркивать числа</source>
        <translation>Cross off clue numbers</translation>
    </message>
    <message>
        <source>Каждое число</source>
        <translation>Every number</translation>
    </message>
    <message>
        <source>Неверных отметок нет.</source>
        <translation>No mark is wrong.</translation>
    </message>
    <message>
        <source>Неверных отметок: %1.
Показать их?</source>
        <translation>Wrong marks: %1.
Show them?</translation>
    </message>
    <message>
        <source>Ни одну линию нельзя продвинуть, и проба одной клетки ничего не доказывает.</source>
        <translation>No line can advance, and trying single cells proves nothing.</translation>
    </message>
    <message>
        <source>Ни одну линию нельзя продвинуть.
Клетка в строке %1, столбце %2 %3: иначе не сходится %4.
Отметить её?</source>
        <translation>No line can advance.
The cell in row %1, column %2 is %3: otherwise %4 does not fit.
Mark it?</translation>
    </message>
    <message>
        <source>Подсвечивать строку и столбец</source>
        <translation>Tint the row and column</translation>
    </message>
    <message>
        <source>Подсказка: одна линия</source>
        <translation>Hint: one line</translation>
    </message>
    <message>
        <source>Проверить</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Решений несколько, но ваши отметки не подходят ни к одному из них.</source>
        <translation>There are several solutions, and your marks fit none of them.</translation>
    </message>
    <message>
        <source>Решений несколько; ваши отметки подходят хотя бы к одному из них.</source>
        <translation>There are several solutions; your marks still fit at least one.</translation>
    </message>
    <message>
        <source>Решено, когда верны закрашенные</source>
        <translation>Solved when the filled cells are right</translation>
    </message>
    <message>
        <source>Столбец %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Строка %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>Точки в пустых клетках</source>
        <translation>Dots in empty cells</translation>
    </message>
    <message>
        <source>Тянуть по одной линии</source>
        <translation>Drag along one line</translation>
    </message>
    <message>
        <source>У этих чисел нет ни одного решения.</source>
        <translation>These clues have no solution.</translation>
    </message>
    <message>
        <source>Японский кроссворд - Проверка</source>
        <translation>Japanese Crossword - Check</translation>
    </message>
    <message>
        <source>закрашена</source>
        <translation>filled</translation>
    </message>
    <message>
        <source>пустая</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>Столбец %1 из %2:</source>
        <translation>Column %1 of %2:</translation>
    </message>
    <message>
        <source>Строка %1 из %2:</source>
        <translation>Row %1 of %2:</translation>
    </message>
    <message>
        <source>Числа столбца %1 не помещаются в нём: нужно клеток %2, а в столбце %3</source>
        <translation>The clues of column %1 do not fit: they need %2 cells, the column has %3</translation>
    </message>
    <message>
        <source>Числа строки %1 не помещаются в ней: нужно клеток %2, а в строке %3</source>
        <translation>The clues of row %1 do not fit: they need %2 cells, the row has %3</translation>
    </message>
    <message>
        <source>Неверно введены значения
Сумма чисел строк %1, столбцов %2, разница %3</source>
        <translation>Wrong values entered
The row clues add up to %1, the column clues to %2, a difference of %3</translation>
    </message>
    <message>
        <source>Столбец %1 из %2</source>
        <translation>Column %1 of %2</translation>
    </message>
    <message>
        <source>Строка %1 из %2</source>
        <translation>Row %1 of %2</translation>
    </message>
    <message>
        <source>вправо</source>
        <translation>right</translation>
    </message>
    <message>
        <source>вниз</source>
        <translation>down</translation>
    </message>
    <message>
        <source>без перехода</source>
        <translation>no automatic move</translation>
    </message>
    <message>
        <source>переход %1 после цифры</source>
        <translation>moves %1 after a digit</translation>
    </message>
    <message>
        <source>переход %1 после двух цифр</source>
        <translation>moves %1 after two digits</translation>
    </message>
    <message>
        <source>Числа не вставлены:</source>
        <translation>The clues were not pasted:</translation>
    </message>
    <message>
        <source>Из буфера обмена прочитаны числа %1 строк и %2 столбцов.
Первая строка: %3
Первый столбец: %4</source>
        <translation>The clipboard holds the clues of %1 rows and %2 columns.
First row: %3
First column: %4</translation>
    </message>
    <message>
        <source>Заменить ими числа кроссворда?</source>
        <translation>Replace the crossword's clues with them?</translation>
    </message>
    <message>
        <source>Размер рисунка другой: начать новый кроссворд %1x%2?</source>
        <translation>The picture size differs: start a new %1x%2 crossword?</translation>
    </message>
    <message>
        <source>Ввод заменяет число</source>
        <translation>Typing replaces the number</translation>
    </message>
    <message>
        <source>Подсказка невозможна</source>
        <translation>No hint possible</translation>
    </message>
</context>
</TS>
