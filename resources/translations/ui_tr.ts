<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="tr">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Tessolin Hakkında</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Simgeler: KDE'den Breeze ve GNOME Projesi'nden Adwaita (LGPL 3); bayraklar: iso-flags-svg (kamu malı).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Hiçbir zaman</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Son güncelleme denetimi: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>İndirme Tamamlandı</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Yazılımın yeni sürümü indirildi. Yükleyici dosyası şu konumda: %1. Lütfen geçerli sürümü elle kaldırıp yeni sürümü yükleyin.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Denetim Sıklığı</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>Yazılım Başlatılırken</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Yazılım her başlatıldığında güncellemeleri denetle</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Günlük</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Son denetimin üzerinden bir günden fazla geçtiyse yazılım başlatılırken güncellemeleri denetle</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Haftalık</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Son denetimin üzerinden bir haftadan fazla geçtiyse yazılım başlatılırken güncellemeleri denetle</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Aylık</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Son denetimin üzerinden bir aydan fazla geçtiyse yazılım başlatılırken güncellemeleri denetle</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>İndirme Bildirimi</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Onay İste.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Güncelleme olduğunda her seferinde indirme onayı iste</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Otomatik İndir.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Güncellemeleri onay istemeden otomatik olarak indir</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Tessolin Yapılandırması</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>Önceki Sayfa</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Sonraki Sayfa</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Bu makalenin gösterilmeyen resimleri: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Önceden Tanımlı</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>Filtre ayarları "%1" konumuna kaydedilemedi.</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>"%1" filtre dosyası okunamadığı için değiştirilmeden bırakıldı.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Filtre Yapılandırmaları</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Site Seçimi</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Konu Seçimi</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Anahtar Sözcük Filtreleri</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Site dizinindeki sitelerin görünürlüğünü ayarla</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Sayfa dizinindeki konuların görünürlüğünü ayarla</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Sayfa dizinindeki haberleri anahtar sözcüklere göre gizle</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategori</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>Ülke/Bölge</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Konu</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Site Listesi:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Konu Listesi:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Anahtar Sözcük Paketleri:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Özel Anahtar Sözcükler:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Dil Yapılandırmaları</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Diller</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Yazılım Arayüzü</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Çeviri Hedefi</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Çeviri Motorları</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Menü metinlerinin ve web sitesi adlarının gösterileceği dili seçin.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Özgün web sayfalarının çevrileceği dili seçin.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Çeviri motorlarının kullanım önceliğini ayarlayın</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Otomatik Çeviri</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Koyu Tema</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Özgün web sayfalarını otomatik olarak veya elle çevir</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Yukarı</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Aşağı</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>Arapça</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Almanca</translation>
    </message>
    <message>
        <source>English</source>
        <translation>İngilizce</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>İspanyolca</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Farsça</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Fransızca</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hintçe</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Endonezce</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>İtalyanca</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>İbranice</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonca</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korece</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Lehçe</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portekizce</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumence</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusça</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukraynaca</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamca</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Basitleştirilmiş Çince</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Geleneksel Çince</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>BAE</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Arjantin</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Avustralya</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>Bahreyn</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brezilya</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Şili</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Çin</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>Küba</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Almanya</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Mısır</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>İspanya</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>Fransa</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Endonezya</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>İsrail</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Hindistan</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>İtalya</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>İran</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japonya</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Kenya</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Kuzey Kore</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Güney Kore</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>Meksika</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malezya</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Filipinler</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonya</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Romanya</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>Rusya</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Suudi Arabistan</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Tayland</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Türkiye</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Tayvan</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ukrayna</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Birleşik Krallık</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>ABD</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Güney Afrika</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Genel Haberler</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Önceden Tanımlı</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Özel</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>İlk Yapılandırma</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Dil Ayarları</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Sürüm Denetimi Ayarları</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Yazılım Arayüzü</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Çeviri Hedefi</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Menü metinlerinin ve web sitesi adlarının gösterileceği dili seçin.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Özgün web sayfalarının çevrileceği dili seçin.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>Çeviri için apertium-apy paketi ve apertium-eng-spa gibi bir dil çifti paketi gerekir; lütfen bunları yükleyip yeniden çevirin</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Önceki Boyut</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ekranı Kapla</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>Güncelleme hizmetlerine erişilemiyor</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Resim yüklendi</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Sayfa ayrıştırma hatası</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>Bu sayfada kullanılabilir bir şey bulunamadı: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Profil güncellemeleri denetleniyor...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Dizin sayfası yüklendi</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Makale sayfası yüklendi</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Ağdan okunamadı</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Gereksiz ağ verileri atıldı</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Bağlantı Hatası</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Veri Aktarımında Zaman Aşımı</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Ağ İşlemi İptal Edildi</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Proxy Hatası</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Uzak İçeriğe Erişilemiyor</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Ağ İşlemi Başarısız</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Ağa bağlanılıyor... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Ağa bağlanılamadı</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bayt alındı</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>Özgün makalenin dili, çeviri hedef diliyle aynı.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Sistemin varsayılan e-posta programı başlatılamıyor.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>İçerik Yapılandırması</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Dil Yapılandırması</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Tercih Yapılandırması</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Güncelleme Denetimi Ayarları</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy Ayarları</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Simge Durumuna Küçült</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Site Dizini</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Sayfa Dizini</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Çeviri</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Özgün Makale</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Kullanım</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Kullan</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>E-postayla Paylaş</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF Olarak Kaydet</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>ÇEVRİLMİŞ MAKALE:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ÖZGÜN MAKALE:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>MAKALENİN SONU.
