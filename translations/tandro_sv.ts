<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1, ett spel för två namn</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>Skriv ditt namn och din partners namn och tryck på Enter: sex ord, Hatar, Vän, Älskar, Beundrar, Giftermål och Fiende, stryks ett i taget tills ett är kvar, relationen mellan de två namnen. Spelets fönster ritas som bilder; en skärmläsare läser dem när dess knapp ”%1” i fönstret har tryckts ned, och resultatet av varje spel läses upp här när det är slut.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>Läser in %1 …</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>Hämtar %1: %2 av %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>Startar %1 …</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>Hämtningen av %1 avbröts, så det kan inte starta. Kontrollera anslutningen och försök igen.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 kunde inte starta: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>det behövs en webbläsare som kör WebAssembly.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>dess program, %1, kunde inte hämtas (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 stannade: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 har avslutats.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Starta igen</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>Ingen anslutning: %1 körs från kopian som sparats på den här enheten.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>Aktivera skärmläsare</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Oväntat argument ”%1”.</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (%1 --help visar vad som går att ange.)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Användning: %1 [flaggor]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Flaggor:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Visar den här hjälpen och avslutar.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Visar versionen och avslutar.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>Qt:s standardflaggor fungerar också, till exempel -platform, -style och -reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: Tandro behöver ett grafiskt skrivbord för att öppna sitt fönster, och den här sessionen har inget (DISPLAY och WAYLAND_DISPLAY är inte satta).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: Tandro behöver ett grafiskt skrivbord för att öppna sitt fönster och kunde inte nå det på %2.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: Tandro kunde inte starta fönstersystemet. Qt säger:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>Ett spel för två namn. Skriv ditt eget namn och din partners namn och tryck på Kör: bokstäverna som namnen har gemensamt tar ut varandra, och antalet bokstäver som blir över räknar runt sex ord, Hatar, Vän, Älskar, Beundrar, Giftermål och Fiende, och stryker dem ett i taget tills ett är kvar: relationen mellan de två namnen.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>Hitta relationen mellan två namn</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>Namnspel</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>kärlek;namn;relation;spel;kärlekstest;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>Hatar</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Vän</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>Älskar</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>Beundrar</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Giftermål</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Fiende</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>Obs!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Uppgifter saknas</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>Rätta ditt namn</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>Rätta din partners namn</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Fel!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>Inget resultat för de här namnen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>Om Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Om %1</translation>
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
        <translation>Ett litet spel för två namn, byggt i C++ med Qt 6.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>Ha kul med det här spännande spelet – Tandro. Fyll bara i ditt namn och din partners namn och få veta vilken relation ni har.</translation>
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
        <translation>Varning: OK stänger den här dialogen!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>Frågor, idéer och felrapporter är välkomna:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>&amp;Ditt namn</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>Skriv ditt namn här</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>&amp;Partnerns namn</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>Skriv din partners namn här</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Kör</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>Klicka här för att få resultatet</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>Rensa &amp;allt</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>Klicka här för att rensa kryssen och namnen</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>&amp;Ny partner</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>Klicka här för att rensa kryssen och din partners namn</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vsluta</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>Klicka här för att avsluta programmet</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, överkryssad</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>Resultat: %1.</translation>
    </message>
</context>
</TS>
