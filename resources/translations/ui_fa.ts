<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fa">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>درباره Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>نمادها: Breeze از KDE و Adwaita از پروژه GNOME (LGPL 3)؛ پرچم‌ها: iso-flags-svg (مالکیت عمومی).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>هرگز</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>آخرین بررسی به‌روزرسانی: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>بارگیری کامل شد</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>بارگیری ارتقای نرم‌افزار کامل شد. فایل نصب در %1 قرار دارد؛ لطفاً نسخه فعلی را به‌صورت دستی حذف و نسخه جدید را نصب کنید.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>تناوب بررسی</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>هنگام اجرای نرم‌افزار</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>بررسی به‌روزرسانی در هر بار اجرای نرم‌افزار</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>روزانه</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>بررسی به‌روزرسانی هنگام اجرای نرم‌افزار، اگر بیش از یک روز از آخرین بررسی گذشته باشد</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>هفتگی</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>بررسی به‌روزرسانی هنگام اجرای نرم‌افزار، اگر بیش از یک هفته از آخرین بررسی گذشته باشد</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>ماهانه</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>بررسی به‌روزرسانی هنگام اجرای نرم‌افزار، اگر بیش از یک ماه از آخرین بررسی گذشته باشد</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>اعلان بارگیری</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>درخواست تأیید.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>درخواست تأیید بارگیری هر بار که به‌روزرسانی در دسترس باشد</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>بارگیری خودکار.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>بارگیری خودکار به‌روزرسانی‌ها بدون درخواست تأیید</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>تنظیمات Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>صفحه قبل</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>صفحه بعد</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>تصاویر نمایش‌داده‌نشدهٔ این مقاله: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>از پیش تعریف‌شده</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>سفارشی</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>تنظیمات فیلتر در «%1» ذخیره نشد.</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>فایل فیلتر «%1» خوانده نمی‌شود، بنابراین بدون تغییر باقی ماند.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>تنظیمات فیلتر</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>انتخاب سایت</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>انتخاب موضوع</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>فیلترهای کلیدواژه</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>تنظیم نمایش سایت‌ها در فهرست سایت‌ها</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>تنظیم نمایش موضوع‌ها در فهرست صفحه</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>پنهان کردن خبرها در فهرست صفحه بر اساس کلیدواژه</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>دسته</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>زبان</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>کشور/منطقه</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>موضوع</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>نوع</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>بسته</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>فهرست سایت‌ها:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>فهرست موضوع‌ها:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>بسته‌های کلیدواژه:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>کلیدواژه‌های سفارشی:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>اعمال</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>پاک کردن</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>تنظیمات زبان</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>زبان‌ها</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>رابط نرم‌افزار</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>زبان مقصد ترجمه</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>موتورهای ترجمه</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>زبان نمایش متن منوها و نام وب‌سایت‌ها را انتخاب کنید.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>زبانی را که صفحات وب اصلی به آن ترجمه می‌شوند انتخاب کنید.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>تعیین اولویت استفاده از موتورهای ترجمه</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>ترجمه خودکار</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>پوسته تیره</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>ترجمه خودکار یا دستی صفحات وب اصلی</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>بالا</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>پایین</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>عربی</translation>
    </message>
    <message>
        <source>German</source>
        <translation>آلمانی</translation>
    </message>
    <message>
        <source>English</source>
        <translation>انگلیسی</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>اسپانیایی</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>فارسی</translation>
    </message>
    <message>
        <source>French</source>
        <translation>فرانسوی</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>هندی</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>اندونزیایی</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>ایتالیایی</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>عبری</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>ژاپنی</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>کره‌ای</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>لهستانی</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>پرتغالی</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>رومانیایی</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>روسی</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>ترکی</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>اوکراینی</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>ویتنامی</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>چینی ساده‌شده</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>چینی سنتی</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>امارات</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>آرژانتین</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>استرالیا</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>بحرین</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>برزیل</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>کانادا</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>شیلی</translation>
    </message>
    <message>
        <source>China</source>
        <translation>چین</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>کوبا</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>آلمان</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>مصر</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>اسپانیا</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>فرانسه</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>اندونزی</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>اسرائیل</translation>
    </message>
    <message>
        <source>India</source>
        <translation>هند</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>ایتالیا</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>ایران</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>ژاپن</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>کنیا</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>کره شمالی</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>کره جنوبی</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>مکزیک</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>مالزی</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>فیلیپین</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>لهستان</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>پاکستان</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>رومانی</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>روسیه</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>عربستان سعودی</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>سنگاپور</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>تایلند</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>ترکیه</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>تایوان</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>اوکراین</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>بریتانیا</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>آمریکا</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>ویتنام</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>آفریقای جنوبی</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>اخبار عمومی</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>از پیش تعریف‌شده</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>سفارشی</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>تنظیمات اولیه</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>تنظیمات زبان</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>تنظیمات بررسی نسخه</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>رابط کاربری نرم‌افزار</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>زبان مقصد ترجمه</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>زبان نمایش متن منوها و نام وب‌سایت‌ها را انتخاب کنید.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>زبانی را که صفحات وب اصلی به آن ترجمه می‌شوند انتخاب کنید.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>ترجمه به بسته apertium-apy و یک بسته جفت‌زبان مانند apertium-eng-spa نیاز دارد؛ لطفاً آن‌ها را نصب کنید و دوباره ترجمه کنید</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>بازگرداندن اندازه</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>بزرگ کردن</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>دسترسی به سرویس‌های به‌روزرسانی ممکن نیست</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>تصویر بارگذاری شد</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>خطا در تجزیه صفحه</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>چیز قابل استفاده‌ای در این صفحه پیدا نشد: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>در حال بررسی به‌روزرسانی نمایه‌ها...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>صفحه فهرست بارگذاری شد</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>صفحه مقاله بارگذاری شد</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>خواندن از شبکه ناموفق بود</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>دور ریختن داده‌های بی‌فایده شبکه</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>اتصال ناموفق</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>مهلت انتقال داده به پایان رسید</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>عملیات شبکه لغو شد</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>خطای پراکسی</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>دسترسی به محتوای راه دور ممکن نیست</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>عملیات شبکه ناموفق بود</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>در حال اتصال به شبکه... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>اتصال به شبکه ناموفق بود</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 بایت دریافت شد</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>زبان مقاله اصلی با زبان مقصد ترجمه یکسان است.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>اجرای برنامه پیش‌فرض ایمیل سیستم ممکن نیست.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>تنظیمات محتوا</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>تنظیمات زبان</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>ترجیحات</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>تنظیمات بررسی به‌روزرسانی</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>تنظیمات پراکسی</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>راهنما</translation>
    </message>
    <message>
        <source>About</source>
        <translation>درباره</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>کوچک کردن</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>بستن</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>فهرست سایت‌ها</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>فهرست صفحه</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>ترجمه</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>مقاله اصلی</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>استفاده</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>استفاده</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>اشتراک‌گذاری با ایمیل</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>چاپ</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>ذخیره به‌صورت PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>مقاله ترجمه‌شده:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>مقاله اصلی:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>پایان مقاله.
