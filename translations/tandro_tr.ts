<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1, iki ad için bir oyun</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>Adını ve partnerinin adını yaz, Enter’a bas: altı kelime (Nefret eder, Arkadaş, Sever, Hayrandır, Evlilik ve Düşman) tek bir kelime kalana dek tek tek çizilir; kalan kelime, iki ad arasındaki ilişkidir. Oyunun pencereleri resim olarak çizilir; bir ekran okuyucu, penceredeki “%1” düğmesine basıldığında onları okur ve her oyunun sonucu, oyun bitince burada okunur.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>%1 yükleniyor…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>%1 indiriliyor: %2 / %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>%1 başlatılıyor…</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>%1 indirilirken bağlantı kesildi, bu yüzden başlatılamıyor. Bağlantını kontrol et ve yeniden dene.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 başlatılamadı: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>WebAssembly çalıştıran bir tarayıcı gerekiyor.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>programı, %1, alınamadı (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 durdu: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 kapandı.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>Yeniden başlat</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>Bağlantı yok: %1, bu cihazda saklanan kopyadan çalışıyor.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>Ekran okuyucuyu etkinleştir</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Beklenmeyen argüman: “%1”.</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (Neleri kabul ettiğini %1 --help gösterir.)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Kullanım: %1 [seçenekler]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Seçenekler:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Bu yardımı gösterir ve çıkar.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Sürümü gösterir ve çıkar.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>Qt’nin standart seçenekleri de çalışır; örneğin -platform, -style ve -reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: Tandro’nun penceresini açmak için grafik bir masaüstüne ihtiyacı var, ancak bu oturumda hiç yok (DISPLAY ve WAYLAND_DISPLAY ayarlanmamış).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: Tandro’nun penceresini açmak için grafik bir masaüstüne ihtiyacı var, ancak %2 adresindekine ulaşamadı.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: Tandro pencere sistemini başlatamadı. Qt’nin iletisi:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>İki ad için bir oyun. Kendi adını ve partnerinin adını yaz, Başla’ya bas: iki adın ortak harfleri birbirini götürür ve kalan harflerin sayısı, altı kelime (Nefret eder, Arkadaş, Sever, Hayrandır, Evlilik ve Düşman) üzerinde sırayla sayarak her turda birinin üstünü çizer; sonunda kalan tek kelime, iki ad arasındaki ilişkidir.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>İki ad arasındaki ilişkiyi bul</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>Ad oyunu</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>aşk;adlar;isimler;ilişki;oyun;aşk testi;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>Nefret eder</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Arkadaş</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>Sever</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>Hayrandır</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>Evlilik</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>Düşman</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>Dikkat!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>Eksik bilgi</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>Lütfen adını düzelt</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>Lütfen partnerinin adını düzelt</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>Hata!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>Bu adlar için sonuç yok</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>Tandro Hakkında</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 Hakkında</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Sürüm %1.%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Contact Information:</source>
        <translation>İletişim:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>İki ad için küçük bir oyun; C++ ve Qt 6 ile yapıldı.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>Bu ilginç oyunun tadını çıkar: Tandro. Adını ve partnerinin adını yaz, aranızdaki ilişkiyi öğren.</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>Uyarı: Tamam bu pencereyi kapatır!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>Sorulara, fikirlere ve hata bildirimlerine açığız:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>&amp;Adın</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>Adını buraya yaz</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>&amp;Partnerinin adı</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>Partnerinin adını buraya yaz</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Başla</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>Sonucu görmek için buraya tıkla</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Tümünü sil</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>Çarpıları ve adları silmek için buraya tıkla</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>Partneri &amp;sil</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>Çarpıları ve partnerinin adını silmek için buraya tıkla</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>Uygulamadan çıkmak için buraya tıkla</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, üstü çizildi</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>Sonuç: %1.</translation>
    </message>
</context>
</TS>
