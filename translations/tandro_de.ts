<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1, ein Spiel für zwei Namen</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>Gib deinen Namen und den deines Partners ein und drück die Eingabetaste: Sechs Wörter – Hasst, Freund, Liebt, Bewundert, Heirat und Feind – werden eins nach dem anderen durchgestrichen, bis eins übrig bleibt, die Beziehung zwischen den beiden Namen. Die Fenster des Spiels werden als Bilder gezeichnet; ein Screenreader liest sie vor, sobald seine Schaltfläche „%1“ im Fenster gedrückt wurde, und das Ergebnis jedes Spiels wird hier vorgelesen, wenn es feststeht.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>%1 wird geladen …</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>%1 wird heruntergeladen: %2 von %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>%1 wird gestartet …</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>Der Download von %1 wurde unterbrochen, daher kann es nicht starten. Prüf die Verbindung und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Noch einmal versuchen</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 konnte nicht starten: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>es braucht einen Browser, der WebAssembly ausführt.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>sein Programm, %1, konnte nicht geladen werden (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 ist abgestürzt: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 wurde beendet.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>Keine Verbindung: %1 läuft aus der Kopie auf diesem Gerät.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>Screenreader aktivieren</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (%1 --help zeigt, was möglich ist.)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Zeigt die Version und beendet das Programm.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>Auch die Standardoptionen von Qt funktionieren, etwa -platform, -style und -reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: Tandro braucht eine grafische Oberfläche für sein Fenster, und diese Sitzung hat keine (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: Tandro braucht eine grafische Oberfläche für sein Fenster und konnte die unter %2 nicht erreichen.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: Tandro konnte das Fenstersystem nicht starten. Qt meldet:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>Ein Spiel für zwei Namen. Gib deinen eigenen Namen und den deines Partners ein und drück auf „Los“: Die Buchstaben, die beide Namen gemeinsam haben, heben sich auf, und die Zahl der übrigen Buchstaben zählt reihum über sechs Wörter – Hasst, Freund, Liebt, Bewundert, Heirat und Feind – und streicht eins nach dem anderen durch, bis eins übrig bleibt: die Beziehung zwischen den beiden Namen.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>Finde die Beziehung zwischen zwei Namen</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>Namensspiel</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>Liebe;Namen;Beziehung;Spiel;Liebestest;Partner;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>Hasst</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Freund</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>Liebt</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>Bewundert</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Heirat</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Feind</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>Hinweis!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Eingabe fehlt</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>Bitte korrigiere deinen Namen</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>Bitte korrigiere den Namen deines Partners</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>Kein Ergebnis für diese Namen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>Über Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
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
        <translation>Ein kleines Namensspiel, in C++ mit Qt 6.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>Viel Spaß mit diesem spannenden Spiel – Tandro. Gib deinen Namen und den deines Partners ein und erfahre, wie ihr zueinander steht.</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>Achtung: OK schließt dieses Fenster!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>Fragen, Ideen und Fehlerberichte sind willkommen:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>&amp;Dein Name</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>Trag hier deinen Namen ein</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>&amp;Partnername</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>Trag hier den Namen deines Partners ein</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>Hier klicken, um das Ergebnis zu sehen</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Alles leeren</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>Hier klicken, um die Kreuze und die Namen zu löschen</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>Partner &amp;neu</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>Hier klicken, um die Kreuze und den Namen deines Partners zu löschen</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>Hier klicken, um das Programm zu beenden</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, durchgestrichen</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>Das Ergebnis: %1.</translation>
    </message>
</context>
</TS>
