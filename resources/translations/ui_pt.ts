<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="pt">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Sobre o Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Ícones: Breeze do KDE e Adwaita do Projeto GNOME (LGPL 3); bandeiras: iso-flags-svg (domínio público).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Última verificação de atualizações: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Transferência concluída</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>A transferência da nova versão do programa foi concluída. O ficheiro de instalação encontra-se em %1; desinstale manualmente a versão atual e instale a nova.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Frequência de verificação</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>Ao iniciar o programa</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Procurar atualizações sempre que o programa é iniciado</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diariamente</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Procurar atualizações ao iniciar o programa se tiver passado mais de um dia desde a última verificação</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanalmente</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Procurar atualizações ao iniciar o programa se tiver passado mais de uma semana desde a última verificação</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensalmente</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Procurar atualizações ao iniciar o programa se tiver passado mais de um mês desde a última verificação</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Notificação de transferência</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Pedir confirmação.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Pedir confirmação para transferir sempre que houver atualizações disponíveis</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Transferir automaticamente.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Transferir as atualizações automaticamente sem pedir confirmação</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Configuração do Tessolin</translation>
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
        <translation>OK</translation>
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
        <translation>Página seguinte</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Imagens deste artigo não mostradas: %1</translation>
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
        <translation>Não foi possível guardar as definições de filtros em "%1".</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>Não é possível ler o ficheiro de filtros "%1", pelo que se mantém inalterado.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Configuração de filtros</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Seleção de sites</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Seleção de temas</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Filtros de palavras-chave</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Definir a visibilidade dos sites no índice de sites</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Definir a visibilidade dos temas no índice de páginas</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Ocultar notícias do índice de páginas com base em palavras-chave</translation>
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
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>País/Região</translation>
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
        <translation>Pacote</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Lista de sites:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Lista de temas:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Pacotes de palavras-chave:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Palavras-chave personalizadas:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Configuração de idiomas</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Interface do programa</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Idioma de destino</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Motores de tradução</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Selecione o idioma dos menus e dos nomes dos sites.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Selecione o idioma para o qual as páginas web originais serão traduzidas.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Defina a prioridade de utilização dos motores de tradução</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Tradução automática</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Tema escuro</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Traduzir as páginas web originais automática ou manualmente</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
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
        <translation>Alemão</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persa</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonésio</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebraico</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
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
        <translation>Português</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romeno</translation>
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
        <translation>Ucraniano</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>Emirados Árabes Unidos</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentina</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Austrália</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>Barém</translation>
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
        <translation>Alemanha</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Egito</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Espanha</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>França</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonésia</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>Israel</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Índia</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Itália</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Irão</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japão</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Quénia</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Coreia do Norte</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Coreia do Sul</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>México</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malásia</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Filipinas</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polónia</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Paquistão</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Roménia</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>Rússia</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Arábia Saudita</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapura</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Tailândia</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquia</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Taiwan</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ucrânia</translation>
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
        <translation>Vietname</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>África do Sul</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Notícias gerais</translation>
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
        <translation>Configuração inicial</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Definições de idioma</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Definições de verificação de versões</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Interface do programa</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Idioma de destino</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Selecione o idioma dos menus e dos nomes dos sites.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Selecione o idioma para o qual as páginas web originais serão traduzidas.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>A tradução requer o pacote apertium-apy e um pacote de par de idiomas, como apertium-eng-spa; instale-os e traduza novamente</translation>
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
        <translation>Não é possível aceder aos serviços de atualização</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Imagem carregada</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Erro ao analisar a página</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>Nada utilizável foi encontrado nesta página: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Verificando atualizações de perfis...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Página de índice carregada</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Página do artigo carregada</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Falha ao ler da rede</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Dados de rede desnecessários descartados</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Falha de ligação</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Tempo limite de transferência de dados esgotado</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Operação de rede cancelada</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Erro de proxy</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Não é possível aceder ao conteúdo remoto</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Falha na operação de rede</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>A ligar à rede... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Falha ao ligar à rede</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 bytes recebidos</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>O idioma do artigo original já é o idioma de destino da tradução.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Não é possível iniciar o programa de correio eletrónico predefinido do sistema.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Configuração de conteúdos</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Configuração de idiomas</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Definições de verificação de atualizações</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Definições de proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Índice de sites</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Índice de páginas</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Tradução</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Artigo original</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Utilizar</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Partilhar por e-mail</translation>
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
        <translation>ARTIGO TRADUZIDO:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ARTIGO ORIGINAL:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>FIM DO ARTIGO.
O artigo foi publicado em %1.
Esta mensagem foi exportada pelo programa Tessolin; transfira-o gratuitamente em tessolin.net.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;O artigo foi publicado em %1. &lt;br&gt;Este documento foi impresso pelo programa &lt;b&gt;Tessolin&lt;/b&gt;; transfira-o gratuitamente em tessolin.net.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;O artigo foi publicado em &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;Este ficheiro PDF foi exportado pelo programa &lt;b&gt;Tessolin&lt;/b&gt;; transfira-o gratuitamente em &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Nenhum motor de tradução suporta este par de idiomas</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>Não foi possível contactar o motor de tradução em %1. Não serão pedidas mais traduções até o programa ser reiniciado.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Algumas partes não foram traduzidas</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Definições de proxy</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Sem proxy (acesso direto à Internet)</translation>
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
        <translation>Porta</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>Não é possível guardar as definições: não é possível escrever em %1. O que escolher agora perde-se quando o programa terminar.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Falha ao carregar o estilo da interface</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Falha ao carregar o módulo principal</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Falha ao carregar as caixas de diálogo</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Falha ao carregar o gestor de versões</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Falha ao carregar a janela principal</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>falha ao carregar o índice de sites</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>falha ao carregar o tradutor</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>falha ao carregar os filtros</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>falha ao carregar os recursos de idioma</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>Não foi possível carregar %1 perfis</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Confirmação da transferência de atualizações</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>Transferir automaticamente no futuro.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>Existem atualizações disponíveis para %1 sites; o tamanho da transferência é de %2 KB. Pretende atualizar agora?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Definições de atualização</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Confirmação da transferência da nova versão</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Lembrar-me daqui a uma semana</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>Está disponível uma nova versão (%1) do programa; o tamanho do ficheiro é de %2 MB. Pode transferi-la com o programa atual ou a partir do site </translation>
    </message>
</context>
</TS>