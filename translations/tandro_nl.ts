<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1, een spel voor twee namen</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>Vul je naam en die van je partner in en druk op Enter: zes woorden, Haat, Vriend, Houdt van, Bewondert, Huwelijk en Vijand, worden een voor een doorgestreept tot er één over is, de relatie tussen de twee namen. De vensters van het spel worden als afbeeldingen getekend; een schermlezer leest ze voor zodra zijn knop ‘%1’ in het venster is ingedrukt, en de uitkomst van elk spel wordt hier voorgelezen als het afgelopen is.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>%1 laden…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>%1 downloaden: %2 van %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>%1 starten…</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>Het downloaden van %1 is onderbroken, dus het kan niet starten. Controleer de verbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 kon niet starten: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>het heeft een browser nodig die WebAssembly uitvoert.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>het programma, %1, kon niet worden opgehaald (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 is gestopt: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 is afgesloten.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Opnieuw starten</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>Geen verbinding: %1 draait vanaf de kopie op dit apparaat.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>Schermlezer inschakelen</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (%1 --help vertelt wat het accepteert.)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Gebruik: %1 [opties]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Toont deze hulp en stopt.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Toont de versie en stopt.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>De standaardopties van Qt werken ook, zoals -platform, -style en -reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: Tandro heeft een grafische desktop nodig om zijn venster te openen, en deze sessie heeft er geen (DISPLAY en WAYLAND_DISPLAY zijn niet ingesteld).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: Tandro heeft een grafische desktop nodig om zijn venster te openen, en kon die op %2 niet bereiken.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: Tandro kon het venstersysteem niet starten. Qt meldt:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>Een spel voor twee namen. Vul je eigen naam en die van je partner in en druk op Start: de letters die de twee namen gemeen hebben, vallen tegen elkaar weg, en het aantal overgebleven letters telt rond langs zes woorden, Haat, Vriend, Houdt van, Bewondert, Huwelijk en Vijand, en streept ze een voor een door tot er één over is: de relatie tussen de twee namen.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>Ontdek de relatie tussen twee namen</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>Namenspel</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>liefde;namen;relatie;spel;liefdestest;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>Haat</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Vriend</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>Houdt van</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>Bewondert</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Huwelijk</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Vijand</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>Let op!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Lege invoer</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>Verbeter je naam</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>Verbeter de naam van je partner</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Fout!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>Geen uitkomst voor deze namen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>Over Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versie %1.%2</translation>
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
        <translation>Contactgegevens:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>Een klein spel voor twee namen, in C++ met Qt 6.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>Veel plezier met dit leuke spel: Tandro. Vul je naam en die van je partner in en ontdek welke relatie jullie hebben.</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>Let op: OK sluit dit venster!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>Vragen, ideeën en foutmeldingen zijn welkom:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>&amp;Jouw naam</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>Vul hier je naam in</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>Naam van je &amp;partner</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>Vul hier de naam van je partner in</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>Klik hier voor de uitkomst</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>Wis &amp;alles</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>Klik hier om de kruisjes en de namen te wissen</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>&amp;Wis partner</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>Klik hier om de kruisjes en de naam van je partner te wissen</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>Klik hier om het programma af te sluiten</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, doorgestreept</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>Uitkomst: %1.</translation>
    </message>
</context>
</TS>
