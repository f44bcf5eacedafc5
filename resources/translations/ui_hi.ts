<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="hi">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Tessolin के बारे में</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>आइकन: KDE का Breeze और GNOME प्रोजेक्ट का Adwaita (LGPL 3); झंडे: iso-flags-svg (सार्वजनिक डोमेन)।</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>कभी नहीं</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>पिछली अपडेट जाँच: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>डाउनलोड पूरा हुआ</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>सॉफ़्टवेयर के नए संस्करण का डाउनलोड पूरा हो गया है। इंस्टॉलर फ़ाइल यहाँ है: %1। कृपया वर्तमान संस्करण को मैन्युअल रूप से अनइंस्टॉल करें और नया संस्करण इंस्टॉल करें।</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>जाँच की आवृत्ति</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>सॉफ़्टवेयर शुरू होने पर</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>हर बार सॉफ़्टवेयर शुरू होने पर अपडेट की जाँच करें</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>दैनिक</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>पिछली जाँच को एक दिन से अधिक हो जाने पर, सॉफ़्टवेयर शुरू होते समय अपडेट की जाँच करें</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>साप्ताहिक</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>पिछली जाँच को एक सप्ताह से अधिक हो जाने पर, सॉफ़्टवेयर शुरू होते समय अपडेट की जाँच करें</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>मासिक</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>पिछली जाँच को एक महीने से अधिक हो जाने पर, सॉफ़्टवेयर शुरू होते समय अपडेट की जाँच करें</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>डाउनलोड सूचना</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>पुष्टि के लिए पूछें।</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>जब भी अपडेट उपलब्ध हों, डाउनलोड की पुष्टि के लिए पूछें</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>स्वचालित रूप से डाउनलोड करें।</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>पुष्टि पूछे बिना अपडेट स्वचालित रूप से डाउनलोड करें</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Tessolin कॉन्फ़िगरेशन</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>पिछला पृष्ठ</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>अगला पृष्ठ</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>इस लेख के चित्र जो नहीं दिखाए गए: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>पूर्वनिर्धारित</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>कस्टम</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>फ़िल्टर सेटिंग्स "%1" में सहेजी नहीं जा सकीं।</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>फ़िल्टर फ़ाइल "%1" पढ़ी नहीं जा सकी, इसलिए उसे अपरिवर्तित छोड़ दिया गया है।</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>फ़िल्टर कॉन्फ़िगरेशन</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>साइट चयन</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>विषय चयन</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>कीवर्ड फ़िल्टर</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>साइट अनुक्रमणिका में साइटों की दृश्यता सेट करें</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>पृष्ठ अनुक्रमणिका में विषयों की दृश्यता सेट करें</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>कीवर्ड के आधार पर पृष्ठ अनुक्रमणिका में समाचार प्रविष्टियाँ छिपाएँ</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>श्रेणी</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>भाषा</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>देश/क्षेत्र</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>विषय</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>पैकेज</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>साइट सूची:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>विषय सूची:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>कीवर्ड पैकेज:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>कस्टम कीवर्ड:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>जोड़ें</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>साफ़ करें</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>भाषा कॉन्फ़िगरेशन</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>भाषाएँ</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>सॉफ़्टवेयर इंटरफ़ेस</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>अनुवाद की भाषा</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>अनुवाद इंजन</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>मेनू टेक्स्ट और वेबसाइटों के नाम दिखाने के लिए भाषा चुनें।</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>वह भाषा चुनें जिसमें मूल वेब पृष्ठों का अनुवाद किया जाए।</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>अनुवाद इंजनों के उपयोग की प्राथमिकता सेट करें</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>स्वचालित अनुवाद</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>डार्क थीम</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>मूल वेब पृष्ठों का अनुवाद स्वचालित रूप से या मैन्युअल रूप से करें</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>ऊपर</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>नीचे</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>अरबी</translation>
    </message>
    <message>
        <source>German</source>
        <translation>जर्मन</translation>
    </message>
    <message>
        <source>English</source>
        <translation>अंग्रेज़ी</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>स्पेनिश</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>फ़ारसी</translation>
    </message>
    <message>
        <source>French</source>
        <translation>फ़्रेंच</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>हिन्दी</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>इंडोनेशियाई</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>इतालवी</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>हिब्रू</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>जापानी</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>कोरियाई</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>पोलिश</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>पुर्तगाली</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>रोमानियाई</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>रूसी</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>तुर्की</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>यूक्रेनियाई</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>वियतनामी</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>सरलीकृत चीनी</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>पारंपरिक चीनी</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>यूएई</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>अर्जेंटीना</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>ऑस्ट्रेलिया</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>बहरीन</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>ब्राज़ील</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>कनाडा</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>चिली</translation>
    </message>
    <message>
        <source>China</source>
        <translation>चीन</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>क्यूबा</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>जर्मनी</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>मिस्र</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>स्पेन</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>फ़्रांस</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>इंडोनेशिया</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>इज़राइल</translation>
    </message>
    <message>
        <source>India</source>
        <translation>भारत</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>इटली</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>ईरान</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>जापान</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>केन्या</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>उत्तर कोरिया</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>दक्षिण कोरिया</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>मेक्सिको</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>मलेशिया</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>फ़िलीपींस</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>पोलैंड</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>पाकिस्तान</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>रोमानिया</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>रूस</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>सऊदी अरब</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>सिंगापुर</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>थाईलैंड</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>तुर्किये</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>ताइवान</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>यूक्रेन</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>यूके</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>अमेरिका</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>वियतनाम</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>दक्षिण अफ़्रीका</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>सामान्य समाचार</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>पूर्वनिर्धारित</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>कस्टम</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>प्रारंभिक कॉन्फ़िगरेशन</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>भाषा सेटिंग्स</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>संस्करण जाँच सेटिंग्स</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>सॉफ़्टवेयर इंटरफ़ेस</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>अनुवाद की भाषा</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>मेनू टेक्स्ट और वेबसाइटों के नाम दिखाने के लिए भाषा चुनें।</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>वह भाषा चुनें जिसमें मूल वेब पृष्ठों का अनुवाद किया जाए।</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>अनुवाद के लिए apertium-apy पैकेज और apertium-eng-spa जैसा कोई भाषा-युग्म पैकेज आवश्यक है; कृपया इन्हें इंस्टॉल करें और फिर से अनुवाद करें</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>अधिकतम करें</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>अपडेट सेवाओं तक नहीं पहुँचा जा सका</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>छवि लोड हुई</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>पृष्ठ पार्स करने में त्रुटि</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>इस पृष्ठ में कुछ भी उपयोगी नहीं मिला: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>प्रोफ़ाइल अपडेट की जाँच हो रही है...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>अनुक्रमणिका पृष्ठ लोड हुआ</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>लेख पृष्ठ लोड हुआ</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>नेटवर्क से पढ़ने में विफल</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>अनावश्यक नेटवर्क डेटा हटाया गया</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>कनेक्शन विफल</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>डेटा स्थानांतरण का समय समाप्त</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>नेटवर्क कार्रवाई रद्द की गई</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>प्रॉक्सी त्रुटि</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>दूरस्थ सामग्री तक नहीं पहुँचा जा सकता</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>नेटवर्क कार्रवाई विफल</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>नेटवर्क से कनेक्ट हो रहा है... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>नेटवर्क से कनेक्ट नहीं हो सका</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1 बाइट प्राप्त हुए</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>मूल लेख की भाषा और अनुवाद की भाषा एक ही है।</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>सिस्टम का डिफ़ॉल्ट ईमेल प्रोग्राम शुरू नहीं किया जा सका।</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>सामग्री कॉन्फ़िगरेशन</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>भाषा कॉन्फ़िगरेशन</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>प्राथमिकताएँ कॉन्फ़िगरेशन</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>अपडेट जाँच सेटिंग्स</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>प्रॉक्सी सेटिंग्स</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>न्यूनतम करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>साइट अनुक्रमणिका</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>पृष्ठ अनुक्रमणिका</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>अनुवाद</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>मूल लेख</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>उपयोग</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>उपयोग करें</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>ईमेल से साझा करें</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>प्रिंट करें</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>अनूदित लेख:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>मूल लेख:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>लेख समाप्त।
