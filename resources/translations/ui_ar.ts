<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ar">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>حول Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>الأيقونات: Breeze من KDE وAdwaita من مشروع GNOME (بترخيص LGPL 3)؛ الأعلام: iso-flags-svg (ملكية عامة).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>لم يتم بعد</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>آخر تحقق من التحديثات: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>اكتمل التنزيل</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>اكتمل تنزيل ترقية البرنامج. ملف التثبيت موجود في %1، يُرجى إلغاء تثبيت الإصدار الحالي يدويًا ثم تثبيت الإصدار الجديد.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>تكرار التحقق</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>عند بدء تشغيل البرنامج</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>التحقق من التحديثات في كل مرة يبدأ فيها تشغيل البرنامج</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>يوميًا</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>التحقق من التحديثات عند بدء تشغيل البرنامج إذا مرّ أكثر من يوم على آخر تحقق</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>أسبوعيًا</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>التحقق من التحديثات عند بدء تشغيل البرنامج إذا مرّ أكثر من أسبوع على آخر تحقق</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>شهريًا</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>التحقق من التحديثات عند بدء تشغيل البرنامج إذا مرّ أكثر من شهر على آخر تحقق</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>إشعار التنزيل</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>طلب التأكيد.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>طلب تأكيد التنزيل في كل مرة تتوفر فيها تحديثات</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>التنزيل تلقائيًا.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>تنزيل التحديثات تلقائيًا دون طلب تأكيد</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>إعدادات Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>الصفحة السابقة</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>الصفحة التالية</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>صور من هذا المقال لم تُعرض: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>محدد مسبقًا</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>تعذّر حفظ إعدادات التصفية في "%1".</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>تعذّرت قراءة ملف التصفية "%1"، لذا تُرك دون تغيير.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>إعدادات التصفية</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>اختيار المواقع</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>اختيار المواضيع</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>مرشحات الكلمات المفتاحية</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>تحديد ظهور المواقع في فهرس المواقع</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>تحديد ظهور المواضيع في فهرس الصفحة</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>إخفاء الأخبار في فهرس الصفحة حسب الكلمات المفتاحية</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>البلد/المنطقة</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>الموضوع</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>الحزمة</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>قائمة المواقع:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>قائمة المواضيع:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>حزم الكلمات المفتاحية:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>تخصيص الكلمات المفتاحية:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>إعدادات اللغة</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>اللغات</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>واجهة البرنامج</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>لغة الترجمة الهدف</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>محركات الترجمة</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>اختر اللغة التي تُعرض بها نصوص القوائم وأسماء المواقع.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>اختر اللغة التي تُترجم إليها صفحات الويب الأصلية.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>تحديد أولوية استخدام محركات الترجمة</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>الترجمة التلقائية</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>السمة الداكنة</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>ترجمة صفحات الويب الأصلية تلقائيًا أو يدويًا</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>لأعلى</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>لأسفل</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>German</source>
        <translation>الألمانية</translation>
    </message>
    <message>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>الإسبانية</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>الفارسية</translation>
    </message>
    <message>
        <source>French</source>
        <translation>الفرنسية</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>الهندية</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>الإندونيسية</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>الإيطالية</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>العبرية</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>اليابانية</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>الكورية</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>البولندية</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>البرتغالية</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>الرومانية</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>الروسية</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>التركية</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>الأوكرانية</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>الفيتنامية</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>الصينية المبسطة</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>الصينية التقليدية</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>الإمارات</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>الأرجنتين</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>أستراليا</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>البحرين</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>البرازيل</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>كندا</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>تشيلي</translation>
    </message>
    <message>
        <source>China</source>
        <translation>الصين</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>كوبا</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>ألمانيا</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>مصر</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>إسبانيا</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>فرنسا</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>إندونيسيا</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>إسرائيل</translation>
    </message>
    <message>
        <source>India</source>
        <translation>الهند</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>إيطاليا</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>إيران</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>اليابان</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>كينيا</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>كوريا الشمالية</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>كوريا الجنوبية</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>المكسيك</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>ماليزيا</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>الفلبين</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>بولندا</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>باكستان</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>رومانيا</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>روسيا</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>السعودية</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>سنغافورة</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>تايلاند</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>تركيا</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>تايوان</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>أوكرانيا</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>المملكة المتحدة</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>الولايات المتحدة</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>فيتنام</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>جنوب أفريقيا</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>أخبار عامة</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>محدد مسبقًا</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>مخصص</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>الإعدادات الأولية</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>إعدادات اللغة</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>إعدادات التحقق من الإصدار</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>واجهة البرنامج</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>لغة الترجمة الهدف</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>اختر اللغة التي تُعرض بها نصوص القوائم وأسماء المواقع.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>اختر اللغة التي تُترجم إليها صفحات الويب الأصلية.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>تتطلب الترجمة الحزمة apertium-apy وحزمة زوج لغات مثل apertium-eng-spa؛ يُرجى تثبيتهما ثم إعادة الترجمة</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>استعادة الحجم</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>تعذّر الوصول إلى خدمات التحديث</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>تم تحميل الصورة</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>خطأ في تحليل الصفحة</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>لم يُعثر على شيء مفيد في هذه الصفحة: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>جارٍ البحث عن تحديثات الملفات التعريفية...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>تم تحميل صفحة الفهرس</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>تم تحميل صفحة المقال</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>فشلت القراءة من الشبكة</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>تجاهل بيانات الشبكة غير المفيدة</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>فشل الاتصال</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>انتهت مهلة نقل البيانات</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>أُلغيت عملية الشبكة</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>خطأ في الوكيل</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>تعذّر الوصول إلى المحتوى البعيد</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>فشلت عملية الشبكة</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>جارٍ الاتصال بالشبكة... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>فشل الاتصال بالشبكة</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>تم استلام %1 بايت</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>لغة المقال الأصلي هي نفسها لغة الترجمة الهدف.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>تعذّر تشغيل برنامج البريد الإلكتروني الافتراضي في النظام.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>إعدادات المحتوى</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>إعدادات اللغة</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>التفضيلات</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>إعدادات التحقق من التحديثات</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>إعدادات الوكيل</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>فهرس المواقع</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>فهرس الصفحة</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>الترجمة</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>المقال الأصلي</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>استخدام</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>استخدام</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>مشاركة عبر البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>حفظ بصيغة PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>المقال المترجم:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>المقال الأصلي:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>نهاية المقال.
