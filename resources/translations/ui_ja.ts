<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Tessolin について</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>アイコン：KDE の Breeze と GNOME プロジェクトの Adwaita（LGPL 3）、国旗：iso-flags-svg（パブリックドメイン）。</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>前回の更新確認：%1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>ダウンロード完了</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>ソフトウェアのアップグレードのダウンロードが完了しました。インストーラーは %1 にあります。現在のバージョンを手動でアンインストールしてから、新しいバージョンをインストールしてください。</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>確認の頻度</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>ソフトウェア起動時</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>ソフトウェアを起動するたびに更新を確認します</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>ソフトウェア起動時、前回の確認から 1 日以上経過していれば更新を確認します</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>ソフトウェア起動時、前回の確認から 1 週間以上経過していれば更新を確認します</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>ソフトウェア起動時、前回の確認から 1 か月以上経過していれば更新を確認します</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>ダウンロードの通知</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>確認を求める。</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>更新が利用可能になるたびにダウンロードの確認を求めます</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>自動的にダウンロードする。</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>確認せずに更新を自動的にダウンロードします</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Tessolin の設定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>表示されていないこの記事の画像: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>定義済み</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>フィルター設定を「%1」に保存できませんでした。</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>フィルターファイル「%1」を読み込めないため、変更していません。</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>フィルターの設定</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>サイトの選択</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>トピックの選択</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>キーワードフィルター</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>サイトインデックスでのサイトの表示/非表示を設定します</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>ページインデックスでのトピックの表示/非表示を設定します</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>キーワードでページインデックスのニュース項目を非表示にします</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>国/地域</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>トピック</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>パッケージ</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>サイト一覧：</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>トピック一覧：</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>キーワードパッケージ：</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>キーワードのカスタマイズ：</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>言語の設定</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>ソフトウェアのインターフェース</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>翻訳先の言語</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>翻訳エンジン</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>メニューのテキストとウェブサイト名を表示する言語を選択します。</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>元のウェブページの翻訳先の言語を選択します。</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>翻訳エンジンを使用する優先順位を設定します</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>自動翻訳</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>ダークテーマ</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>元のウェブページを自動または手動で翻訳します</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上へ</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下へ</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>ペルシア語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>ヒンディー語</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>インドネシア語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>ヘブライ語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>ルーマニア語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>トルコ語</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>ウクライナ語</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>ベトナム語</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡体字中国語</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体字中国語</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>アラブ首長国連邦</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>アルゼンチン</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>オーストラリア</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>バーレーン</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>ブラジル</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>カナダ</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>チリ</translation>
    </message>
    <message>
        <source>China</source>
        <translation>中国</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>キューバ</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>ドイツ</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>エジプト</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>スペイン</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>フランス</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>インドネシア</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>イスラエル</translation>
    </message>
    <message>
        <source>India</source>
        <translation>インド</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>イタリア</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>イラン</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>ケニア</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>北朝鮮</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>韓国</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>メキシコ</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>マレーシア</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>フィリピン</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>ポーランド</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>パキスタン</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>ルーマニア</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>ロシア</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>サウジアラビア</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>シンガポール</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>タイ</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>トルコ</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>台湾</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>ウクライナ</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>イギリス</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>アメリカ</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>ベトナム</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>南アフリカ</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>総合ニュース</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>定義済み</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>カスタム</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>初期設定</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>言語の設定</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>バージョン確認の設定</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>ソフトウェアの UI</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>翻訳先の言語</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>メニューのテキストとウェブサイト名を表示する言語を選択します。</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>元のウェブページの翻訳先の言語を選択します。</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>翻訳には apertium-apy パッケージと、apertium-eng-spa などの言語ペアのパッケージが必要です。これらをインストールしてから、もう一度翻訳してください</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>元のサイズに戻す</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>更新サービスにアクセスできません</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>画像を読み込みました</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>ページの解析エラー</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>このページから使える内容が見つかりませんでした: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>プロファイルの更新を確認しています...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>インデックスページを読み込みました</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>記事ページを読み込みました</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>ネットワークからの読み込みに失敗しました</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>不要なネットワークデータを破棄</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>接続エラー</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>データ転送のタイムアウト</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>ネットワーク操作がキャンセルされました</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>プロキシエラー</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>リモートコンテンツにアクセスできません</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>ネットワーク操作に失敗しました</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>ネットワークに接続しています... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>ネットワークに接続できませんでした</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 バイトを受信しました</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>元の記事の言語が翻訳先の言語と同じです。</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>システムの既定のメールプログラムを起動できません。</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>コンテンツの設定</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>言語の設定</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>更新確認の設定</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>プロキシの設定</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>サイトインデックス</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>ページインデックス</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>翻訳</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>原文</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>活用</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>メールで共有</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF として保存</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>翻訳記事：
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>元の記事：
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>記事の終わり。
この記事は %1 に掲載されました。
このメッセージは Tessolin ソフトウェアでエクスポートされました。無料ダウンロードは tessolin.net から。
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;この記事は %1 に掲載されました。&lt;br&gt;このページは &lt;b&gt;Tessolin&lt;/b&gt; ソフトウェアで印刷されました。無料ダウンロードは tessolin.net から。&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;この記事は &lt;a href='%1'&gt;%1&lt;/a&gt; に掲載されました。&lt;br&gt;この PDF ファイルは &lt;b&gt;Tessolin&lt;/b&gt; ソフトウェアでエクスポートされました。無料ダウンロードは &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; から。&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>この言語の組み合わせに対応する翻訳エンジンがありません</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>%1 の翻訳エンジンに接続できませんでした。プログラムを再起動するまで、これ以上翻訳は要求しません。</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>一部が翻訳されませんでした</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>プロキシの設定</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>プロキシなし（インターネットに直接接続）</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP プロキシ</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>SOCKS5 プロキシ</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>設定を保存できません: %1 に書き込めません。今選んだ内容はプログラムの終了時に失われます。</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>UI スタイルの読み込みに失敗しました</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>コアモジュールの読み込みに失敗しました</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>ダイアログの読み込みに失敗しました</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>バージョンマネージャーの読み込みに失敗しました</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>メインウィンドウの読み込みに失敗しました</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>サイトインデックスの読み込みに失敗しました</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>翻訳機能の読み込みに失敗しました</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>フィルターの読み込みに失敗しました</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>言語リソースの読み込みに失敗しました</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>%1 個のプロファイルを読み込めませんでした</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>更新のダウンロードの確認</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>今後は自動的にダウンロードする。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>%1 個のウェブサイトで更新が利用可能です。ダウンロードサイズは %2 KB です。今すぐ更新しますか？</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>更新の設定</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>アップグレードのダウンロードの確認</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>1 週間後に通知する</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>後で</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>ソフトウェアの新しいバージョン（%1）が利用可能です。ファイルサイズは %2 MB です。現在のソフトウェアでダウンロードするか、次のウェブサイトからダウンロードできます：</translation>
    </message>
</context>
</TS>