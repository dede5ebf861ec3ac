<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1, um jogo para dois nomes</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>Digite o seu nome e o do seu parceiro e pressione Enter: seis palavras, Odeia, Amigo, Ama, Admira, Casamento e Inimigo, são riscadas uma a uma até sobrar só uma, a relação entre os dois nomes. As janelas do jogo são desenhadas como imagens; um leitor de tela as lê assim que o botão “%1” dele é pressionado na janela, e o resultado de cada partida é lido aqui quando ela termina.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>Carregando %1…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>Baixando %1: %2 de %3</translation>
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
        <translation>O download de %1 foi interrompido, por isso ele não pode iniciar. Verifique a conexão e tente de novo.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 não pôde iniciar: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>ele precisa de um navegador que rode WebAssembly.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>o programa dele, %1, não pôde ser baixado (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 parou: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 foi encerrado.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Iniciar de novo</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>Sem conexão: %1 está rodando a partir da cópia guardada neste dispositivo.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>Ativar leitor de tela</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (%1 --help mostra o que ele aceita.)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opções]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>As opções padrão do Qt também funcionam, como -platform, -style e -reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: o Tandro precisa de um ambiente gráfico para abrir sua janela, e esta sessão não tem nenhum (DISPLAY e WAYLAND_DISPLAY não estão definidas).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: o Tandro precisa de um ambiente gráfico para abrir sua janela e não conseguiu acessar o de %2.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: o Tandro não conseguiu iniciar o sistema de janelas. O Qt diz:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>Um jogo para dois nomes. Digite o seu nome e o do seu parceiro e clique em Jogar: as letras que os dois nomes têm em comum se anulam, e o número de letras que sobram conta em roda seis palavras, Odeia, Amigo, Ama, Admira, Casamento e Inimigo, riscando-as uma a uma até sobrar só uma: a relação entre os dois nomes.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>Descubra a relação entre dois nomes</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>Jogo de nomes</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>amor;nomes;relacionamento;jogo;casal;teste do amor;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>Odeia</translation>
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
        <translation>Casamento</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Inimigo</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>Atenção!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Campo vazio</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>Corrija seu nome</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>Corrija o nome do seu parceiro</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>Nenhum resultado para esses nomes</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>Sobre o Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versão %1.%2</translation>
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
        <translation>Contato:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>Um joguinho para dois nomes, feito em C++ com Qt 6.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>Divirta-se com este jogo interessante: Tandro. É só digitar o seu nome e o do seu parceiro para descobrir a relação que existe entre vocês.</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>Atenção: clicar em OK fecha esta janela!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>Perguntas, ideias e relatos de erros são bem-vindos:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>So&amp;bre</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>&amp;Seu nome</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>Digite seu nome aqui</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>Nome do &amp;parceiro</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>Digite o nome do seu parceiro aqui</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Jogar</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>Clique aqui para ver o resultado</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Limpar tudo</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>Clique aqui para apagar os X e os nomes</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>&amp;Outro nome</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>Clique aqui para apagar os X e o nome do seu parceiro</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>Clique aqui para sair do jogo</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, riscado</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>Resultado: %1.</translation>
    </message>
</context>
</TS>
