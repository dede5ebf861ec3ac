<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1、ふたりの名前で遊ぶゲーム</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>自分の名前と相手の名前を入れて Enter キーを押すと、「嫌ってる」「友達」「愛してる」「憧れてる」「結婚」「敵」の6つの言葉が1つずつ消され、最後に残った1つがふたりの名前の関係になります。ゲームのウィンドウは画像として描かれます。ウィンドウ内のスクリーンリーダーのボタン「%1」を押すと読み上げられるようになり、各ゲームの結果は終わったときにここで読み上げられます。</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>%1 を読み込み中…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>%1 をダウンロード中: %2 / %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>%1 を起動中…</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>%1 のダウンロードが中断されたため、起動できません。接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>もう一度試す</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 を起動できませんでした: %2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>WebAssembly を実行できるブラウザーが必要です。</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>プログラム %1 を取得できませんでした（%2）。</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 が停止しました: %2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 を終了しました。</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>もう一度起動</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>オフライン: %1 はこの端末に保存されたコピーで動いています。</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>スクリーンリーダーを有効にする</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1: %2（使えるオプションは %1 --help で確認できます。）</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>使い方: %1 [オプション]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>-platform、-style、-reverse など、Qt の標準オプションも使えます。</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1: Tandro はウィンドウを開くのにグラフィカルなデスクトップが必要ですが、このセッションにはありません（DISPLAY と WAYLAND_DISPLAY が設定されていません）。</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1: Tandro はウィンドウを開くのにグラフィカルなデスクトップが必要ですが、%2 のデスクトップに接続できませんでした。</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1: Tandro はウィンドウシステムを起動できませんでした。Qt のメッセージ:</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>ふたりの名前で遊ぶゲーム。自分の名前と相手の名前を入れて「開始」を押すと、ふたりの名前に共通する文字が打ち消し合い、残った文字の数で「嫌ってる」「友達」「愛してる」「憧れてる」「結婚」「敵」の6つの言葉を順に数えて、1つずつ消していきます。最後に残った言葉が、ふたりの名前の関係です。</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>ふたりの名前の関係を占おう</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>名前ゲーム</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>恋愛;名前;関係;ゲーム;相性;占い;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>嫌ってる</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>友達</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>愛してる</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>憧れてる</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>結婚</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>敵</translation>
    </message>
</context>
<context>
    <name>Tandro::Message</name>
    <message>
        <source>Note!</source>
        <translation>注意！</translation>
    </message>
    <message>
        <source>Empty Data</source>
        <translation>名前が空です</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>あなたの名前を直してください</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>相手の名前を直してください</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>エラー！</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>この名前では結果が出ません</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>Tandro について</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>バージョン %1.%2</translation>
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
        <translation>連絡先:</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>ふたりの名前で遊ぶ小さなゲーム（C++ と Qt 6）</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>楽しいゲーム Tandro をどうぞ。あなたと相手の名前を入れるだけで、ふたりの関係がわかります。</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>注意: OK でこのダイアログが閉じます！</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>質問、アイデア、バグ報告を歓迎します:</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>バージョン情報(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>あなたの名前(&amp;Y)</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>ここにあなたの名前を入力</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>相手の名前(&amp;P)</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>ここに相手の名前を入力</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>開始(&amp;G)</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>ここをクリックすると結果が出ます</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>全消去(&amp;A)</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>ここをクリックするとバツ印と名前を消します</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>相手消去(&amp;C)</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>ここをクリックするとバツ印と相手の名前を消します</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>ここをクリックするとアプリを終了します</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1、バツ印</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>結果は「%1」です。</translation>
    </message>
</context>
</TS>
