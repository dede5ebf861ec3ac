<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1 — гра для двох імен</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>Впиши своє ім’я та ім’я партнера й натисни Enter: шість слів — Не терпить, Друг, Кохає, Обожнює, Шлюб і Ворог — закреслюються одне за одним, доки не залишиться одне: стосунки між двома іменами. Вікна гри малюються як зображення; програма читання з екрана прочитає їх, щойно у вікні буде натиснуто її кнопку «%1», а результат кожної гри буде прочитано тут, коли вона закінчиться.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>Завантаження %1…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>Завантаження %1: %2 з %3</translation>
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
        <translation>Завантаження %1 перервалося, тому запуск неможливий. Перевір з’єднання й спробуй ще раз.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Спробувати ще раз</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>Не вдалося запустити %1: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>потрібен браузер, що підтримує WebAssembly.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>не вдалося отримати її програму, %1 (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>Роботу %1 перервано: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>Роботу %1 завершено.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Запустити знову</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>Немає з’єднання: %1 працює з копії, збереженої на цьому пристрої.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>Увімкнути програму читання з екрана</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочікуваний аргумент «%1».</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (допустимі параметри покаже %1 --help.)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Використання: %1 [параметри]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметри:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Показує цю довідку й завершує роботу.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Показує версію й завершує роботу.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>Працюють і стандартні параметри Qt, наприклад -platform, -style і -reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: програмі Tandro потрібна графічна стільниця, щоб відкрити вікно, а в цьому сеансі її немає (DISPLAY і WAYLAND_DISPLAY не задано).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: програмі Tandro потрібна графічна стільниця, щоб відкрити вікно, але під’єднатися до стільниці на %2 не вдалося.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: програмі Tandro не вдалося запустити віконну систему. Повідомлення Qt:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>Гра для двох імен. Впиши своє ім’я та ім’я партнера й натисни «Грати»: спільні літери двох імен взаємно скасовуються, а кількість решти літер відлічує по колу шість слів — Не терпить, Друг, Кохає, Обожнює, Шлюб і Ворог, — закреслюючи їх одне за одним, доки не залишиться одне: стосунки між двома іменами.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>Дізнайся, які стосунки пов’язують два імені</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>Гра з іменами</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>кохання;любов;імена;стосунки;гра;тест на кохання;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>Не терпить</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Друг</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>Кохає</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>Обожнює</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Шлюб</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Ворог</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>Увага!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Немає даних</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>Виправ своє ім’я</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>Виправ ім’я партнера</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Помилка!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>Для цих імен немає результату</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>Про Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Про %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Версія %1.%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Contact Information:</source>
        <translation>Контакти:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>Маленька гра для двох імен на C++ і Qt 6.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>Пограй у цю цікаву гру — Tandro. Просто впиши своє ім’я та ім’я партнера й дізнайся, які стосунки вас пов’язують.</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>Увага: «Гаразд» закриває це вікно!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>Запитання, ідеї та звіти про вади вітаються:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>Пр&amp;о програму</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>&amp;Твоє ім’я</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>Впиши сюди своє ім’я</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>Ім’я &amp;партнера</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>Впиши сюди ім’я партнера</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Грати</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>Натисни, щоб дізнатися результат</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Стерти все</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>Натисни, щоб стерти хрестики та імена</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>&amp;Інше ім’я</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>Натисни, щоб стерти хрестики та ім’я партнера</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>Натисни, щоб вийти з програми</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, закреслено</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>Результат: %1.</translation>
    </message>
</context>
</TS>
