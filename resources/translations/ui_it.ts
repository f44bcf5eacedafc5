<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="it">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Informazioni su Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Icone: Breeze di KDE e Adwaita del Progetto GNOME (LGPL 3); bandiere: iso-flags-svg (pubblico dominio).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Ultimo controllo degli aggiornamenti: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Download completato</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Il download della nuova versione del software è stato completato. Il file di installazione si trova in %1: disinstalla manualmente la versione attuale e installa quella nuova.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Frequenza di controllo</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>All'avvio del programma</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Controlla la presenza di aggiornamenti a ogni avvio del programma</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Controlla la presenza di aggiornamenti all'avvio del programma se è passato più di un giorno dall'ultimo controllo</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Controlla la presenza di aggiornamenti all'avvio del programma se è passata più di una settimana dall'ultimo controllo</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Controlla la presenza di aggiornamenti all'avvio del programma se è passato più di un mese dall'ultimo controllo</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Notifica di download</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Chiedi conferma.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Chiedi conferma per il download ogni volta che sono disponibili aggiornamenti</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Scarica automaticamente.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Scarica automaticamente gli aggiornamenti senza chiedere conferma</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Configurazione di Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Immagini di questo articolo non mostrate: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Personalizzati</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>Impossibile salvare le impostazioni dei filtri in "%1".</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>Impossibile leggere il file dei filtri "%1", che viene quindi lasciato invariato.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Configurazione dei filtri</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Selezione dei siti</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Selezione degli argomenti</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Filtri per parole chiave</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Imposta la visibilità dei siti nell'indice dei siti</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Imposta la visibilità degli argomenti nell'indice delle pagine</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Nascondi le notizie nell'indice delle pagine in base a parole chiave</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>Paese/Regione</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Argomento</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Pacchetto</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Elenco dei siti:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Elenco degli argomenti:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Pacchetti di parole chiave:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Parole chiave personalizzate:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Configurazione delle lingue</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Interfaccia del programma</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Lingua di destinazione</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Motori di traduzione</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Seleziona la lingua dei menu e dei nomi dei siti web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Seleziona la lingua in cui tradurre le pagine web originali.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Imposta la priorità di utilizzo dei motori di traduzione</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Traduzione automatica</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Tema scuro</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Traduci le pagine web originali automaticamente o manualmente</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persiano</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesiano</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Ebraico</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumeno</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraino</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>Emirati Arabi Uniti</translation>
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
        <translation>Bahrein</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasile</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Cile</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Cina</translation>
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
        <translation>Egitto</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spagna</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonesia</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>Israele</translation>
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
        <translation>Giappone</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Kenya</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Corea del Nord</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Corea del Sud</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>Messico</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Filippine</translation>
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
        <translation>Romania</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>Russia</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arabia Saudita</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapore</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Thailandia</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turchia</translation>
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
        <translation>Regno Unito</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>Stati Uniti</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Sudafrica</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Notizie generali</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Personalizzati</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>Configurazione iniziale</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Impostazioni della lingua</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Impostazioni di controllo della versione</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Interfaccia del programma</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Lingua di destinazione</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Seleziona la lingua dei menu e dei nomi dei siti web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Seleziona la lingua in cui tradurre le pagine web originali.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>La traduzione richiede il pacchetto apertium-apy e un pacchetto di coppia di lingue come apertium-eng-spa; installali e traduci di nuovo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>Impossibile accedere ai servizi di aggiornamento</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Immagine caricata</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Errore di analisi della pagina</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>In questa pagina non è stato trovato nulla di utilizzabile: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Ricerca di aggiornamenti dei profili...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Pagina indice caricata</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Pagina dell'articolo caricata</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Lettura dalla rete non riuscita</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Dati di rete inutili scartati</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Connessione non riuscita</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Timeout del trasferimento dati</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Operazione di rete annullata</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Errore del proxy</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Impossibile accedere al contenuto remoto</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Operazione di rete non riuscita</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Connessione alla rete... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Connessione alla rete non riuscita</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 byte ricevuti</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>La lingua dell'articolo originale coincide già con la lingua di destinazione della traduzione.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Impossibile avviare il programma di posta elettronica predefinito del sistema.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Configurazione dei contenuti</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Configurazione delle lingue</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Impostazioni di controllo degli aggiornamenti</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Impostazioni del proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Indice dei siti</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Indice delle pagine</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduzione</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Articolo originale</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Utilizza</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usa</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Condividi via email</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>ARTICOLO TRADOTTO:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ARTICOLO ORIGINALE:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>FINE DELL'ARTICOLO.
L'articolo è stato pubblicato su %1.
Questo messaggio è stato esportato dal software Tessolin; scaricalo gratuitamente da tessolin.net.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;L'articolo è stato pubblicato su %1. &lt;br&gt;Questo documento è stato stampato dal software &lt;b&gt;Tessolin&lt;/b&gt;; scaricalo gratuitamente da tessolin.net.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;L'articolo è stato pubblicato su &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;Questo file PDF è stato esportato dal software &lt;b&gt;Tessolin&lt;/b&gt;; scaricalo gratuitamente da &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Nessun motore di traduzione supporta questa coppia di lingue</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>Il motore di traduzione all'indirizzo %1 non è raggiungibile. Non verranno richieste altre traduzioni fino al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Alcune parti non sono state tradotte</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Impostazioni del proxy</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Nessun proxy (accesso diretto a Internet)</translation>
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
        <translation>Porta</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>Impossibile salvare le impostazioni: non è possibile scrivere %1. Le scelte fatte ora andranno perse alla chiusura del programma.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Caricamento dello stile dell'interfaccia non riuscito</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Caricamento del modulo principale non riuscito</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Caricamento delle finestre di dialogo non riuscito</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Caricamento del gestore delle versioni non riuscito</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Caricamento della finestra principale non riuscito</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>caricamento dell'indice dei siti non riuscito</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>caricamento del traduttore non riuscito</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>caricamento dei filtri non riuscito</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>caricamento delle risorse linguistiche non riuscito</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>Impossibile caricare %1 profili</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Conferma download degli aggiornamenti</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>Scarica automaticamente in futuro.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>Sono disponibili aggiornamenti per %1 siti web; la dimensione del download è di %2 KB. Vuoi aggiornare ora?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Impostazioni di aggiornamento</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Conferma download della nuova versione</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Ricordamelo tra una settimana</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>È disponibile una nuova versione (%1) del software; la dimensione del file è di %2 MB. Puoi scaricarla con il software attuale o dal sito web </translation>
    </message>
</context>
</TS>