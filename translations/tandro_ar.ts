<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1، لعبة لاسمين</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>اكتب اسمك واسم شريكك واضغط Enter: تُشطب ست كلمات، هي يكره وصديق ويحب ويُعجَب وزواج وعدو، واحدة تلو الأخرى حتى تبقى واحدة هي العلاقة بين الاسمين. تُرسم نوافذ اللعبة صورًا، ويقرؤها قارئ الشاشة بعد الضغط على زرّه «%1» في النافذة، وتُقرأ نتيجة كل لعبة هنا عند انتهائها.</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>جارٍ تحميل %1…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>جارٍ تنزيل %1: %2 من %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 ميغابايت</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>جارٍ تشغيل %1…</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>انقطع تنزيل %1، لذا لا يمكن تشغيله. تحقّق من الاتصال ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>حاول مجددًا</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>تعذّر تشغيل %1: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>يلزمه متصفح يشغّل WebAssembly.</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>تعذّر جلب برنامجه %1 (%2).</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>توقّف %1: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>أُغلق %1.</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>شغّله مجددًا</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>لا يوجد اتصال: يعمل %1 من النسخة المحفوظة على هذا الجهاز.</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>تفعيل قارئ الشاشة</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع «%1».</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2 (يعرض %1 --help ما يقبله من خيارات.)</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>الاستخدام: %1 [خيارات]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>الخيارات:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>يعرض هذه المساعدة ثم يخرج.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>يعرض الإصدار ثم يخرج.</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>تعمل خيارات Qt القياسية أيضًا، مثل ‎-platform و‎-style و‎-reverse.</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: يحتاج Tandro إلى سطح مكتب رسومي ليفتح نافذته، ولا يوجد سطح مكتب في هذه الجلسة (DISPLAY وWAYLAND_DISPLAY غير مضبوطين).</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: يحتاج Tandro إلى سطح مكتب رسومي ليفتح نافذته، وتعذّر عليه الوصول إلى سطح المكتب على %2.</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: تعذّر على Tandro تشغيل نظام النوافذ. رسالة Qt:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>لعبة لاسمين. اكتب اسمك واسم شريكك واضغط «هيا»: تُلغى الحروف المشتركة بين الاسمين، ويُعَدّ بعدد الحروف الباقية دورانًا على ست كلمات، هي يكره وصديق ويحب ويُعجَب وزواج وعدو، فتُشطب واحدة تلو الأخرى حتى تبقى واحدة: العلاقة بين الاسمين.</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>اكتشف العلاقة بين اسمين</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>لعبة أسماء</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>حب;أسماء;علاقة;لعبة;اختبار الحب;توافق;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>يكره</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>صديق</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>يحب</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>يُعجَب</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>زواج</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>عدو</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>ملاحظة!</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>بيانات ناقصة</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>يُرجى تصحيح اسمك</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>يُرجى تصحيح اسم شريكك</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>خطأ!</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>لا نتيجة لهذين الاسمين</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>حول Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>الإصدار %1.%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Contact Information:</source>
        <translation>معلومات الاتصال:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>لعبة صغيرة لاسمين، مبنية بلغة C++‎ مع Qt 6.</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>استمتع بهذه اللعبة الممتعة: Tandro. اكتب اسمك واسم شريكك لتعرف العلاقة التي تجمع بينكما.</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>تنبيه: زر «موافق» يغلق هذه النافذة!</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>نرحّب بالأسئلة والأفكار وبلاغات الأخطاء:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>&amp;اسمك</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>اكتب اسمك هنا</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>ا&amp;سم شريكك</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>اكتب اسم شريكك هنا</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;هيا</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>انقر هنا لمعرفة النتيجة</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>امسح ال&amp;كل</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>انقر هنا لمسح العلامات والاسمين</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>&amp;شريك آخر</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>انقر هنا لمسح العلامات واسم شريكك</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>انقر هنا للخروج من البرنامج</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1، مشطوبة</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>النتيجة: %1.</translation>
    </message>
</context>
</TS>
