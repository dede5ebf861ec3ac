<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1, un jeu pour deux prénoms</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>Entre ton prénom et celui de ton partenaire, puis appuie sur Entrée&#xa0;: six mots, Déteste, Ami, Aime, Admire, Mariage et Ennemi, sont barrés un à un jusqu’à ce qu’il n’en reste qu’un, la relation entre les deux prénoms. Les fenêtres du jeu sont dessinées comme des images&#xa0;; un lecteur d’écran les lit une fois son bouton «&#xa0;%1&#xa0;» activé dans la fenêtre, et le résultat de chaque partie est lu ici à la fin.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>Chargement de %1…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>Téléchargement de %1&#xa0;: %2 sur %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>Démarrage de %1…</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>Le téléchargement de %1 a été interrompu, il ne peut donc pas démarrer. Vérifie la connexion et réessaie.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 n’a pas pu démarrer&#xa0;: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>il faut un navigateur qui exécute WebAssembly.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>son programme, %1, n’a pas pu être récupéré (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 s’est arrêté&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 est fermé.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>Pas de connexion&#xa0;: %1 tourne à partir de la copie gardée sur cet appareil.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>Activer le lecteur d’écran</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1&#xa0;: %2 (%1 --help indique ce qu’il accepte.)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation&#xa0;: %1 [options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>Les options standard de Qt fonctionnent aussi, comme -platform, -style et -reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1&#xa0;: Tandro a besoin d’un bureau graphique pour ouvrir sa fenêtre, et cette session n’en a pas (DISPLAY et WAYLAND_DISPLAY ne sont pas définies).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1&#xa0;: Tandro a besoin d’un bureau graphique pour ouvrir sa fenêtre, et n’a pas pu joindre celui de %2.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1&#xa0;: Tandro n’a pas pu démarrer le système de fenêtres. Qt indique&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>Un jeu pour deux prénoms. Entre ton prénom et celui de ton partenaire, puis appuie sur Jouer&#xa0;: les lettres que les deux prénoms ont en commun s’annulent, et le nombre de lettres restantes sert à compter, en tournant, sur six mots, Déteste, Ami, Aime, Admire, Mariage et Ennemi, qui sont barrés un à un jusqu’à ce qu’il n’en reste qu’un&#xa0;: la relation entre les deux prénoms.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>Découvre la relation entre deux prénoms</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>Jeu de prénoms</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>amour;prénoms;noms;relation;jeu;test d’amour;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>Déteste</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Ami</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>Aime</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>Admire</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Mariage</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Ennemi</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>Attention&#xa0;!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Champ vide</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>Corrige ton prénom</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>Corrige le prénom de ton partenaire</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Erreur&#xa0;!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>Aucun résultat pour ces prénoms</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>À propos de Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Contact&#xa0;:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>Un petit jeu pour deux prénoms, en C++ avec Qt 6.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>Amuse-toi bien avec Tandro, un jeu passionnant&#xa0;! Entre ton prénom et celui de ton partenaire, et découvre la relation qui existe entre vous.</translation>
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
        <translation>Attention&#xa0;: OK ferme cette fenêtre&#xa0;!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>Une question, une idée, un bogue&#xa0;?</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>&amp;Ton prénom</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>Écris ton prénom ici</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>&amp;Son prénom</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>Écris ici le prénom de ton partenaire</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>Clique ici pour voir le résultat</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>Tout &amp;effacer</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>Clique ici pour effacer les croix et les prénoms</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>&amp;Autre nom</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>Clique ici pour effacer les croix et le prénom de ton partenaire</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>Clique ici pour quitter le jeu</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, barré</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>Résultat&#xa0;: %1.</translation>
    </message>
</context>
</TS>
