<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ro">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Despre Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Pictograme: Breeze de la KDE și Adwaita de la Proiectul GNOME (LGPL 3); steaguri: iso-flags-svg (domeniu public).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Niciodată</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Ultima verificare a actualizărilor: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Descărcare finalizată</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Descărcarea noii versiuni a programului s-a încheiat. Fișierul de instalare se află în %1; dezinstalați manual versiunea curentă și instalați-o pe cea nouă.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Frecvența verificării</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>La pornirea programului</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Caută actualizări la fiecare pornire a programului</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Zilnic</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Caută actualizări la pornirea programului dacă a trecut mai mult de o zi de la ultima verificare</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Săptămânal</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Caută actualizări la pornirea programului dacă a trecut mai mult de o săptămână de la ultima verificare</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Lunar</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Caută actualizări la pornirea programului dacă a trecut mai mult de o lună de la ultima verificare</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Notificare de descărcare</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Solicită confirmare.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Solicită confirmarea descărcării de fiecare dată când sunt disponibile actualizări</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Descarcă automat.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Descarcă automat actualizările fără a solicita confirmare</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Configurare Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvează</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
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
        <translation>Pagina anterioară</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Pagina următoare</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Imagini ale acestui articol neafișate: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Predefinite</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Personalizate</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>Setările filtrelor nu au putut fi salvate în „%1”.</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>Fișierul de filtre „%1” nu poate fi citit, așa că rămâne neschimbat.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Configurarea filtrelor</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Selectarea site-urilor</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Selectarea subiectelor</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Filtre după cuvinte cheie</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Setează vizibilitatea site-urilor în indexul site-urilor</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Setează vizibilitatea subiectelor în indexul paginilor</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Ascunde știrile din indexul paginilor după cuvinte cheie</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>Țară/Regiune</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Subiect</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Pachet</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Lista site-urilor:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Lista subiectelor:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Pachete de cuvinte cheie:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Cuvinte cheie personalizate:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adaugă</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplică</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Golește</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Configurarea limbilor</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Limbi</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Interfața programului</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Limba țintă</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Motoare de traducere</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Selectați limba pentru textul meniurilor și numele site-urilor web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Selectați limba în care vor fi traduse paginile web originale.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Setați prioritatea de utilizare a motoarelor de traducere</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Traducere automată</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Temă întunecată</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Traduce paginile web originale automat sau manual</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Sus</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Jos</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>Arabă</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Germană</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Engleză</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spaniolă</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persană</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franceză</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indoneziană</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiană</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Ebraică</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoneză</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreeană</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Poloneză</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugheză</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Română</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusă</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turcă</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraineană</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnameză</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chineză simplificată</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chineză tradițională</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>Emiratele Arabe Unite</translation>
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
        <translation>Brazilia</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
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
        <translation>Cuba</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Germania</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Egipt</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spania</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>Franța</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonezia</translation>
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
        <translation>Japonia</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Kenya</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Coreea de Nord</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Coreea de Sud</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>Mexic</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Filipine</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>România</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arabia Saudită</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapore</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Thailanda</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turcia</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Taiwan</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ucraina</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Regatul Unit</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>Statele Unite</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Africa de Sud</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Știri generale</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Predefinite</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Personalizate</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>Configurare inițială</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Setări de limbă</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Setări de verificare a versiunii</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Interfața programului</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Limba țintă</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Selectați limba pentru textul meniurilor și numele site-urilor web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Selectați limba în care vor fi traduse paginile web originale.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>Traducerea necesită pachetul apertium-apy și un pachet pentru o pereche de limbi, cum ar fi apertium-eng-spa; instalați-le și traduceți din nou</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Restaurează</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizează</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>Serviciile de actualizare nu pot fi accesate</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Imagine încărcată</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Eroare la analizarea paginii</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>Nu s-a găsit nimic utilizabil în această pagină: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Se caută actualizări ale profilurilor...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Pagină de index încărcată</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Pagină de articol încărcată</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Citirea din rețea a eșuat</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Date de rețea inutile ignorate</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Conectare eșuată</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Timpul de transfer al datelor a expirat</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Operațiune de rețea anulată</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Eroare de proxy</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Conținutul la distanță nu poate fi accesat</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Operațiunea de rețea a eșuat</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Conectare la rețea... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Conectarea la rețea a eșuat</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Octeți primiți: %1</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>Limba articolului original este deja limba țintă a traducerii.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Programul de e-mail implicit al sistemului nu poate fi pornit.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Configurarea conținutului</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Configurarea limbilor</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Preferințe</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Setări de verificare a actualizărilor</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Setări proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizează</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Index site-uri</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Index pagini</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducere</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Articol original</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Utilizare</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utilizare</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Partajează prin e-mail</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tipărește</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salvează ca PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>ARTICOL TRADUS:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ARTICOL ORIGINAL:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>SFÂRȘITUL ARTICOLULUI.
Articolul a fost publicat la adresa %1.
Acest mesaj a fost exportat de programul Tessolin; descărcați-l gratuit de pe tessolin.net.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Articolul a fost publicat la adresa %1. &lt;br&gt;Acest document a fost tipărit de programul &lt;b&gt;Tessolin&lt;/b&gt;; descărcați-l gratuit de pe tessolin.net.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Articolul a fost publicat la adresa &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;Acest fișier PDF a fost exportat de programul &lt;b&gt;Tessolin&lt;/b&gt;; descărcați-l gratuit de pe &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Niciun motor de traducere nu acceptă această pereche de limbi</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>Motorul de traducere de la %1 nu poate fi contactat. Nu se mai cer traduceri până la următoarea pornire a programului.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Unele părți nu au fost traduse</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Setări proxy</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Fără proxy (acces direct la internet)</translation>
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
        <translation>Gazdă</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilizator</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parolă</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>Setările nu pot fi salvate: %1 nu poate fi scris. Ce alegeți acum se pierde la închiderea programului.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Încărcarea stilului interfeței a eșuat</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Încărcarea modulului principal a eșuat</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Încărcarea casetelor de dialog a eșuat</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Încărcarea managerului de versiuni a eșuat</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Încărcarea ferestrei principale a eșuat</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>încărcarea indexului site-urilor a eșuat</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>încărcarea traducătorului a eșuat</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>încărcarea filtrelor a eșuat</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>încărcarea resurselor de limbă a eșuat</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>Profiluri care nu au putut fi încărcate: %1</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Confirmarea descărcării actualizărilor</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>Descarcă automat pe viitor.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nu acum</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>Sunt disponibile actualizări pentru site-uri web (%1), cu o dimensiune totală de %2 KB. Doriți să actualizați acum?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Setări de actualizare</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Confirmarea descărcării noii versiuni</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Amintește-mi peste o săptămână</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarcă</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nu acum</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>Este disponibilă o nouă versiune (%1) a programului; dimensiunea fișierului este de %2 MB. O puteți descărca prin programul curent sau de pe site-ul web </translation>
    </message>
</context>
</TS>