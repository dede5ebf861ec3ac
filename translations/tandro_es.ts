<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1, un juego para dos nombres</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>Escribe tu nombre y el de tu pareja y pulsa Intro: seis palabras, Odia, Amigo, Ama, Admira, Matrimonio y Enemigo, se tachan una a una hasta que solo queda una, la relación entre los dos nombres. Las ventanas del juego se dibujan como imágenes; un lector de pantalla las lee en cuanto se pulsa su botón «%1» en la ventana, y el resultado de cada partida se lee aquí al terminar.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>Cargando %1…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>Descargando %1: %2 de %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>Iniciando %1…</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>La descarga de %1 se interrumpió, así que no puede iniciarse. Comprueba la conexión y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 no pudo iniciarse: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>necesita un navegador que ejecute WebAssembly.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>no se pudo descargar su programa, %1 (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 se detuvo: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 se ha cerrado.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Volver a iniciar</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>Sin conexión: %1 funciona con la copia guardada en este dispositivo.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>Activar lector de pantalla</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (%1 --help indica qué admite).</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>También funcionan las opciones estándar de Qt, como -platform, -style y -reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: Tandro necesita un escritorio gráfico para abrir su ventana, y esta sesión no tiene ninguno (DISPLAY y WAYLAND_DISPLAY no están definidas).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: Tandro necesita un escritorio gráfico para abrir su ventana, y no pudo conectar con el de %2.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: Tandro no pudo iniciar el sistema de ventanas. Qt dice:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>Un juego para dos nombres. Escribe tu nombre y el de tu pareja y pulsa Jugar: las letras que comparten los dos nombres se anulan, y el número de letras que quedan cuenta en círculo sobre seis palabras, Odia, Amigo, Ama, Admira, Matrimonio y Enemigo, y las tacha una a una hasta que solo queda una: la relación entre los dos nombres.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>Descubre la relación entre dos nombres</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>Juego de nombres</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>amor;nombres;relación;juego;pareja;test de amor;</translation>
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
        <translation>Amigo</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>Ama</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>Admira</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Matrimonio</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Enemigo</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>¡Aviso!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Faltan datos</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>Corrige tu nombre</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>Corrige el nombre de tu pareja</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>No hay resultado para estos nombres</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>Acerca de Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Contact Information:</source>
        <translation>Contacto:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>Un pequeño juego de dos nombres, en C++ con Qt 6.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>Disfruta de este interesante juego: Tandro. Escribe tu nombre y el de tu pareja y descubre qué relación hay entre los dos.</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>Atención: Aceptar cierra esta ventana.</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>Se agradecen preguntas, ideas y avisos de errores:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>&amp;Tu nombre</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>Escribe aquí tu nombre</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>Nombre de tu &amp;pareja</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>Escribe aquí el nombre de tu pareja</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>Haz clic aquí para ver el resultado</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Borrar todo</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>Haz clic aquí para borrar las cruces y los nombres</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>&amp;Otra pareja</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>Haz clic aquí para borrar las cruces y el nombre de tu pareja</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>Haz clic aquí para salir de la aplicación</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, tachado</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>Resultado: %1.</translation>
    </message>
</context>
</TS>
