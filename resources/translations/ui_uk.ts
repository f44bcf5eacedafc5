<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="uk">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Про Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Піктограми: Breeze від KDE та Adwaita від проєкту GNOME (LGPL 3); прапори: iso-flags-svg (суспільне надбання).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Ніколи</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Остання перевірка оновлень: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Завантаження завершено</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Завантаження нової версії програми завершено. Файл інсталятора розміщено тут: %1. Вручну вилучіть поточну версію та встановіть нову.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Частота перевірки</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>Під час запуску програми</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Перевіряти наявність оновлень під час кожного запуску програми</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Щодня</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Перевіряти наявність оновлень під час запуску програми, якщо від останньої перевірки минуло понад добу</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Щотижня</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Перевіряти наявність оновлень під час запуску програми, якщо від останньої перевірки минуло понад тиждень</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Щомісяця</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Перевіряти наявність оновлень під час запуску програми, якщо від останньої перевірки минуло понад місяць</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Сповіщення про завантаження</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Запитувати підтвердження.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Запитувати підтвердження завантаження щоразу, коли доступні оновлення</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Завантажувати автоматично.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Завантажувати оновлення автоматично, не запитуючи підтвердження</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Налаштування Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>Попередня сторінка</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Наступна сторінка</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Непоказані зображення цієї статті: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Попередньо визначені</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Користувацькі</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>Не вдалося зберегти налаштування фільтрів у «%1».</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>Не вдається прочитати файл фільтрів «%1», тому його залишено без змін.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Налаштування фільтрів</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Вибір сайтів</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Вибір тем</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Фільтри за ключовими словами</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Налаштування видимості сайтів у покажчику сайтів</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Налаштування видимості тем у покажчику сторінок</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Приховування новин у покажчику сторінок за ключовими словами</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категорія</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>Країна/регіон</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Пакет</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Список сайтів:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Список тем:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Пакети ключових слів:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Власні ключові слова:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Вилучити</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Налаштування мов</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Мови</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Інтерфейс програми</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Мова перекладу</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Системи перекладу</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Виберіть мову для тексту меню та назв сайтів.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Виберіть мову, якою перекладатимуться оригінальні вебсторінки.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Визначте пріоритет використання систем перекладу</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Автоматичний переклад</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Темна тема</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Перекладати оригінальні вебсторінки автоматично або вручну</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вгору</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>Арабська</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Німецька</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Англійська</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Іспанська</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Перська</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французька</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Гінді</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Індонезійська</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Італійська</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Іврит</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японська</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейська</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польська</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальська</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Румунська</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Російська</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецька</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Українська</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>В’єтнамська</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Китайська (спрощена)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Китайська (традиційна)</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>ОАЕ</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Аргентина</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Австралія</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>Бахрейн</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Бразилія</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Канада</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Чилі</translation>
    </message>
    <message>
        <source>China</source>
        <translation>Китай</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>Куба</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Німеччина</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Єгипет</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Іспанія</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>Франція</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Індонезія</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>Ізраїль</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Індія</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Італія</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Іран</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Японія</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Кенія</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Північна Корея</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Південна Корея</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>Мексика</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Малайзія</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Філіппіни</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Польща</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Пакистан</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Румунія</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>Росія</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Саудівська Аравія</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Сінгапур</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Таїланд</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Туреччина</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Тайвань</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Україна</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Велика Британія</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>США</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>В’єтнам</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>ПАР</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Загальні новини</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Попередньо визначені</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Користувацькі</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>Початкове налаштування</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Налаштування мови</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Налаштування перевірки версій</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Інтерфейс програми</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Мова перекладу</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Виберіть мову для тексту меню та назв сайтів.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Виберіть мову, якою перекладатимуться оригінальні вебсторінки.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>Для перекладу потрібні пакет apertium-apy і пакет мовної пари, наприклад apertium-eng-spa; встановіть їх і перекладіть знову</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Розгорнути</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>Немає доступу до служб оновлення</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Зображення завантажено</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Помилка розбору сторінки</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>На цій сторінці не знайдено нічого придатного: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Перевірка оновлень профілів...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Сторінку покажчика завантажено</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Сторінку статті завантажено</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Не вдалося прочитати дані з мережі</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Непотрібні мережеві дані відкинуто</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Збій з’єднання</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Минув час очікування передавання даних</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Мережеву операцію скасовано</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Помилка проксі-сервера</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Немає доступу до віддаленого вмісту</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Не вдалося виконати мережеву операцію</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Підключення до мережі... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Не вдалося підключитися до мережі</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Отримано байтів: %1</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>Мова оригінальної статті збігається з мовою перекладу.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Не вдається запустити типову поштову програму.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Налаштування вмісту</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Налаштування мов</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Налаштування параметрів</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Налаштування перевірки оновлень</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Налаштування проксі</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Покажчик сайтів</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Покажчик сторінок</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Переклад</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Оригінальна стаття</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Використання</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Використати</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Надіслати поштою</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Зберегти як PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>ПЕРЕКЛАДЕНА СТАТТЯ:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ОРИГІНАЛЬНА СТАТТЯ:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>КІНЕЦЬ СТАТТІ.
Статтю опубліковано: %1.
Це повідомлення експортовано програмою Tessolin. Завантажити її безкоштовно можна на сайті tessolin.net.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Статтю опубліковано: %1. &lt;br&gt;Цей документ надруковано програмою &lt;b&gt;Tessolin&lt;/b&gt;. Завантажити її безкоштовно можна на сайті tessolin.net.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Статтю опубліковано за адресою &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;Цей PDF-файл експортовано програмою &lt;b&gt;Tessolin&lt;/b&gt;. Завантажити її безкоштовно можна на сайті &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Жодна система перекладу не підтримує цю мовну пару</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>Служба перекладу за адресою %1 недоступна. До наступного запуску програми переклади більше не запитуються.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Деякі фрагменти не перекладено</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Налаштування проксі</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Без проксі (пряме підключення до Інтернету)</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP-проксі</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>SOCKS5-проксі</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Хост</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Користувач</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>Налаштування неможливо зберегти: запис у %1 неможливий. Вибране зараз буде втрачено після закриття програми.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Не вдалося завантажити стиль інтерфейсу</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Не вдалося завантажити основний модуль</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Не вдалося завантажити діалогові вікна</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Не вдалося завантажити менеджер версій</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Не вдалося завантажити головне вікно</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>Не вдалося завантажити покажчик сайтів</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>Не вдалося завантажити модуль перекладу</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>Не вдалося завантажити фільтри</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>Не вдалося завантажити мовні ресурси</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>Не вдалося завантажити профілів: %1</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Підтвердження завантаження оновлень</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>Надалі завантажувати автоматично.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не зараз</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>Доступні оновлення для вебсайтів (%1), обсяг завантаження — %2 КБ. Оновити зараз?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Налаштування оновлення</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Підтвердження завантаження нової версії</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Нагадати через тиждень</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не зараз</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>Доступна нова версія програми (%1), розмір файлу — %2 МБ. Її можна завантажити за допомогою поточної програми або з вебсайту </translation>
    </message>
</context>
</TS>