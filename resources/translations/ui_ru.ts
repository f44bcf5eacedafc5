<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ru">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>О программе Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Значки: Breeze от KDE и Adwaita от проекта GNOME (LGPL 3); флаги: iso-flags-svg (общественное достояние).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Никогда</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Последняя проверка обновлений: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Загрузка новой версии программы завершена. Файл установщика находится здесь: %1. Удалите текущую версию вручную и установите новую.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Частота проверки</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>При запуске программы</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Проверять наличие обновлений при каждом запуске программы</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ежедневно</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Проверять наличие обновлений при запуске программы, если с последней проверки прошло больше суток</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Проверять наличие обновлений при запуске программы, если с последней проверки прошло больше недели</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Проверять наличие обновлений при запуске программы, если с последней проверки прошло больше месяца</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Уведомление о загрузке</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Запрашивать подтверждение.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Запрашивать подтверждение загрузки при каждом появлении обновлений</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Загружать автоматически.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Загружать обновления автоматически, не запрашивая подтверждения</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Настройка Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Не показанные изображения этой статьи: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Предустановленные</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Пользовательские</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>Не удалось сохранить настройки фильтров в «%1».</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>Не удаётся прочитать файл фильтров «%1», поэтому он оставлен без изменений.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Настройка фильтров</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Выбор сайтов</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Выбор тем</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Фильтры по ключевым словам</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Настройка видимости сайтов в указателе сайтов</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Настройка видимости тем в указателе страниц</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Скрытие новостей в указателе страниц по ключевым словам</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>Страна/регион</translation>
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
        <translation>Список сайтов:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Список тем:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Пакеты ключевых слов:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Свои ключевые слова:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Настройка языков</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Интерфейс программы</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Язык перевода</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Системы перевода</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Выберите язык для текста меню и названий сайтов.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Выберите язык, на который будут переводиться исходные веб-страницы.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Задайте приоритет использования систем перевода</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Автоматический перевод</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Тёмная тема</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Переводить исходные веб-страницы автоматически или вручную</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
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
        <translation>Арабский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Персидский</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Хинди</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Индонезийский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Иврит</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Румынский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкий</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Украинский</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вьетнамский</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Китайский (традиционный)</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>ОАЭ</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Аргентина</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Австралия</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>Бахрейн</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Бразилия</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Канада</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Чили</translation>
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
        <translation>Германия</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Египет</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Испания</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>Франция</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Индонезия</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>Израиль</translation>
    </message>
    <message>
        <source>India</source>
        <translation>Индия</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Италия</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Иран</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Япония</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Кения</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Северная Корея</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Южная Корея</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>Мексика</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Малайзия</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Филиппины</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Польша</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Пакистан</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Румыния</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>Россия</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Саудовская Аравия</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Сингапур</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Таиланд</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Турция</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Тайвань</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Украина</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Великобритания</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>США</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Вьетнам</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>ЮАР</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Общие новости</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Предустановленные</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Пользовательские</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>Начальная настройка</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Настройки языка</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Настройки проверки версий</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Интерфейс программы</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Язык перевода</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Выберите язык для текста меню и названий сайтов.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Выберите язык, на который будут переводиться исходные веб-страницы.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>Для перевода нужны пакет apertium-apy и пакет языковой пары, например apertium-eng-spa; установите их и повторите перевод</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>Нет доступа к службам обновления</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Изображение загружено</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Ошибка разбора страницы</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>На этой странице не найдено ничего пригодного: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Проверка обновлений профилей...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Страница указателя загружена</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Страница статьи загружена</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Не удалось прочитать данные из сети</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Ненужные сетевые данные отброшены</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Сбой подключения</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Истекло время ожидания передачи данных</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Сетевая операция отменена</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Ошибка прокси-сервера</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Нет доступа к удалённому содержимому</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Сетевая операция не выполнена</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Подключение к сети... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Не удалось подключиться к сети</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Получено байт: %1</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>Язык исходной статьи совпадает с языком перевода.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Не удаётся запустить почтовую программу по умолчанию.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Настройка содержимого</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Настройка языков</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Настройка параметров</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Настройки проверки обновлений</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Настройки прокси</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Указатель сайтов</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Указатель страниц</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Перевод</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Исходная статья</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Использование</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Использовать</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Отправить по почте</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>ПЕРЕВЕДЁННАЯ СТАТЬЯ:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>ИСХОДНАЯ СТАТЬЯ:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>КОНЕЦ СТАТЬИ.
Статья опубликована: %1.
Это сообщение экспортировано программой Tessolin. Скачать её бесплатно можно на сайте tessolin.net.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Статья опубликована: %1. &lt;br&gt;Документ напечатан программой &lt;b&gt;Tessolin&lt;/b&gt;. Скачать её бесплатно можно на сайте tessolin.net.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Статья опубликована по адресу &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;Этот PDF-файл экспортирован программой &lt;b&gt;Tessolin&lt;/b&gt;. Скачать её бесплатно можно на сайте &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt;.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Ни одна система перевода не поддерживает эту языковую пару</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>Служба перевода по адресу %1 недоступна. До следующего запуска программы переводы больше не запрашиваются.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Некоторые фрагменты не переведены</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Настройки прокси</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Без прокси (прямое подключение к Интернету)</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP-прокси</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>SOCKS5-прокси</translation>
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
        <translation>Пользователь</translation>
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
        <translation>Настройки невозможно сохранить: запись в %1 невозможна. Выбранное сейчас будет потеряно при закрытии программы.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Не удалось загрузить стиль интерфейса</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Не удалось загрузить основной модуль</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Не удалось загрузить диалоговые окна</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Не удалось загрузить диспетчер версий</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Не удалось загрузить главное окно</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>Не удалось загрузить указатель сайтов</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>Не удалось загрузить модуль перевода</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>Не удалось загрузить фильтры</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>Не удалось загрузить языковые ресурсы</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>Не удалось загрузить профилей: %1</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Подтверждение загрузки обновлений</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>В дальнейшем загружать автоматически.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>Доступны обновления для веб-сайтов (%1), объём загрузки — %2 КБ. Обновить сейчас?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Настройки обновления</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Подтверждение загрузки новой версии</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Напомнить через неделю</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>Доступна новая версия программы (%1), размер файла — %2 МБ. Её можно загрузить с помощью текущей программы или с веб-сайта </translation>
    </message>
</context>
</TS>