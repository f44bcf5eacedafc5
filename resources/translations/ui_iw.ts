<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="iw">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>אודות Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>סמלים: Breeze מאת KDE ו-Adwaita מאת מיזם GNOME (LGPL 3); דגלים: iso-flags-svg (נחלת הכלל).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>אף פעם</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>בדיקת עדכונים אחרונה: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>ההורדה הושלמה</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>הורדת שדרוג התוכנה הושלמה. קובץ ההתקנה נמצא ב-%1, יש להסיר ידנית את הגרסה הנוכחית ולהתקין את הגרסה החדשה.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>תדירות בדיקה</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>בהפעלת התוכנה</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>בדיקת עדכונים בכל הפעלה של התוכנה</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>יומי</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>בדיקת עדכונים בהפעלת התוכנה אם עבר יותר מיום מאז הבדיקה האחרונה</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>שבועי</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>בדיקת עדכונים בהפעלת התוכנה אם עבר יותר משבוע מאז הבדיקה האחרונה</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>חודשי</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>בדיקת עדכונים בהפעלת התוכנה אם עבר יותר מחודש מאז הבדיקה האחרונה</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>התראת הורדה</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>בקשת אישור.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>בקשת אישור להורדה בכל פעם שיש עדכונים זמינים</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>הורדה אוטומטית.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>הורדת העדכונים באופן אוטומטי ללא בקשת אישור</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>הגדרות Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>העמוד הקודם</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>העמוד הבא</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>תמונות מכתבה זו שלא הוצגו: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>מוגדר מראש</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>מותאם אישית</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>לא ניתן היה לשמור את הגדרות הסינון ב-"%1".</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>לא ניתן לקרוא את קובץ הסינון "%1", ולכן הוא נותר ללא שינוי.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>הגדרות סינון</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>בחירת אתרים</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>בחירת נושאים</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>מסנני מילות מפתח</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>הגדרת הנראות של אתרים באינדקס האתרים</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>הגדרת הנראות של נושאים באינדקס העמוד</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>הסתרת ידיעות באינדקס העמוד לפי מילות מפתח</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>קטגוריה</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>שפה</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>מדינה/אזור</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>נושא</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>סוג</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>חבילה</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>רשימת אתרים:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>רשימת נושאים:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>חבילות מילות מפתח:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>התאמה אישית של מילות מפתח:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>הוספה</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>הסרה</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>החלה</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ניקוי</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>הגדרות שפה</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>שפות</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>ממשק התוכנה</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>שפת היעד לתרגום</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>מנועי תרגום</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>בחרו את השפה שבה יוצגו טקסט התפריטים ושמות האתרים.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>בחרו את השפה שאליה יתורגמו דפי האינטרנט המקוריים.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>הגדרת סדר העדיפות לשימוש במנועי התרגום</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>תרגום אוטומטי</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>ערכת נושא כהה</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>תרגום דפי האינטרנט המקוריים באופן אוטומטי או ידני</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>למעלה</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>למטה</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>ערבית</translation>
    </message>
    <message>
        <source>German</source>
        <translation>גרמנית</translation>
    </message>
    <message>
        <source>English</source>
        <translation>אנגלית</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>ספרדית</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>פרסית</translation>
    </message>
    <message>
        <source>French</source>
        <translation>צרפתית</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>הינדי</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>אינדונזית</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>איטלקית</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>עברית</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>יפנית</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>קוריאנית</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>פולנית</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>פורטוגזית</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>רומנית</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>רוסית</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>טורקית</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>אוקראינית</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>וייטנאמית</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>סינית מפושטת</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>סינית מסורתית</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>איחוד האמירויות</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>ארגנטינה</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>אוסטרליה</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>בחריין</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>ברזיל</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>קנדה</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>צ'ילה</translation>
    </message>
    <message>
        <source>China</source>
        <translation>סין</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>קובה</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>גרמניה</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>מצרים</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>ספרד</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>צרפת</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>אינדונזיה</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>ישראל</translation>
    </message>
    <message>
        <source>India</source>
        <translation>הודו</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>איטליה</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>איראן</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>יפן</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>קניה</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>קוריאה הצפונית</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>קוריאה הדרומית</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>מקסיקו</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>מלזיה</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>הפיליפינים</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>פולין</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>פקיסטן</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>רומניה</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>רוסיה</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>ערב הסעודית</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>סינגפור</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>תאילנד</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>טורקיה</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>טייוואן</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>אוקראינה</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>בריטניה</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>ארצות הברית</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>וייטנאם</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>דרום אפריקה</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>חדשות כלליות</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>מוגדר מראש</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>מותאם אישית</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>הגדרות ראשוניות</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>הגדרות שפה</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>הגדרות בדיקת גרסה</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>ממשק התוכנה</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>שפת היעד לתרגום</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>בחרו את השפה שבה יוצגו טקסט התפריטים ושמות האתרים.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>בחרו את השפה שאליה יתורגמו דפי האינטרנט המקוריים.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>התרגום דורש את החבילה apertium-apy וחבילת צמד שפות כגון apertium-eng-spa; יש להתקין אותן ולתרגם שוב</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>שחזור גודל</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>הגדלה</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>אין גישה לשירותי העדכון</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>התמונה נטענה</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>שגיאה בניתוח העמוד</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>לא נמצא דבר שמיש בדף זה: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>בודק עדכונים לפרופילים...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>עמוד האינדקס נטען</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>עמוד המאמר נטען</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>הקריאה מהרשת נכשלה</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>השלכת נתוני רשת מיותרים</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>כשל בחיבור</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>תם הזמן הקצוב להעברת נתונים</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>פעולת הרשת בוטלה</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>שגיאת פרוקסי</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>אין גישה לתוכן המרוחק</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>פעולת הרשת נכשלה</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>מתחבר לרשת... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>ההתחברות לרשת נכשלה</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>התקבלו %1 בתים</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>שפת המאמר המקורי זהה לשפת היעד של התרגום.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>לא ניתן להפעיל את תוכנת הדוא"ל המוגדרת כברירת מחדל במערכת.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>הגדרות תוכן</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>הגדרות שפה</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>העדפות</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>הגדרות בדיקת עדכונים</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>הגדרות פרוקסי</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>מזעור</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>אינדקס אתרים</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>אינדקס העמוד</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>תרגום</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>המאמר המקורי</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>שימוש</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>שימוש</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>שיתוף בדוא"ל</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>שמירה כ-PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>המאמר המתורגם:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>המאמר המקורי:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>סוף המאמר.
