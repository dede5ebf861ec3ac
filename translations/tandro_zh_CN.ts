<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Page</name>
    <message>
        <source>%1, a game for two names</source>
        <translation>%1，一个用两个名字玩的游戏</translation>
    </message>
    <message>
        <source>Type your name and your partner&apos;s name and press Enter: six words, Hates, Friend, Loves, Admires, Marriage and Enemy, are struck out one by one until one is left, the relationship between the two names. The game&apos;s windows are drawn as pictures; a screen reader reads them once its button &quot;%1&quot; in the window is pressed, and the result of each game is read out here when it ends.</source>
        <translation>输入你的名字和对方的名字，然后按回车键：六个词——讨厌、朋友、爱、欣赏、婚姻和敌人——会被逐个划掉，直到只剩一个，即两个名字之间的关系。游戏的窗口以图片形式绘制；按下窗口中的“%1”按钮后，屏幕阅读器即可朗读它们，每局游戏结束时，结果会在这里朗读出来。</translation>
    </message>
    <message>
        <source>Loading %1 …</source>
        <translation>正在加载 %1…</translation>
    </message>
    <message>
        <source>Downloading %1: %2 of %3</source>
        <translation>正在下载 %1：%2 / %3</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Starting %1 …</source>
        <translation>正在启动 %1…</translation>
    </message>
    <message>
        <source>The download of %1 was interrupted, so it cannot start. Check the connection, and try again.</source>
        <translation>%1 的下载被中断，因此无法启动。请检查网络连接，然后重试。</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 无法启动：%2</translation>
    </message>
    <message>
        <source>it needs a browser that runs WebAssembly.</source>
        <translation>需要支持 WebAssembly 的浏览器。</translation>
    </message>
    <message>
        <source>its program, %1, could not be fetched (%2).</source>
        <translation>无法获取它的程序 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 stopped: %2</source>
        <translation>%1 已停止：%2</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 已关闭。</translation>
    </message>
    <message>
        <source>Start it again</source>
        <translation>重新启动</translation>
    </message>
    <message>
        <source>No connection: %1 is playing from the copy kept on this device.</source>
        <translation>无网络连接：%1 正在使用保存在本设备上的副本运行。</translation>
    </message>
</context>
<context>
    <name>QWasmAccessibility</name>
    <message>
        <source>Enable Screen Reader</source>
        <translation>启用屏幕阅读器</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>%1: %2 (%1 --help tells what it takes.)</source>
        <translation>%1：%2（%1 --help 会列出可用的选项。）</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Qt&apos;s standard options work as well, such as -platform, -style and -reverse.</source>
        <translation>Qt 的标准选项同样可用，例如 -platform、-style 和 -reverse。</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and this session has none (DISPLAY and WAYLAND_DISPLAY are unset).</source>
        <translation>%1：Tandro 需要图形桌面才能打开窗口，但此会话没有图形桌面（未设置 DISPLAY 和 WAYLAND_DISPLAY）。</translation>
    </message>
    <message>
        <source>%1: Tandro needs a graphical desktop to open its window, and could not reach the one at %2.</source>
        <translation>%1：Tandro 需要图形桌面才能打开窗口，但无法连接到 %2 上的桌面。</translation>
    </message>
    <message>
        <source>%1: Tandro could not start the window system. Qt says:</source>
        <translation>%1：Tandro 无法启动窗口系统。Qt 的消息：</translation>
    </message>
