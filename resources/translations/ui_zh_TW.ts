<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>關於 Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>圖示：KDE 的 Breeze 與 GNOME 專案的 Adwaita（LGPL 3）；旗幟：iso-flags-svg（公有領域）。</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>從未</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>上次檢查更新：%1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>下載完成</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>軟體升級檔已下載完成。安裝檔位於 %1，請手動解除安裝目前的版本，再安裝新版本。</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>檢查頻率</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>軟體啟動時</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>每次啟動軟體時檢查更新</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>啟動軟體時，若距上次檢查已超過一天，則檢查更新</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>每週</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>啟動軟體時，若距上次檢查已超過一週，則檢查更新</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>啟動軟體時，若距上次檢查已超過一個月，則檢查更新</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>下載通知</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>詢問確認。</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>每次有可用更新時詢問是否下載</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>自動下載。</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>自動下載更新，不需確認</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Tessolin 設定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>本文未顯示的圖片：%1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>預先定義</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>無法將篩選設定儲存至「%1」。</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>無法讀取篩選檔案「%1」，因此維持不變。</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>篩選設定</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>網站選擇</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>主題選擇</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>關鍵字篩選</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>設定網站在網站索引中是否顯示</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>設定主題在頁面索引中是否顯示</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>依關鍵字隱藏頁面索引中的新聞項目</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>類別</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>國家/地區</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>主題</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>詞庫</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>網站清單：</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>主題清單：</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>關鍵字詞庫：</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>自訂關鍵字：</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
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
        <translation>語言設定</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>軟體介面</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>翻譯目標語言</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>翻譯引擎</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>選擇選單文字和網站名稱的顯示語言。</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>選擇要將原始網頁翻譯成哪種語言。</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>設定各翻譯引擎的使用優先順序</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>自動翻譯</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>深色主題</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>自動或手動翻譯原始網頁</translation>
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
        <translation>阿拉伯文</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙文</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>波斯文</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法文</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>印地文</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>印尼文</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>義大利文</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>希伯來文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓文</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波蘭文</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙文</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>羅馬尼亞文</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄文</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其文</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>烏克蘭文</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南文</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>阿拉伯聯合大公國</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>阿根廷</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>澳洲</translation>
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
        <translation>中國</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>古巴</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>德國</translation>
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
        <translation>法國</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>印尼</translation>
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
        <translation>義大利</translation>
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
        <translation>肯亞</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>北韓</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>南韓</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>墨西哥</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>馬來西亞</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>菲律賓</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>波蘭</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>巴基斯坦</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>羅馬尼亞</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>俄羅斯</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>沙烏地阿拉伯</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>新加坡</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>泰國</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>土耳其</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>台灣</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>烏克蘭</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>英國</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>美國</translation>
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
        <translation>綜合新聞</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>預先定義</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>自訂</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>初始設定</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>語言設定</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>版本檢查設定</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>軟體介面</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>翻譯目標語言</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>選擇選單文字和網站名稱的顯示語言。</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>選擇要將原始網頁翻譯成哪種語言。</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>翻譯需要 apertium-apy 套件和一個語言對套件（例如 apertium-eng-spa）；請安裝後重新翻譯</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>往下還原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>無法存取更新服務</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>圖片已載入</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>頁面剖析錯誤</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>此頁面中找不到可用內容：%1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>正在檢查設定檔更新...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>索引頁已載入</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>文章頁已載入</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>從網路讀取失敗</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>捨棄無用的網路資料</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>連線失敗</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>資料傳輸逾時</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>網路作業已取消</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>代理伺服器錯誤</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>無法存取遠端內容</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>網路作業失敗</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>正在連線網路... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>網路連線失敗</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>已接收 %1 位元組</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>原文語言與翻譯目標語言相同。</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>無法啟動系統預設的電子郵件程式。</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>內容設定</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>語言設定</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>更新檢查設定</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>代理伺服器設定</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>網站索引</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>頁面索引</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>譯文</translation>
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
        <translation>透過電子郵件分享</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>儲存為 PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>譯文：
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
本文發布於 %1。
此訊息由 Tessolin 軟體匯出，請造訪 tessolin.net 免費下載。
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;本文發布於 %1。&lt;br&gt;本頁由 &lt;b&gt;Tessolin&lt;/b&gt; 軟體列印，請造訪 tessolin.net 免費下載。&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;本文發布於 &lt;a href='%1'&gt;%1&lt;/a&gt;。&lt;br&gt;此 PDF 檔案由 &lt;b&gt;Tessolin&lt;/b&gt; 軟體匯出，請造訪 &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; 免費下載。&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>沒有支援此語言組合的翻譯引擎</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>無法連線到位於 %1 的翻譯引擎。在程式重新啟動之前不會再要求翻譯。</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>部分內容未翻譯</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>代理伺服器設定</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>不使用代理伺服器（直接連線網際網路）</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP 代理伺服器</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>SOCKS5 代理伺服器</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>主機</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>連接埠</translation>
    </message>
    <message>
        <source>User</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>無法儲存設定：無法寫入 %1。現在所做的選擇將在程式關閉時遺失。</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>介面樣式載入失敗</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>核心模組載入失敗</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>對話方塊載入失敗</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>版本管理員載入失敗</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>主視窗載入失敗</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>網站索引載入失敗</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>翻譯器載入失敗</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>篩選器載入失敗</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>語言資源載入失敗</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>%1 個設定檔載入失敗</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>確認下載更新</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>以後自動下載。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>稍後再說</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>有 %1 個網站有可用更新，下載大小為 %2 KB。是否立即更新？</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>更新設定</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>確認下載升級</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>一週後提醒我</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>稍後再說</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>軟體有新版本（%1）可用，檔案大小為 %2 MB。您可以使用目前的軟體下載，也可以從此網站下載：</translation>
    </message>
</context>
</TS>