המאמר פורסם ב-%1.
הודעה זו יוצאה באמצעות התוכנה Tessolin, בקרו ב-tessolin.net להורדה חינם.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;המאמר פורסם ב-%1. &lt;br&gt;מסמך זה הודפס באמצעות התוכנה &lt;b&gt;Tessolin&lt;/b&gt;, בקרו ב-tessolin.net להורדה חינם.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;המאמר פורסם ב-&lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;קובץ PDF זה יוצא באמצעות התוכנה &lt;b&gt;Tessolin&lt;/b&gt;, בקרו ב-&lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; להורדה חינם.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>אין מנוע תרגום שתומך בצמד השפות הזה</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>לא ניתן להתחבר למנוע התרגום בכתובת %1. לא יישלחו בקשות תרגום נוספות עד להפעלה מחדש של התוכנה.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>חלקים מסוימים לא תורגמו</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>הגדרות פרוקסי</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>ללא פרוקסי (גישה ישירה לאינטרנט)</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>פרוקסי HTTP</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>פרוקסי SOCKS5</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>מארח</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>פורט</translation>
    </message>
    <message>
        <source>User</source>
        <translation>משתמש</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>סיסמה</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>לא ניתן לשמור את ההגדרות: לא ניתן לכתוב אל %1. מה שתבחרו עכשיו יאבד עם סגירת התוכנה.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>טעינת סגנון הממשק נכשלה</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>טעינת מודול הליבה נכשלה</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>טעינת תיבת הדו-שיח נכשלה</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>טעינת מנהל הגרסאות נכשלה</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>טעינת החלון הראשי נכשלה</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>טעינת אינדקס האתרים נכשלה</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>טעינת המתרגם נכשלה</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>טעינת המסננים נכשלה</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>טעינת משאבי השפה נכשלה</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>טעינת %1 פרופילים נכשלה</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>אישור הורדת עדכונים</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>הורדה אוטומטית מעתה והלאה.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>לא עכשיו</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>קיימים עדכונים עבור %1 אתרים, גודל ההורדה הוא %2 KB. לעדכן עכשיו?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>הגדרות עדכון</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>אישור הורדת שדרוג</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>הזכר לי בעוד שבוע</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>הורדה</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>לא עכשיו</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>גרסה חדשה (%1) של התוכנה זמינה, גודל הקובץ הוא %2MB. ניתן להוריד באמצעות התוכנה הנוכחית או להוריד מהאתר </translation>
    </message>
</context>
</TS>