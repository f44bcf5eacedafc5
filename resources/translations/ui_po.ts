<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="po">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>O programie Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Ikony: Breeze autorstwa KDE i Adwaita autorstwa projektu GNOME (LGPL 3); flagi: iso-flags-svg (domena publiczna).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Ostatnie sprawdzenie aktualizacji: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Pobieranie zakończone</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Pobieranie nowej wersji programu zostało zakończone. Plik instalatora znajduje się tutaj: %1. Odinstaluj ręcznie bieżącą wersję i zainstaluj nową.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Częstotliwość sprawdzania</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>Przy uruchomieniu programu</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Sprawdzaj dostępność aktualizacji przy każdym uruchomieniu programu</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Sprawdzaj dostępność aktualizacji przy uruchomieniu programu, jeśli od ostatniego sprawdzenia minął ponad dzień</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Co tydzień</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Sprawdzaj dostępność aktualizacji przy uruchomieniu programu, jeśli od ostatniego sprawdzenia minął ponad tydzień</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Co miesiąc</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Sprawdzaj dostępność aktualizacji przy uruchomieniu programu, jeśli od ostatniego sprawdzenia minął ponad miesiąc</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Powiadomienie o pobieraniu</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Pytaj o potwierdzenie.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Pytaj o potwierdzenie pobierania za każdym razem, gdy dostępne są aktualizacje</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Pobieraj automatycznie.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Pobieraj aktualizacje automatycznie bez pytania o potwierdzenie</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Konfiguracja Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Poprzednia strona</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Następna strona</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Niewyświetlone zdjęcia tego artykułu: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Predefiniowane</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Własne</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>Nie można zapisać ustawień filtrów w „%1”.</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>Nie można odczytać pliku filtrów „%1”, dlatego pozostawiono go bez zmian.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Konfiguracja filtrów</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Wybór witryn</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Wybór tematów</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Filtry słów kluczowych</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Ustaw widoczność witryn w indeksie witryn</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Ustaw widoczność tematów w indeksie stron</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Ukryj wiadomości w indeksie stron według słów kluczowych</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>Kraj/region</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Temat</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Pakiet</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Lista witryn:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Lista tematów:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Pakiety słów kluczowych:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Własne słowa kluczowe:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Konfiguracja języków</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Języki</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Interfejs programu</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Język tłumaczenia</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Silniki tłumaczeń</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Wybierz język tekstu menu i nazw witryn.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Wybierz język, na który mają być tłumaczone oryginalne strony internetowe.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Ustaw kolejność używania silników tłumaczeń</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Automatyczne tłumaczenie</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Ciemny motyw</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Tłumacz oryginalne strony internetowe automatycznie lub ręcznie</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>Arabski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Perski</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonezyjski</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebrajski</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreański</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumuński</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecki</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukraiński</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Wietnamski</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chiński uproszczony</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chiński tradycyjny</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>ZEA</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentyna</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>Bahrajn</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brazylia</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Chile</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chiny</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>Kuba</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Niemcy</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Egipt</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Hiszpania</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>Francja</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonezja</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>Izrael</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Indie</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Włochy</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Iran</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japonia</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Kenia</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Korea Północna</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Korea Południowa</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>Meksyk</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malezja</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Filipiny</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polska</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumunia</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>Rosja</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arabia Saudyjska</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Tajlandia</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turcja</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Tajwan</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ukraina</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Wielka Brytania</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Wietnam</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>RPA</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Wiadomości ogólne</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Predefiniowane</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Własne</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>Konfiguracja początkowa</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Ustawienia języka</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Ustawienia sprawdzania wersji</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Interfejs programu</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Język tłumaczenia</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Wybierz język tekstu menu i nazw witryn.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Wybierz język, na który mają być tłumaczone oryginalne strony internetowe.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>Tłumaczenie wymaga pakietu apertium-apy oraz pakietu pary językowej, np. apertium-eng-spa; zainstaluj je i przetłumacz ponownie</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>Brak dostępu do usług aktualizacji</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Załadowano obraz</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Błąd analizy strony</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>Na tej stronie nie znaleziono niczego przydatnego: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Sprawdzanie aktualizacji profili...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Załadowano stronę indeksu</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Załadowano stronę artykułu</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Nie udało się odczytać danych z sieci</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Odrzucono zbędne dane sieciowe</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Błąd połączenia</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Przekroczono limit czasu przesyłania danych</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Anulowano operację sieciową</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Błąd serwera proxy</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Brak dostępu do zdalnej zawartości</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Operacja sieciowa nie powiodła się</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Łączenie z siecią... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Nie udało się połączyć z siecią</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Odebrano bajtów: %1</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>Język oryginalnego artykułu jest taki sam jak język tłumaczenia.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Nie można uruchomić domyślnego programu pocztowego.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Konfiguracja zawartości</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Konfiguracja języków</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Konfiguracja preferencji</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Ustawienia sprawdzania aktualizacji</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Ustawienia proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Indeks witryn</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Indeks stron</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tłumaczenie</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Oryginalny artykuł</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Użycie</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Użyj</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Wyślij e-mailem</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>PRZETŁUMACZONY ARTYKUŁ:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ORYGINALNY ARTYKUŁ:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>KONIEC ARTYKUŁU.
Artykuł opublikowano: %1.
Tę wiadomość wyeksportowano za pomocą programu Tessolin. Pobierz go bezpłatnie ze strony tessolin.net.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Artykuł opublikowano: %1. &lt;br&gt;Ten dokument wydrukowano za pomocą programu &lt;b&gt;Tessolin&lt;/b&gt;. Pobierz go bezpłatnie ze strony tessolin.net.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Artykuł opublikowano pod adresem &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;Ten plik PDF wyeksportowano za pomocą programu &lt;b&gt;Tessolin&lt;/b&gt;. Pobierz go bezpłatnie ze strony &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Żaden silnik tłumaczeń nie obsługuje tej pary języków</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>Nie można połączyć się z usługą tłumaczenia pod adresem %1. Do ponownego uruchomienia programu nie będą wysyłane kolejne prośby o tłumaczenie.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Niektóre fragmenty nie zostały przetłumaczone</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Ustawienia proxy</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Bez proxy (bezpośredni dostęp do Internetu)</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>Proxy HTTP</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>Proxy SOCKS5</translation>
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
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>Nie można zapisać ustawień: nie można zapisać %1. Wybrane teraz opcje zostaną utracone po zamknięciu programu.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Nie udało się załadować stylu interfejsu</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Nie udało się załadować modułu głównego</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Nie udało się załadować okien dialogowych</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Nie udało się załadować menedżera wersji</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Nie udało się załadować okna głównego</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>Nie udało się załadować indeksu witryn</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>Nie udało się załadować modułu tłumaczenia</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>Nie udało się załadować filtrów</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>Nie udało się załadować zasobów językowych</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>Liczba profili, których nie udało się załadować: %1</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Potwierdzenie pobrania aktualizacji</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>W przyszłości pobieraj automatycznie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>Dostępne są aktualizacje witryn (liczba: %1), rozmiar pobierania: %2 KB. Czy zaktualizować teraz?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Ustawienia aktualizacji</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Potwierdzenie pobrania nowej wersji</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Przypomnij za tydzień</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>Dostępna jest nowa wersja programu (%1), rozmiar pliku: %2 MB. Możesz pobrać ją za pomocą bieżącego programu lub ze strony internetowej </translation>
    </message>
</context>
</TS>