</context>
<context>
    <name>Tandro</name>
    <message id="description">
        <source>A game for two names. Type your own name and your partner&apos;s name and press Go: the letters that the two names share cancel each other, and the number of letters left over counts round six words, Hates, Friend, Loves, Admires, Marriage and Enemy, striking them out one by one until one is left: the relationship between the two names.</source>
        <extracomment>The description of the game: in --help (wrapped at 79 columns there), in software centres and the desktop&apos;s menus. Use the same words for Go and for the six words as the window does.</extracomment>
        <translation>一个用两个名字玩的游戏。输入你自己的名字和对方的名字，然后按“开始”：两个名字中相同的字母互相抵消，剩下的字母数在六个词——讨厌、朋友、爱、欣赏、婚姻和敌人——之间轮流计数，逐个划掉，直到只剩一个：这就是两个名字之间的关系。</translation>
    </message>
    <message id="summary">
        <source>Find the relationship between two names</source>
        <extracomment>The one-line summary, under the name in a desktop&apos;s menu and a software centre.</extracomment>
        <translation>找出两个名字之间的关系</translation>
    </message>
    <message id="generic-name">
        <source>Name Game</source>
        <extracomment>The kind of program, as a desktop&apos;s menu shows it beside the name.</extracomment>
        <translation>名字游戏</translation>
    </message>
    <message id="keywords">
        <source>love;names;relationship;game;</source>
        <extracomment>Words a desktop&apos;s search finds the game by: a list, each word ended by a semicolon.</extracomment>
        <translation>爱情;名字;关系;游戏;缘分;配对;</translation>
    </message>
</context>
<context>
    <name>Tandro::Board</name>
    <message>
        <source>Hates</source>
        <translation>讨厌</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>朋友</translation>
    </message>
    <message>
        <source>Loves</source>
        <translation>爱</translation>
    </message>
    <message>
        <source>Admires</source>
        <translation>欣赏</translation>
    </message>
    <message>
        <source>Marriage</source>
        <translation>婚姻</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>敌人</translation>
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
        <translation>名字为空</translation>
    </message>
    <message>
        <source>Please correct your Name</source>
        <translation>请修改你的名字</translation>
    </message>
    <message>
        <source>Please correct your Partners Name</source>
        <translation>请修改对方的名字</translation>
    </message>
    <message>
        <source>Error!!!</source>
        <translation>错误！</translation>
    </message>
    <message>
        <source>No Result for these Names</source>
        <translation>这两个名字没有结果</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Tandro</source>
        <translation>关于 Tandro</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>版本 %1.%2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Contact Information:</source>
        <translation>联系方式：</translation>
    </message>
    <message>
        <source>A little game of two names, built in C++ with Qt 6.</source>
        <translation>一个用两个名字玩的小游戏，以 C++ 和 Qt 6 编写。</translation>
    </message>
    <message>
        <source>Enjoy this interesting Game - Tandro. Just fill in your name and your partners name and get the relationship that exists between you.</source>
        <translation>尽情享受这个有趣的游戏——Tandro。只需填写你的名字和对方的名字，就能知道你们之间的关系。</translation>
    </message>
    <message>
        <source>Tandro</source>
        <translation>Tandro</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Warning: Clicking on OK closes this Dialog !</source>
        <translation>注意：点击“确定”会关闭此对话框！</translation>
    </message>
    <message>
        <source>Questions, ideas and bug reports are welcome:<byte value="xd"/>
file them in the issue tracker of the project that gave you this game.<byte value="xd"/>
</source>
        <translation>欢迎提出问题、想法和错误报告：</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>A&amp;bout</source>
        <translation>关于(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Your Name</source>
        <translation>你的名字(&amp;Y)</translation>
    </message>
    <message>
        <source>Fill your Name here</source>
        <translation>在这里填写你的名字</translation>
    </message>
    <message>
        <source>Your &amp;Partners Name</source>
        <translation>对方的名字(&amp;P)</translation>
    </message>
    <message>
        <source>Fill your Partners Name here</source>
        <translation>在这里填写对方的名字</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>开始(&amp;G)</translation>
    </message>
    <message>
        <source>Click here to get the Result</source>
        <translation>点击这里查看结果</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>清空(&amp;A)</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and the Names</source>
        <translation>点击这里清除叉号和名字</translation>
    </message>
    <message>
        <source>&amp;Clear Partner</source>
        <translation>清除对方(&amp;C)</translation>
    </message>
    <message>
        <source>Click here to clear the Crosses and your Partners name</source>
        <translation>点击这里清除叉号和对方的名字</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Click here to exit the Application</source>
        <translation>点击这里退出程序</translation>
    </message>
    <message>
        <source>%1, crossed out</source>
        <translation>%1，已划掉</translation>
    </message>
    <message>
        <source>The result is %1.</source>
        <translation>结果是“%1”。</translation>
    </message>
</context>
</TS>
