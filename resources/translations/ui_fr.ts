<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>À propos de Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Icônes : Breeze de KDE et Adwaita du projet GNOME (LGPL 3) ; drapeaux : iso-flags-svg (domaine public).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Dernière recherche de mises à jour : %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Le téléchargement de la nouvelle version du logiciel est terminé. Le fichier d'installation se trouve dans %1 ; veuillez désinstaller manuellement la version actuelle, puis installer la nouvelle.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Fréquence de vérification</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>À chaque démarrage</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Rechercher des mises à jour à chaque démarrage du logiciel</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tous les jours</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Rechercher des mises à jour au démarrage du logiciel si la dernière vérification date de plus d'un jour</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Toutes les semaines</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Rechercher des mises à jour au démarrage du logiciel si la dernière vérification date de plus d'une semaine</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Tous les mois</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Rechercher des mises à jour au démarrage du logiciel si la dernière vérification date de plus d'un mois</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Notification de téléchargement</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Demander une confirmation.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Demander une confirmation avant de télécharger les mises à jour disponibles</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Télécharger automatiquement.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Télécharger automatiquement les mises à jour sans demander de confirmation</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Configuration de Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Images de cet article non affichées : %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Prédéfinis</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Personnalisés</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>Impossible d'enregistrer les paramètres de filtrage dans « %1 ».</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>Le fichier de filtres « %1 » est illisible ; il reste donc inchangé.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Configuration des filtres</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Sélection des sites</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Sélection des rubriques</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Filtres par mots-clés</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Définir la visibilité des sites dans l'index des sites</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Définir la visibilité des rubriques dans l'index des pages</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Masquer des articles de l'index des pages selon des mots-clés</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>Pays/Région</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Rubrique</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Liste des sites :</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Liste des rubriques :</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Paquets de mots-clés :</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Mots-clés personnalisés :</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Configuration des langues</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Interface du logiciel</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Langue cible</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Moteurs de traduction</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Choisissez la langue d'affichage des menus et des noms de sites web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Choisissez la langue dans laquelle traduire les pages web d'origine.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Définissez l'ordre de priorité des moteurs de traduction</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Traduction automatique</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Thème sombre</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Traduire les pages web d'origine automatiquement ou manuellement</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persan</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésien</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonais</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugais</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Roumain</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainien</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>Émirats arabes unis</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentine</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>Bahreïn</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brésil</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Chili</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Chine</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>Cuba</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Égypte</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espagne</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonésie</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>Israël</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Inde</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Iran</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Kenya</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Corée du Nord</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Corée du Sud</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>Mexique</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaisie</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Philippines</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Pologne</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Pakistan</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Roumanie</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>Russie</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arabie saoudite</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapour</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Thaïlande</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquie</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Taïwan</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ukraine</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Afrique du Sud</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Actualité générale</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Prédéfinis</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Personnalisés</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>Configuration initiale</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Paramètres de langue</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Paramètres de vérification des versions</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Interface du logiciel</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Langue cible</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Choisissez la langue d'affichage des menus et des noms de sites web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Choisissez la langue dans laquelle traduire les pages web d'origine.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>La traduction nécessite le paquet apertium-apy et un paquet de paire de langues comme apertium-eng-spa ; veuillez les installer, puis relancer la traduction</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>Impossible d'accéder aux services de mise à jour</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Image chargée</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Erreur d'analyse de la page</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>Rien d’utilisable n’a été trouvé dans cette page : %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Recherche de mises à jour des profils...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Page d'index chargée</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Page de l'article chargée</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Échec de la lecture depuis le réseau</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Données réseau inutiles ignorées</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Délai de transfert des données dépassé</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Opération réseau annulée</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Erreur de proxy</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Impossible d'accéder au contenu distant</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Échec de l'opération réseau</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Connexion au réseau... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Échec de la connexion au réseau</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 octets reçus</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>La langue de l'article d'origine est déjà la langue cible de la traduction.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Impossible de lancer le programme de messagerie par défaut du système.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Configuration du contenu</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Configuration des langues</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Paramètres de recherche de mises à jour</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Paramètres du proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Index des sites</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Index des pages</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traduction</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Article original</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Partager par e-mail</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>ARTICLE TRADUIT :
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ARTICLE ORIGINAL :
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>FIN DE L'ARTICLE.
L'article a été publié à l'adresse %1.
Ce message a été exporté par le logiciel Tessolin ; téléchargez-le gratuitement sur tessolin.net.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;L'article a été publié à l'adresse %1. &lt;br&gt;Ce document a été imprimé par le logiciel &lt;b&gt;Tessolin&lt;/b&gt; ; téléchargez-le gratuitement sur tessolin.net.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;L'article a été publié à l'adresse &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;Ce fichier PDF a été exporté par le logiciel &lt;b&gt;Tessolin&lt;/b&gt; ; téléchargez-le gratuitement sur &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Aucun moteur de traduction ne prend en charge cette paire de langues</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>Le moteur de traduction à l'adresse %1 est injoignable. Aucune autre traduction ne sera demandée avant le prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Certaines parties n'ont pas été traduites</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Paramètres du proxy</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Aucun proxy (accès direct à Internet)</translation>
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
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>Impossible d'enregistrer les paramètres : %1 n'est pas accessible en écriture. Vos choix seront perdus à la fermeture du programme.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Échec du chargement du style de l'interface</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Échec du chargement du module principal</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Échec du chargement des boîtes de dialogue</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Échec du chargement du gestionnaire de versions</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Échec du chargement de la fenêtre principale</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>échec du chargement de l'index des sites</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>échec du chargement du traducteur</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>échec du chargement des filtres</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>échec du chargement des ressources linguistiques</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>%1 profils n'ont pas pu être chargés</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Confirmation du téléchargement des mises à jour</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>Télécharger automatiquement à l'avenir.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>Des mises à jour sont disponibles pour %1 sites web (taille du téléchargement : %2 Ko). Voulez-vous les installer maintenant ?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Paramètres de mise à jour</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Confirmation du téléchargement de la nouvelle version</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Me le rappeler dans une semaine</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>Une nouvelle version (%1) du logiciel est disponible ; la taille du fichier est de %2 Mo. Vous pouvez la télécharger avec le logiciel actuel ou depuis le site web </translation>
    </message>
</context>
</TS>