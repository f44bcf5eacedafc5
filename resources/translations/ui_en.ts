<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>About Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Last update check: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Download Completed</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Check Frequency</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>On Software Start</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Check for update every time the software starts</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Check for update on software starts when it is more than one day from last check</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Check for update on software starts when it is more than one week from last check</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Check for update on software starts when it is more than one month from last check</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Download Notification</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Ask For Confirmation.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Ask for download confirmation every time updates are available</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Download Automatically.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Download the updates automatically without asking for confirmation</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Tessolin Config</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Previous Page</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Next Page</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Pictures of this article not shown: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Predefined</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>The filter settings could not be saved to "%1".</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>The filter file "%1" cannot be read, so it is left unchanged.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Filter Configurations</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Site Selection</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Topic Selection</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Keyword Filters</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Set site visibility in the sites index</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Set topic visibility in the page index</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Hide news entries in the page index by keywords</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>Country/Region</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Topic</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Package</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Site List:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Topic List:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Keyword Packages:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Keyword Customization:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Language Configurations</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Software Interface</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Translation Target</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Translation Engines</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Select the language for showing the menu text and the web site names.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Select the language the original web pages to be translated into.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Set the priority that the translation engine to be used</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Automatic Translation</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Dark theme</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Automatically or manually translate the original web pages</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Persian</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Indonesian</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebrew</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Romanian</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainian</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamese</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Simplified Chinese</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Traditional Chinese</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>UAE</translation>
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
        <translation>Brazil</translation>
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
        <translation>Germany</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Egypt</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Spain</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>France</translation>
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
        <translation>Italy</translation>
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
        <translation>Kenya</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>North Korea</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>South Korea</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>Mexico</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Philippines</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Poland</translation>
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
        <translation>Saudi Arabia</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapore</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Thailand</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turkey</translation>
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
        <translation>UK</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>South Africa</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>General News</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Predefined</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>Initial Configurations</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Language Settings</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Version Check Settings</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Software UI</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Translation Target</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Select the language for showing the menu text and the web site names.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Select the language the original web pages to be translated into.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Restore Down</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>Can't access the update services</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Image loaded</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Page parsing error</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>Nothing usable found in this page: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Checking for profile updates...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Index page loaded</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Article page loaded</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Failed to read from network</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Discard useless network data</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Connection Failure</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Data Transfer Timeout</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Network Operation Canceled</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Proxy Error</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Can't Access Remote Content</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Network Operation Failed</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Connecting network... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Failed to connect network</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Received %1 bytes</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>The language of the original article is the same to the translation target language.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Can't launch system default email program.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Content Configuration</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Language Configuration</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Preferences Configuration</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Update Check Settings</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy Settings</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Site Index</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Page Index</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Translation</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Original Article</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Utilize</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Share with Email</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>TRANSLATED ARTICLE:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ORIGINAL ARTICLE:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>END OF ARTICLE.
The article was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>No translation engine serves this language pair</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Some parts were not translated</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy Settings</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>No Proxy (Direct Internet Access)</translation>
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
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
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
        <translation>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>UI style load failed</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Core module load failed</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Dialog load failed</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Version manager load failed</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Main window load failed</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>site index loading failed</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>translator loading failed</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>filters loading failed</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>language resource load failed</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>%1 profiles were failed for loading</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Update Download Confirmation</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>Automatically download in the future.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Not Now</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Update Settings</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Upgrade Download Confirmation</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Remind me in a week</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Not Now</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>A new version (%1) of software is available, the file size is %2MB.  You can either download with current software or download from the website </translation>
    </message>
</context>
</TS>