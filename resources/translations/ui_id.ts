<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="id">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Tentang Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Ikon: Breeze dari KDE dan Adwaita dari Proyek GNOME (LGPL 3); bendera: iso-flags-svg (domain publik).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Tidak pernah</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Pemeriksaan pembaruan terakhir: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Unduhan Selesai</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Unduhan versi baru perangkat lunak telah selesai. Berkas penginstal ada di %1. Silakan copot versi saat ini secara manual, lalu instal versi yang baru.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Frekuensi Pemeriksaan</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>Saat Perangkat Lunak Dimulai</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Periksa pembaruan setiap kali perangkat lunak dimulai</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Harian</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Periksa pembaruan saat perangkat lunak dimulai jika sudah lebih dari satu hari sejak pemeriksaan terakhir</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Mingguan</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Periksa pembaruan saat perangkat lunak dimulai jika sudah lebih dari satu minggu sejak pemeriksaan terakhir</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Bulanan</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Periksa pembaruan saat perangkat lunak dimulai jika sudah lebih dari satu bulan sejak pemeriksaan terakhir</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Notifikasi Unduhan</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Minta Konfirmasi.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Minta konfirmasi unduhan setiap kali ada pembaruan</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Unduh Otomatis.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Unduh pembaruan secara otomatis tanpa meminta konfirmasi</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Konfigurasi Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
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
        <translation>Halaman Sebelumnya</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Halaman Berikutnya</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Gambar artikel ini yang tidak ditampilkan: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Kustom</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>Pengaturan filter tidak dapat disimpan ke "%1".</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>Berkas filter "%1" tidak dapat dibaca, sehingga dibiarkan tanpa perubahan.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Konfigurasi Filter</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Pilihan Situs</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Pilihan Topik</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Filter Kata Kunci</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Atur visibilitas situs di indeks situs</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Atur visibilitas topik di indeks halaman</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Sembunyikan berita di indeks halaman berdasarkan kata kunci</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategori</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>Negara/Wilayah</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Topik</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Daftar Situs:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Daftar Topik:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Paket Kata Kunci:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Kata Kunci Kustom:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Terapkan</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Bersihkan</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Konfigurasi Bahasa</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Antarmuka Perangkat Lunak</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Bahasa Terjemahan</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Mesin Penerjemah</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Pilih bahasa untuk menampilkan teks menu dan nama situs web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Pilih bahasa tujuan penerjemahan halaman web asli.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Atur prioritas penggunaan mesin penerjemah</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Terjemahan Otomatis</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Tema Gelap</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Terjemahkan halaman web asli secara otomatis atau manual</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Naik</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Turun</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>Bahasa Arab</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Bahasa Jerman</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Bahasa Inggris</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Bahasa Spanyol</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Bahasa Persia</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Bahasa Prancis</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Bahasa Hindi</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Bahasa Indonesia</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Bahasa Italia</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Bahasa Ibrani</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Bahasa Jepang</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Bahasa Korea</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Bahasa Polandia</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Bahasa Portugis</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Bahasa Rumania</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Bahasa Rusia</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Bahasa Turki</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Bahasa Ukraina</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Bahasa Vietnam</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Bahasa Tionghoa Sederhana</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Bahasa Tionghoa Tradisional</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>UEA</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentina</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>Bahrain</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Cile</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Tiongkok</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>Kuba</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Jerman</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Mesir</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanyol</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>Prancis</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonesia</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>Israel</translation>
    </message>
    <message>
        <source>India</source>
        <translation>India</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Iran</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Jepang</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Kenya</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Korea Utara</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Korea Selatan</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>Meksiko</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Filipina</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polandia</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumania</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arab Saudi</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapura</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Thailand</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turki</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Taiwan</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ukraina</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Inggris Raya</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>Amerika Serikat</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Afrika Selatan</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Berita Umum</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Kustom</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>Konfigurasi Awal</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Pengaturan Bahasa</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Pengaturan Pemeriksaan Versi</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Antarmuka Perangkat Lunak</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Bahasa Terjemahan</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Pilih bahasa untuk menampilkan teks menu dan nama situs web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Pilih bahasa tujuan penerjemahan halaman web asli.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>Penerjemahan memerlukan paket apertium-apy dan paket pasangan bahasa seperti apertium-eng-spa; silakan instal keduanya, lalu terjemahkan lagi</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Pulihkan</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksimalkan</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>Tidak dapat mengakses layanan pembaruan</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Gambar dimuat</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Kesalahan penguraian halaman</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>Tidak ada yang dapat digunakan di halaman ini: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Memeriksa pembaruan profil...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Halaman indeks dimuat</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Halaman artikel dimuat</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Gagal membaca dari jaringan</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Data jaringan yang tidak diperlukan dibuang</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Koneksi Gagal</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Waktu Transfer Data Habis</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Operasi Jaringan Dibatalkan</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Kesalahan Proksi</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Tidak Dapat Mengakses Konten Jarak Jauh</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Operasi Jaringan Gagal</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Menghubungkan ke jaringan... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Gagal terhubung ke jaringan</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Diterima %1 byte</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>Bahasa artikel asli sama dengan bahasa terjemahan.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Tidak dapat menjalankan program email bawaan sistem.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Konfigurasi Konten</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Konfigurasi Bahasa</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Konfigurasi Preferensi</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Pengaturan Pemeriksaan Pembaruan</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Pengaturan Proksi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalkan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Indeks Situs</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Indeks Halaman</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Terjemahan</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Artikel Asli</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Penggunaan</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Gunakan</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Bagikan via Email</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Simpan sebagai PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>ARTIKEL TERJEMAHAN:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ARTIKEL ASLI:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>AKHIR ARTIKEL.
