<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1 — игра для двух имён</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>Впиши своё имя и имя партнёра и нажми Enter: шесть слов — Ненавидит, Друг, Любит, Обожает, Свадьба и Враг — вычёркиваются одно за другим, пока не останется одно: отношения между двумя именами. Окна игры рисуются как картинки; программа чтения с экрана прочтёт их, когда в окне будет нажата её кнопка «%1», а результат каждой игры будет прочитан здесь, когда она закончится.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>Загрузка %1…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>Загрузка %1: %2 из %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>Запуск %1…</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>Загрузка %1 прервалась, поэтому запуск невозможен. Проверь подключение и попробуй ещё раз.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Попробовать ещё раз</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>Не удалось запустить %1: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>нужен браузер с поддержкой WebAssembly.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>не удалось получить её программу, %1 (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>Работа %1 прервана: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>Работа %1 завершена.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Запустить снова</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>Нет подключения: %1 работает с копии, сохранённой на этом устройстве.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>Включить программу чтения с экрана</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (допустимые параметры покажет %1 --help.)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Использование: %1 [параметры]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Показывает эту справку и завершает работу.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Показывает версию и завершает работу.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>Работают и стандартные параметры Qt, например -platform, -style и -reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: программе Tandro нужен графический рабочий стол, чтобы открыть окно, а в этом сеансе его нет (DISPLAY и WAYLAND_DISPLAY не заданы).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: программе Tandro нужен графический рабочий стол, чтобы открыть окно, но к рабочему столу на %2 подключиться не удалось.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: программе Tandro не удалось запустить оконную систему. Сообщение Qt:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>Игра для двух имён. Впиши своё имя и имя партнёра и нажми «Играть»: общие буквы двух имён взаимно вычёркиваются, а число оставшихся букв отсчитывает по кругу шесть слов — Ненавидит, Друг, Любит, Обожает, Свадьба и Враг, — вычёркивая их одно за другим, пока не останется одно: отношения между двумя именами.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>Узнай, какие отношения связывают два имени</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>Игра с именами</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>любовь;имена;отношения;игра;тест на любовь;совместимость;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>Ненавидит</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Друг</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>Любит</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>Обожает</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Свадьба</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Враг</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Нет данных</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>Исправь своё имя</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>Исправь имя партнёра</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Ошибка!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>Для этих имён нет результата</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>О программе Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Версия %1.%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Contact Information:</source>
        <translation>Контакты:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>Маленькая игра для двух имён на C++ и Qt 6.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>Поиграй в эту интересную игру — Tandro. Просто впиши своё имя и имя партнёра и узнай, какие отношения вас связывают.</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>Внимание: ОК закрывает это окно!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>Ждём вопросов, идей и сообщений об ошибках:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>&amp;Твоё имя</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>Впиши сюда своё имя</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>Имя &amp;партнёра</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>Впиши сюда имя партнёра</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Играть</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>Нажми, чтобы узнать результат</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>Нажми, чтобы стереть крестики и имена</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>&amp;Новое имя</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>Нажми, чтобы стереть крестики и имя партнёра</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>Нажми, чтобы выйти из программы</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, зачёркнуто</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>Результат: %1.</translation>
    </message>
</context>
</TS>
