<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1, gra dla dwóch imion</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>Wpisz swoje imię i imię partnera i naciśnij Enter: sześć słów, Nienawidzi, Przyjaciel, Kocha, Podziwia, Ślub i Wróg, jest skreślanych jedno po drugim, aż zostanie jedno – relacja między dwoma imionami. Okna gry są rysowane jako obrazy; czytnik ekranu odczyta je po naciśnięciu w oknie jego przycisku „%1”, a wynik każdej gry zostanie tu odczytany, gdy się skończy.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>Wczytywanie %1…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>Pobieranie %1: %2 z %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>Uruchamianie %1…</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>Pobieranie %1 zostało przerwane, więc nie może się uruchomić. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>Nie udało się uruchomić %1: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>potrzebna jest przeglądarka obsługująca WebAssembly.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>nie udało się pobrać jego programu, %1 (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 przestał działać: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 zakończył działanie.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Uruchom ponownie</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>Brak połączenia: %1 działa z kopii zapisanej na tym urządzeniu.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>Włącz czytnik ekranu</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (%1 --help pokazuje, co można podać).</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Użycie: %1 [opcje]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Pokazuje tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Pokazuje wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>Działają też standardowe opcje Qt, takie jak -platform, -style i -reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: Tandro potrzebuje środowiska graficznego, by otworzyć swoje okno, a ta sesja go nie ma (DISPLAY i WAYLAND_DISPLAY nie są ustawione).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: Tandro potrzebuje środowiska graficznego, by otworzyć swoje okno, i nie mógł połączyć się z tym pod %2.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: Tandro nie mógł uruchomić systemu okien. Komunikat Qt:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>Gra dla dwóch imion. Wpisz swoje imię i imię partnera, a potem naciśnij Graj: litery wspólne dla obu imion znoszą się nawzajem, a liczba pozostałych liter odlicza w kółko sześć słów: Nienawidzi, Przyjaciel, Kocha, Podziwia, Ślub i Wróg, i skreśla je jedno po drugim, aż zostanie jedno – relacja między dwoma imionami.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>Poznaj relację między dwoma imionami</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>Gra w imiona</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>miłość;imiona;relacja;gra;test miłości;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>Nienawidzi</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Przyjaciel</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>Kocha</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>Podziwia</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Ślub</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Wróg</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>Uwaga!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Brak danych</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>Popraw swoje imię</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>Popraw imię partnera</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Błąd!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>Brak wyniku dla tych imion</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>O programie Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Wersja %1.%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Contact Information:</source>
        <translation>Kontakt:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>Mała gra dla dwóch imion, napisana w C++ z Qt 6.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>Baw się dobrze w tej ciekawej grze – Tandro. Wpisz swoje imię i imię partnera, a poznasz relację, która was łączy.</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>Uwaga: kliknięcie OK zamyka to okno!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>Pytania, pomysły i zgłoszenia błędów mile widziane:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>&amp;Twoje imię</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>Wpisz tutaj swoje imię</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>Imię &amp;partnera</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>Wpisz tutaj imię partnera</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Graj</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>Kliknij tutaj, aby zobaczyć wynik</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Wyczyść</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>Kliknij tutaj, aby usunąć krzyżyki i imiona</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>&amp;Inne imię</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>Kliknij tutaj, aby usunąć krzyżyki i imię partnera</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>Kliknij tutaj, aby zamknąć program</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, skreślone</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>Wynik: %1.</translation>
    </message>
</context>
</TS>