این مقاله در %1 منتشر شده است.
این پیام با نرم‌افزار Tessolin صادر شده است؛ برای بارگیری رایگان به tessolin.net مراجعه کنید.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;این مقاله در %1 منتشر شده است. &lt;br&gt;این برگه با نرم‌افزار &lt;b&gt;Tessolin&lt;/b&gt; چاپ شده است؛ برای بارگیری رایگان به tessolin.net مراجعه کنید.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;این مقاله در &lt;a href='%1'&gt;%1&lt;/a&gt; منتشر شده است. &lt;br&gt;این فایل PDF با نرم‌افزار &lt;b&gt;Tessolin&lt;/b&gt; صادر شده است؛ برای بارگیری رایگان به &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; مراجعه کنید.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>هیچ موتور ترجمه‌ای از این جفت زبان پشتیبانی نمی‌کند</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>دسترسی به موتور ترجمه در %1 ممکن نشد. تا اجرای دوباره برنامه ترجمه دیگری درخواست نمی‌شود.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>برخی بخش‌ها ترجمه نشدند</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>تنظیمات پراکسی</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>بدون پراکسی (دسترسی مستقیم به اینترنت)</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>پراکسی HTTP</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>پراکسی SOCKS5</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>میزبان</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>درگاه</translation>
    </message>
    <message>
        <source>User</source>
        <translation>کاربر</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>گذرواژه</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>تنظیمات ذخیره نمی‌شوند: نوشتن در %1 ممکن نیست. آنچه اکنون انتخاب می‌کنید با بستن برنامه از دست می‌رود.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>بارگذاری سبک رابط کاربری ناموفق بود</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>بارگذاری ماژول اصلی ناموفق بود</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>بارگذاری کادر گفتگو ناموفق بود</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>بارگذاری مدیر نسخه ناموفق بود</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>بارگذاری پنجره اصلی ناموفق بود</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>بارگذاری فهرست سایت‌ها ناموفق بود</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>بارگذاری مترجم ناموفق بود</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>بارگذاری فیلترها ناموفق بود</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>بارگذاری منابع زبان ناموفق بود</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>بارگذاری %1 نمایه ناموفق بود</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>تأیید بارگیری به‌روزرسانی</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>از این پس به‌صورت خودکار بارگیری شود.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>فعلاً نه</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>برای %1 وب‌سایت به‌روزرسانی در دسترس است؛ حجم بارگیری %2 KB است. آیا می‌خواهید اکنون به‌روزرسانی کنید؟</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>تنظیمات به‌روزرسانی</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>تأیید بارگیری ارتقا</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>یک هفته دیگر یادآوری کن</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>بارگیری</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>فعلاً نه</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>نسخه جدیدی (%1) از نرم‌افزار در دسترس است؛ حجم فایل %2 MB است. می‌توانید با نرم‌افزار فعلی بارگیری کنید یا از وب‌سایت زیر بارگیری کنید: </translation>
    </message>
</context>
</TS>