Makalenin yayımlandığı yer: %1.
Bu ileti Tessolin yazılımıyla dışa aktarıldı. Ücretsiz indirmek için tessolin.net adresini ziyaret edin.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Makalenin yayımlandığı yer: %1. &lt;br&gt;Bu belge &lt;b&gt;Tessolin&lt;/b&gt; yazılımıyla yazdırıldı. Ücretsiz indirmek için tessolin.net adresini ziyaret edin.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Makalenin yayımlandığı yer: &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;Bu PDF dosyası &lt;b&gt;Tessolin&lt;/b&gt; yazılımıyla dışa aktarıldı. Ücretsiz indirmek için &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; adresini ziyaret edin.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Bu dil çiftini destekleyen bir çeviri motoru yok</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>%1 adresindeki çeviri motoruna ulaşılamadı. Program yeniden başlatılana kadar başka çeviri istenmeyecek.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Bazı bölümler çevrilmedi</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy Ayarları</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Proxy Yok (Doğrudan İnternet Erişimi)</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP Proxy</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>SOCKS5 Proxy</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Bağlantı Noktası</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>Ayarlar kaydedilemiyor: %1 yazılamıyor. Şimdi seçtikleriniz program kapandığında kaybolacak.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Arayüz stili yüklenemedi</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Çekirdek modül yüklenemedi</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>İletişim kutuları yüklenemedi</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Sürüm yöneticisi yüklenemedi</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Ana pencere yüklenemedi</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>Site dizini yüklenemedi</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>Çeviri modülü yüklenemedi</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>Filtreler yüklenemedi</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>Dil kaynakları yüklenemedi</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>%1 profil yüklenemedi</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Güncelleme İndirme Onayı</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>Bundan sonra otomatik olarak indir.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Şimdi Değil</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>%1 web sitesi için güncelleme var, indirme boyutu %2 KB. Şimdi güncellemek ister misiniz?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Güncelleme Ayarları</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Yükseltme İndirme Onayı</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Bir hafta sonra hatırlat</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Şimdi Değil</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>Yazılımın yeni bir sürümü (%1) mevcut, dosya boyutu %2 MB. Yeni sürümü geçerli yazılımla ya da şu web sitesinden indirebilirsiniz: </translation>
    </message>
</context>
</TS>