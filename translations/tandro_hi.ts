<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1, दो नामों का खेल</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>अपना और अपने साथी का नाम लिखें और Enter दबाएँ: छह शब्द — नफ़रत है, दोस्त, प्यार है, पसंद है, शादी और दुश्मन — एक-एक करके कटते हैं, जब तक एक न बचे, जो दोनों नामों के बीच का रिश्ता है। खेल की विंडो चित्रों की तरह बनाई जाती हैं; विंडो में स्क्रीन रीडर का बटन “%1” दबाने पर स्क्रीन रीडर उन्हें पढ़ता है, और हर खेल का नतीजा खेल ख़त्म होने पर यहाँ पढ़कर सुनाया जाता है।</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>%1 लोड हो रहा है…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>%1 डाउनलोड हो रहा है: %3 में से %2</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>%1 शुरू हो रहा है…</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>%1 का डाउनलोड बीच में रुक गया, इसलिए यह शुरू नहीं हो सकता। कनेक्शन जाँचें और फिर से कोशिश करें।</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>फिर से कोशिश करें</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 शुरू नहीं हो सका: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>इसके लिए WebAssembly चलाने वाला ब्राउज़र चाहिए।</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>इसका प्रोग्राम, %1, नहीं मिल सका (%2)।</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 रुक गया: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 बंद हो गया है।</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>फिर से शुरू करें</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>कनेक्शन नहीं है: %1 इस डिवाइस पर रखी कॉपी से चल रहा है।</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>स्क्रीन रीडर चालू करें</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>अनपेक्षित तर्क “%1”।</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (%1 --help बताता है कि यह क्या-क्या लेता है।)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>उपयोग: %1 [विकल्प]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>विकल्प:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>यह सहायता दिखाता है और बंद हो जाता है।</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>संस्करण दिखाता है और बंद हो जाता है।</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>Qt के मानक विकल्प भी काम करते हैं, जैसे -platform, -style और -reverse।</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: Tandro को अपनी विंडो खोलने के लिए ग्राफ़िकल डेस्कटॉप चाहिए, और इस सत्र में कोई डेस्कटॉप नहीं है (DISPLAY और WAYLAND_DISPLAY सेट नहीं हैं)।</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: Tandro को अपनी विंडो खोलने के लिए ग्राफ़िकल डेस्कटॉप चाहिए, और वह %2 वाले डेस्कटॉप तक नहीं पहुँच सका।</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: Tandro विंडो सिस्टम शुरू नहीं कर सका। Qt का संदेश:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>दो नामों का खेल। अपना नाम और अपने साथी का नाम लिखें और “चलो” दबाएँ: दोनों नामों में जो अक्षर एक जैसे हैं वे एक-दूसरे को काट देते हैं, और बचे हुए अक्षरों की गिनती छह शब्दों — नफ़रत है, दोस्त, प्यार है, पसंद है, शादी और दुश्मन — पर गोल-गोल घूमती है और उन्हें एक-एक करके काटती है, जब तक एक न बचे: दोनों नामों के बीच का रिश्ता।</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>दो नामों के बीच का रिश्ता जानें</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>नामों का खेल</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>प्यार;नाम;रिश्ता;खेल;लव टेस्ट;love;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>नफ़रत है</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>दोस्त</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>प्यार है</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>पसंद है</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>शादी</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>दुश्मन</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>ध्यान दें!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>नाम खाली है</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>कृपया अपना नाम ठीक करें</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>कृपया अपने साथी का नाम ठीक करें</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>त्रुटि!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>इन नामों का कोई नतीजा नहीं</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>Tandro के बारे में</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 के बारे में</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>संस्करण %1.%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Contact Information:</source>
        <translation>संपर्क जानकारी:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>दो नामों का एक छोटा-सा खेल, C++ और Qt 6 में बना।</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>इस मज़ेदार खेल Tandro का आनंद लें। बस अपना और अपने साथी का नाम भरें और जानें कि आप दोनों के बीच क्या रिश्ता है।</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>संस्करण</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>चेतावनी: ‘ठीक है’ दबाने से यह विंडो बंद होगी!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>सवाल, सुझाव और बग रिपोर्ट का स्वागत है:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>बारे में(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>आपका नाम(&amp;Y)</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>अपना नाम यहाँ भरें</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>साथी का नाम(&amp;P)</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>अपने साथी का नाम यहाँ भरें</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>चलो(&amp;G)</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>नतीजा देखने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>सब मिटाएँ(&amp;A)</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>क्रॉस और दोनों नाम मिटाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>साथी बदलें(&amp;C)</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>क्रॉस और अपने साथी का नाम मिटाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बंद करें(&amp;X)</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>ऐप्लिकेशन बंद करने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1, कटा हुआ</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>नतीजा: %1।</translation>
    </message>
</context>
</TS>
