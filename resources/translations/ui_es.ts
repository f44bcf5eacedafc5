<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Acerca de Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Iconos: Breeze de KDE y Adwaita del Proyecto GNOME (LGPL 3); banderas: iso-flags-svg (dominio público).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Última comprobación de actualizaciones: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Se ha completado la descarga de la nueva versión del programa. El archivo de instalación está en %1; desinstale manualmente la versión actual e instale la nueva.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Frecuencia de comprobación</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>Al iniciar el programa</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Buscar actualizaciones cada vez que se inicia el programa</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diariamente</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Buscar actualizaciones al iniciar el programa si ha pasado más de un día desde la última comprobación</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanalmente</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Buscar actualizaciones al iniciar el programa si ha pasado más de una semana desde la última comprobación</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensualmente</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Buscar actualizaciones al iniciar el programa si ha pasado más de un mes desde la última comprobación</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Aviso de descarga</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Pedir confirmación.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Pedir confirmación de descarga cada vez que haya actualizaciones disponibles</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Descargar automáticamente.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Descargar las actualizaciones automáticamente sin pedir confirmación</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Configuración de Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Imágenes de este artículo no mostradas: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Predefinidos</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Personalizados</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>No se pudo guardar la configuración de filtros en «%1».</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>No se puede leer el archivo de filtros «%1», por lo que se deja sin cambios.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Configuración de filtros</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Selección de sitios</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Selección de temas</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Filtros de palabras clave</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Definir la visibilidad de los sitios en el índice de sitios</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Definir la visibilidad de los temas en el índice de páginas</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Ocultar noticias del índice de páginas según palabras clave</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>País/Región</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Paquete</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Lista de sitios:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Lista de temas:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Paquetes de palabras clave:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Palabras clave personalizadas:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Configuración de idiomas</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Interfaz del programa</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Idioma de destino</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Motores de traducción</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Seleccione el idioma de los menús y de los nombres de los sitios web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Seleccione el idioma al que se traducirán las páginas web originales.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Establezca la prioridad de uso de los motores de traducción</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Traducción automática</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Tema oscuro</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Traducir las páginas web originales de forma automática o manual</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persa</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesio</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Rumano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraniano</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>Emiratos Árabes Unidos</translation>
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
        <translation>Baréin</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
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
        <translation>Alemania</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Egipto</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>España</translation>
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
        <translation>Irán</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japón</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Kenia</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Corea del Norte</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Corea del Sur</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>México</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malasia</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Filipinas</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Pakistán</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumanía</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arabia Saudí</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Tailandia</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquía</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Taiwán</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ucrania</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>Estados Unidos</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Sudáfrica</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Noticias generales</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Predefinidos</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Personalizados</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>Configuración inicial</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Configuración de idioma</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Configuración de comprobación de versiones</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Interfaz del programa</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Idioma de destino</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Seleccione el idioma de los menús y de los nombres de los sitios web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Seleccione el idioma al que se traducirán las páginas web originales.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>La traducción necesita el paquete apertium-apy y un paquete de par de idiomas como apertium-eng-spa; instálelos y vuelva a traducir</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>No se puede acceder a los servicios de actualización</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Imagen cargada</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Error al analizar la página</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>No se encontró nada útil en esta página: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Buscando actualizaciones de perfiles...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Página de índice cargada</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Página del artículo cargada</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Error al leer de la red</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Datos de red innecesarios descartados</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Error de conexión</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Tiempo de espera de la transferencia agotado</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Operación de red cancelada</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Error de proxy</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>No se puede acceder al contenido remoto</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Error en la operación de red</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Conectando a la red... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>No se pudo conectar a la red</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bytes recibidos</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>El idioma del artículo original ya es el idioma de destino de la traducción.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>No se puede iniciar el programa de correo electrónico predeterminado del sistema.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Configuración del contenido</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Configuración de idiomas</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Configuración de búsqueda de actualizaciones</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Configuración del proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Índice de sitios</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Índice de páginas</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Traducción</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Artículo original</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Compartir por correo electrónico</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>ARTÍCULO TRADUCIDO:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ARTÍCULO ORIGINAL:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>FIN DEL ARTÍCULO.
El artículo se publicó en %1.
Este mensaje se exportó con el programa Tessolin; descárguelo gratis en tessolin.net.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;El artículo se publicó en %1. &lt;br&gt;Este documento se imprimió con el programa &lt;b&gt;Tessolin&lt;/b&gt;; descárguelo gratis en tessolin.net.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;El artículo se publicó en &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;Este archivo PDF se exportó con el programa &lt;b&gt;Tessolin&lt;/b&gt;; descárguelo gratis en &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Ningún motor de traducción admite este par de idiomas</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>No se pudo contactar con el motor de traducción en %1. No se pedirán más traducciones hasta que el programa se reinicie.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Algunas partes no se tradujeron</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Configuración del proxy</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Sin proxy (acceso directo a Internet)</translation>
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
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>No se pueden guardar los ajustes: no se puede escribir en %1. Lo que elija ahora se perderá al cerrar el programa.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Error al cargar el estilo de la interfaz</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Error al cargar el módulo principal</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Error al cargar los cuadros de diálogo</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Error al cargar el gestor de versiones</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Error al cargar la ventana principal</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>error al cargar el índice de sitios</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>error al cargar el traductor</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>error al cargar los filtros</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>error al cargar los recursos de idioma</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>No se pudieron cargar %1 perfiles</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Confirmación de descarga de actualizaciones</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>Descargar automáticamente en el futuro.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>Hay actualizaciones disponibles para %1 sitios web; el tamaño de la descarga es de %2 KB. ¿Desea actualizar ahora?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Configuración de actualizaciones</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Confirmación de descarga de la nueva versión</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Recordármelo en una semana</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>Hay disponible una nueva versión (%1) del programa; el tamaño del archivo es de %2 MB. Puede descargarla con el programa actual o desde el sitio web </translation>
    </message>
</context>
</TS>