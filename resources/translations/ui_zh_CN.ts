<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>关于 Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>图标：KDE 的 Breeze 与 GNOME 项目的 Adwaita（LGPL 3）；旗帜：iso-flags-svg（公有领域）。</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>从未</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>上次检查更新：%1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>软件升级包已下载完成。安装文件位于 %1，请手动卸载当前版本，然后安装新版本。</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>检查频率</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>软件启动时</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>每次启动软件时检查更新</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>启动软件时，如距上次检查已超过一天，则检查更新</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>启动软件时，如距上次检查已超过一周，则检查更新</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>启动软件时，如距上次检查已超过一个月，则检查更新</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>下载通知</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>询问确认。</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>每次有可用更新时询问是否下载</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>自动下载。</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>自动下载更新，无需确认</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Tessolin 设置</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>本文未显示的图片：%1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>预定义</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>无法将过滤设置保存到“%1”。</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>无法读取过滤文件“%1”，因此保持不变。</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>过滤设置</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>网站选择</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>主题选择</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>关键词过滤</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>设置网站在网站索引中是否显示</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>设置主题在页面索引中是否显示</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>按关键词隐藏页面索引中的新闻条目</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>国家/地区</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>词库</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>网站列表：</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>主题列表：</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>关键词库：</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>自定义关键词：</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>软件界面</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>翻译目标语言</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>翻译引擎</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>选择菜单文字和网站名称的显示语言。</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>选择将原始网页翻译成哪种语言。</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>设置各翻译引擎的使用优先级</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>自动翻译</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>深色主题</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>自动或手动翻译原始网页</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下移</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>波斯语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>印地语</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>印度尼西亚语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>希伯来语</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>罗马尼亚语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其语</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>乌克兰语</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南语</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>阿联酋</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>阿根廷</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>澳大利亚</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>巴林</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>巴西</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>加拿大</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>智利</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中国</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>古巴</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>德国</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>埃及</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>西班牙</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>法国</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>印度尼西亚</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>以色列</translation>
    </message>
    <message>
        <source>India</source>
        <translation>印度</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>意大利</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>伊朗</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>肯尼亚</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>朝鲜</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>韩国</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>墨西哥</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>马来西亚</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>菲律宾</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>波兰</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>巴基斯坦</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>罗马尼亚</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>俄罗斯</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>沙特阿拉伯</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>新加坡</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>泰国</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>土耳其</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>台湾</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>乌克兰</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>英国</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>美国</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>越南</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>南非</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>综合新闻</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>预定义</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>自定义</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>初始设置</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>版本检查设置</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>软件界面</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>翻译目标语言</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>选择菜单文字和网站名称的显示语言。</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>选择将原始网页翻译成哪种语言。</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>翻译需要 apertium-apy 软件包和一个语言对软件包（例如 apertium-eng-spa）；请安装后重新翻译</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>向下还原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>无法访问更新服务</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>图片已加载</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>页面解析错误</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>此页面中未找到可用内容：%1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>正在检查配置文件更新...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>索引页已加载</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>文章页已加载</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>从网络读取失败</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>丢弃无用的网络数据</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>连接失败</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>数据传输超时</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>网络操作已取消</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>代理错误</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>无法访问远程内容</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>网络操作失败</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>正在连接网络... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>网络连接失败</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>已接收 %1 字节</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>原文语言与翻译目标语言相同。</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>无法启动系统默认的电子邮件程序。</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>内容设置</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>偏好设置</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>更新检查设置</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>代理设置</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>网站索引</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>页面索引</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>译文</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>通过电子邮件分享</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>另存为 PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>译文：
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>原文：
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>全文完。
本文发布于 %1。
此消息由 Tessolin 软件导出，请访问 tessolin.net 免费下载。
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;本文发布于 %1。&lt;br&gt;本页由 &lt;b&gt;Tessolin&lt;/b&gt; 软件打印，请访问 tessolin.net 免费下载。&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;本文发布于 &lt;a href='%1'&gt;%1&lt;/a&gt;。&lt;br&gt;此 PDF 文件由 &lt;b&gt;Tessolin&lt;/b&gt; 软件导出，请访问 &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; 免费下载。&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>没有支持此语言对的翻译引擎</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>无法连接位于 %1 的翻译引擎。在程序重新启动之前不会再请求翻译。</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>部分内容未翻译</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>代理设置</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>不使用代理（直接连接互联网）</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP 代理</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>SOCKS5 代理</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>主机</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>无法保存设置：无法写入 %1。现在所做的选择将在程序关闭时丢失。</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>界面样式加载失败</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>核心模块加载失败</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>对话框加载失败</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>版本管理器加载失败</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>主窗口加载失败</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>网站索引加载失败</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>翻译器加载失败</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>过滤器加载失败</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>语言资源加载失败</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>%1 个配置文件加载失败</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>确认下载更新</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>以后自动下载。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>有 %1 个网站有可用更新，下载大小为 %2 KB。是否立即更新？</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>更新设置</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>确认下载升级</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>一周后提醒我</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>软件有新版本（%1）可用，文件大小为 %2 MB。您可以使用当前软件下载，也可以从此网站下载：</translation>
    </message>
</context>
</TS>