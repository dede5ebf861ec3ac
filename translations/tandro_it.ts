<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1, un gioco per due nomi</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>Scrivi il tuo nome e quello del tuo partner e premi Invio: sei parole, Odia, Amico, Ama, Ammira, Matrimonio e Nemico, vengono barrate una alla volta finché ne resta una sola, il rapporto tra i due nomi. Le finestre del gioco sono disegnate come immagini; un lettore di schermo le legge dopo che è stato premuto il suo pulsante «%1» nella finestra, e il risultato di ogni partita viene letto qui quando finisce.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>Caricamento di %1…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>Download di %1: %2 di %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>Avvio di %1…</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>Il download di %1 si è interrotto, quindi non può avviarsi. Controlla la connessione e riprova.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 non è riuscito ad avviarsi: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>serve un browser che esegua WebAssembly.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>non è stato possibile scaricare il suo programma, %1 (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 si è fermato: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 è stato chiuso.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Avvia di nuovo</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>Nessuna connessione: %1 funziona dalla copia salvata su questo dispositivo.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>Attiva lettore di schermo</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (%1 --help indica cosa accetta.)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>Funzionano anche le opzioni standard di Qt, come -platform, -style e -reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: Tandro ha bisogno di un desktop grafico per aprire la sua finestra, e questa sessione non ne ha (DISPLAY e WAYLAND_DISPLAY non sono impostate).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: Tandro ha bisogno di un desktop grafico per aprire la sua finestra, e non è riuscito a raggiungere quello su %2.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: Tandro non è riuscito ad avviare il sistema a finestre. Qt dice:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>Un gioco per due nomi. Scrivi il tuo nome e quello del tuo partner e premi Via: le lettere che i due nomi hanno in comune si annullano, e il numero di lettere rimaste conta in giro su sei parole, Odia, Amico, Ama, Ammira, Matrimonio e Nemico, e le barra una alla volta finché ne resta una sola: il rapporto tra i due nomi.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>Scopri il rapporto tra due nomi</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>Gioco dei nomi</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>amore;nomi;rapporto;relazione;gioco;test dell’amore;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>Odia</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Amico</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>Ama</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>Ammira</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Matrimonio</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Nemico</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>Attenzione!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Dati mancanti</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>Correggi il tuo nome</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>Correggi il nome del tuo partner</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Errore!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>Nessun risultato per questi nomi</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>Informazioni su Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versione %1.%2</translation>
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
        <translation>Contatti:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>Un piccolo gioco per due nomi, in C++ con Qt 6.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>Divertiti con questo gioco interessante: Tandro. Inserisci il tuo nome e quello del tuo partner e scopri che rapporto c’è tra voi.</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>Attenzione: OK chiude questa finestra!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>Domande, idee e segnalazioni sono benvenute:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>Il &amp;tuo nome</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>Scrivi qui il tuo nome</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>Nome del &amp;partner</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>Scrivi qui il nome del tuo partner</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Via</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>Fai clic qui per vedere il risultato</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Azzera tutto</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>Fai clic qui per cancellare le croci e i nomi</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>Altro &amp;nome</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>Fai clic qui per cancellare le croci e il nome del tuo partner</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>Fai clic qui per uscire dall’applicazione</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, barrato</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>Risultato: %1.</translation>
    </message>
</context>
</TS>