यह लेख %1 पर प्रकाशित हुआ था।
यह संदेश Tessolin सॉफ़्टवेयर से निर्यात किया गया है। मुफ़्त डाउनलोड के लिए tessolin.net पर जाएँ।
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;यह लेख %1 पर प्रकाशित हुआ था। &lt;br&gt;यह दस्तावेज़ &lt;b&gt;Tessolin&lt;/b&gt; सॉफ़्टवेयर से प्रिंट किया गया है। मुफ़्त डाउनलोड के लिए tessolin.net पर जाएँ।&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;यह लेख &lt;a href='%1'&gt;%1&lt;/a&gt; पर प्रकाशित हुआ था। &lt;br&gt;यह PDF फ़ाइल &lt;b&gt;Tessolin&lt;/b&gt; सॉफ़्टवेयर से निर्यात की गई है। मुफ़्त डाउनलोड के लिए &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; पर जाएँ।&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>कोई भी अनुवाद इंजन इस भाषा युग्म का समर्थन नहीं करता</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>%1 पर अनुवाद इंजन तक नहीं पहुँचा जा सका। प्रोग्राम दोबारा शुरू होने तक और अनुवाद नहीं माँगे जाएँगे।</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>कुछ भागों का अनुवाद नहीं हुआ</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>प्रॉक्सी सेटिंग्स</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>कोई प्रॉक्सी नहीं (सीधा इंटरनेट एक्सेस)</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP प्रॉक्सी</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>SOCKS5 प्रॉक्सी</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>होस्ट</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>पोर्ट</translation>
    </message>
    <message>
        <source>User</source>
        <translation>उपयोगकर्ता</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>पासवर्ड</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>सेटिंग्स सहेजी नहीं जा सकतीं: %1 में लिखा नहीं जा सकता। अभी आप जो चुनेंगे, वह प्रोग्राम बंद होने पर खो जाएगा।</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>इंटरफ़ेस शैली लोड नहीं हो सकी</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>कोर मॉड्यूल लोड नहीं हो सका</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>संवाद लोड नहीं हो सके</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>संस्करण प्रबंधक लोड नहीं हो सका</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>मुख्य विंडो लोड नहीं हो सकी</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>साइट अनुक्रमणिका लोड नहीं हो सकी</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>अनुवादक लोड नहीं हो सका</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>फ़िल्टर लोड नहीं हो सके</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>भाषा संसाधन लोड नहीं हो सके</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>%1 प्रोफ़ाइल लोड नहीं हो सकीं</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>अपडेट डाउनलोड की पुष्टि</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>आगे से स्वचालित रूप से डाउनलोड करें।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>अभी नहीं</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>%1 वेबसाइटों के लिए अपडेट उपलब्ध हैं, डाउनलोड का आकार %2 KB है। क्या आप अभी अपडेट करना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>अपडेट सेटिंग्स</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>नए संस्करण के डाउनलोड की पुष्टि</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>एक सप्ताह बाद याद दिलाएँ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>डाउनलोड करें</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>अभी नहीं</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>सॉफ़्टवेयर का नया संस्करण (%1) उपलब्ध है, फ़ाइल का आकार %2 MB है। आप इसे वर्तमान सॉफ़्टवेयर से या इस वेबसाइट से डाउनलोड कर सकते हैं: </translation>
    </message>
</context>
</TS>