نُشر هذا المقال في %1.
صُدّرت هذه الرسالة بواسطة برنامج Tessolin، تفضّل بزيارة tessolin.net لتنزيله مجانًا.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;نُشر هذا المقال في %1. &lt;br&gt;طُبعت هذه الورقة بواسطة برنامج &lt;b&gt;Tessolin&lt;/b&gt;، تفضّل بزيارة tessolin.net لتنزيله مجانًا.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;نُشر هذا المقال في &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;صُدّر ملف PDF هذا بواسطة برنامج &lt;b&gt;Tessolin&lt;/b&gt;، تفضّل بزيارة &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; لتنزيله مجانًا.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>لا يوجد محرك ترجمة يدعم هذا الزوج من اللغات</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>تعذّر الوصول إلى محرك الترجمة على %1. لن تُطلب ترجمات أخرى حتى يُعاد تشغيل البرنامج.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>لم تُترجم بعض الأجزاء</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>إعدادات الوكيل</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>بدون وكيل (اتصال مباشر بالإنترنت)</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>وكيل HTTP</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>وكيل SOCKS5</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>المضيف</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>المنفذ</translation>
    </message>
    <message>
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>لا يمكن حفظ الإعدادات: لا يمكن الكتابة في %1. ما تختاره الآن سيُفقد عند إغلاق البرنامج.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>فشل تحميل نمط الواجهة</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>فشل تحميل الوحدة الأساسية</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>فشل تحميل مربع الحوار</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>فشل تحميل مدير الإصدارات</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>فشل تحميل النافذة الرئيسية</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>فشل تحميل فهرس المواقع</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>فشل تحميل المترجم</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>فشل تحميل المرشحات</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>فشل تحميل موارد اللغة</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>تعذّر تحميل %1 من ملفات التعريف</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>تأكيد تنزيل التحديثات</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>التنزيل تلقائيًا في المستقبل.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>ليس الآن</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>تتوفر تحديثات لـ %1 من مواقع الويب، وحجم التنزيل %2 كيلوبايت. هل تريد التحديث الآن؟</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>إعدادات التحديث</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>تأكيد تنزيل الترقية</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>ذكّرني بعد أسبوع</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>ليس الآن</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>يتوفر إصدار جديد (%1) من البرنامج، وحجم الملف %2 ميغابايت. يمكنك التنزيل باستخدام البرنامج الحالي أو التنزيل من الموقع </translation>
    </message>
</context>
</TS>