Artikel ini diterbitkan di %1.
Pesan ini diekspor oleh perangkat lunak Tessolin. Kunjungi tessolin.net untuk mengunduhnya secara gratis.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Artikel ini diterbitkan di %1. &lt;br&gt;Dokumen ini dicetak oleh perangkat lunak &lt;b&gt;Tessolin&lt;/b&gt;. Kunjungi tessolin.net untuk mengunduhnya secara gratis.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Artikel ini diterbitkan di &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;Berkas PDF ini diekspor oleh perangkat lunak &lt;b&gt;Tessolin&lt;/b&gt;. Kunjungi &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; untuk mengunduhnya secara gratis.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Tidak ada mesin penerjemah yang mendukung pasangan bahasa ini</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>Mesin terjemahan di %1 tidak dapat dihubungi. Tidak ada terjemahan lagi yang diminta sampai program dijalankan kembali.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Beberapa bagian tidak diterjemahkan</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Pengaturan Proksi</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Tanpa Proksi (Akses Internet Langsung)</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>Proksi HTTP</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>Proksi SOCKS5</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Pengguna</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata Sandi</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>Pengaturan tidak dapat disimpan: %1 tidak dapat ditulis. Pilihan Anda sekarang akan hilang saat program ditutup.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Gagal memuat gaya antarmuka</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Gagal memuat modul inti</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Gagal memuat dialog</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Gagal memuat pengelola versi</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Gagal memuat jendela utama</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>Gagal memuat indeks situs</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>Gagal memuat penerjemah</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>Gagal memuat filter</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>Gagal memuat sumber daya bahasa</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>%1 profil gagal dimuat</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Konfirmasi Unduhan Pembaruan</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>Selanjutnya unduh secara otomatis.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nanti Saja</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>Tersedia pembaruan untuk %1 situs web, ukuran unduhan %2 KB. Perbarui sekarang?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Pengaturan Pembaruan</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Konfirmasi Unduhan Versi Baru</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Ingatkan saya seminggu lagi</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduh</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nanti Saja</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>Versi baru perangkat lunak (%1) tersedia, ukuran berkas %2 MB. Anda dapat mengunduhnya melalui perangkat lunak ini atau dari situs web </translation>
    </message>
</context>
</TS>