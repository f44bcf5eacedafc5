<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Über Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Symbole: Breeze von KDE und Adwaita vom GNOME-Projekt (LGPL 3); Flaggen: iso-flags-svg (gemeinfrei).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Letzte Suche nach Aktualisierungen: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Die neue Programmversion wurde heruntergeladen. Die Installationsdatei befindet sich unter %1. Bitte deinstallieren Sie die aktuelle Version manuell und installieren Sie anschließend die neue.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Prüfhäufigkeit</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>Bei jedem Programmstart</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Bei jedem Programmstart nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Beim Programmstart nach Aktualisierungen suchen, wenn die letzte Prüfung mehr als einen Tag zurückliegt</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Beim Programmstart nach Aktualisierungen suchen, wenn die letzte Prüfung mehr als eine Woche zurückliegt</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Beim Programmstart nach Aktualisierungen suchen, wenn die letzte Prüfung mehr als einen Monat zurückliegt</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Download-Benachrichtigung</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Nach Bestätigung fragen.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Vor jedem Download verfügbarer Aktualisierungen nachfragen</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Automatisch herunterladen.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Aktualisierungen ohne Rückfrage automatisch herunterladen</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Tessolin-Einstellungen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Vorherige Seite</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Nicht angezeigte Bilder dieses Artikels: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Vordefiniert</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>Die Filtereinstellungen konnten nicht in „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>Die Filterdatei „%1“ kann nicht gelesen werden und bleibt daher unverändert.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Filtereinstellungen</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Website-Auswahl</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Themenauswahl</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Stichwortfilter</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Sichtbarkeit der Websites im Website-Index festlegen</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Sichtbarkeit der Themen im Seitenindex festlegen</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Nachrichteneinträge im Seitenindex anhand von Stichwörtern ausblenden</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>Land/Region</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Thema</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Website-Liste:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Themenliste:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Stichwortpakete:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Eigene Stichwörter:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Spracheinstellungen</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Programmoberfläche</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Zielsprache</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Übersetzungsdienste</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Wählen Sie die Sprache für Menütexte und Website-Namen.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Wählen Sie die Sprache, in die die Original-Webseiten übersetzt werden sollen.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Legen Sie fest, in welcher Reihenfolge die Übersetzungsdienste verwendet werden</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Automatische Übersetzung</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Dunkles Design</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Original-Webseiten automatisch oder manuell übersetzen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumänisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>Vereinigte Arabische Emirate</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentinien</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>Bahrain</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasilien</translation>
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
        <translation>China</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>Kuba</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Ägypten</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonesien</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>Israel</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Indien</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Iran</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Kenia</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Nordkorea</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Südkorea</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>Mexiko</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Philippinen</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumänien</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>Russland</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Saudi-Arabien</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Thailand</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Türkei</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Taiwan</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ukraine</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Südafrika</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Allgemeine Nachrichten</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Vordefiniert</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>Ersteinrichtung</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Spracheinstellungen</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Einstellungen zur Versionsprüfung</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Programmoberfläche</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Zielsprache</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Wählen Sie die Sprache für Menütexte und Website-Namen.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Wählen Sie die Sprache, in die die Original-Webseiten übersetzt werden sollen.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>Für die Übersetzung werden das Paket apertium-apy und ein Sprachpaar-Paket wie apertium-eng-spa benötigt; bitte installieren Sie beide und übersetzen Sie erneut</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>Kein Zugriff auf die Aktualisierungsdienste möglich</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Bild geladen</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Fehler beim Verarbeiten der Seite</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>Auf dieser Seite wurde nichts Brauchbares gefunden: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Suche nach Profilaktualisierungen...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Indexseite geladen</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Artikelseite geladen</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Lesen aus dem Netzwerk fehlgeschlagen</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Überflüssige Netzwerkdaten verworfen</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Verbindungsfehler</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Zeitüberschreitung bei der Datenübertragung</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Netzwerkvorgang abgebrochen</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Proxy-Fehler</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Kein Zugriff auf entfernte Inhalte</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Netzwerkvorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Verbindung mit dem Netzwerk wird hergestellt... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Verbindung mit dem Netzwerk fehlgeschlagen</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 Bytes empfangen</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>Die Sprache des Originalartikels ist bereits die Zielsprache der Übersetzung.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Das Standard-E-Mail-Programm des Systems kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Inhaltseinstellungen</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Spracheinstellungen</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Einstellungen zur Aktualisierungssuche</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy-Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Website-Index</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Seitenindex</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Übersetzung</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Originalartikel</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Per E-Mail teilen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>ÜBERSETZTER ARTIKEL:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ORIGINALARTIKEL:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>ENDE DES ARTIKELS.
Der Artikel wurde unter %1 veröffentlicht.
Diese Nachricht wurde mit Tessolin exportiert. Kostenloser Download unter tessolin.net.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Der Artikel wurde unter %1 veröffentlicht. &lt;br&gt;Dieses Dokument wurde mit &lt;b&gt;Tessolin&lt;/b&gt; gedruckt. Kostenloser Download unter tessolin.net.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Der Artikel wurde unter &lt;a href='%1'&gt;%1&lt;/a&gt; veröffentlicht. &lt;br&gt;Diese PDF-Datei wurde mit &lt;b&gt;Tessolin&lt;/b&gt; exportiert. Kostenloser Download unter &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Für dieses Sprachpaar ist kein Übersetzungsdienst verfügbar</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>Der Übersetzungsdienst unter %1 ist nicht erreichbar. Bis zum nächsten Programmstart werden keine Übersetzungen mehr angefordert.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Einige Teile wurden nicht übersetzt</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy-Einstellungen</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Kein Proxy (direkter Internetzugang)</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP-Proxy</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>SOCKS5-Proxy</translation>
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
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>Einstellungen können nicht gespeichert werden: %1 ist nicht beschreibbar. Was Sie jetzt wählen, geht beim Beenden des Programms verloren.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Laden des Oberflächenstils fehlgeschlagen</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Laden des Kernmoduls fehlgeschlagen</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Laden der Dialogfenster fehlgeschlagen</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Laden der Versionsverwaltung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Laden des Hauptfensters fehlgeschlagen</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>Laden des Website-Index fehlgeschlagen</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>Laden des Übersetzers fehlgeschlagen</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>Laden der Filter fehlgeschlagen</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>Laden der Sprachressourcen fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>%1 Profile konnten nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Download der Aktualisierungen bestätigen</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>Künftig automatisch herunterladen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>Für %1 Websites sind Aktualisierungen verfügbar, die Downloadgröße beträgt %2 KB. Möchten Sie jetzt aktualisieren?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Aktualisierungseinstellungen</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Download der neuen Version bestätigen</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>In einer Woche erinnern</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>Eine neue Programmversion (%1) ist verfügbar, die Dateigröße beträgt %2 MB. Sie können sie mit dem aktuellen Programm oder direkt von der Website herunterladen: </translation>
    </message>
</context>
</TS>