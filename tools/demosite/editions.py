# -*- coding: utf-8 -*-
"""The stories of the demo site. All of them are invented for the demo: the
towns, people and events do not exist."""

EDITION_LINKS = [("en", "English"), ("de", "Deutsch"), ("ar", "العربية"), ("zh", "中文")]

EN = {
    "dir": "en", "lang": "en", "charset": "utf-8", "rtl": False,
    "paper": "The Lantern Gazette",
    "motto": "News from Brackwater and the northern valley",
    "footer": "Every story on this site is invented to demonstrate Tessolin. Brackwater does not exist.",
    "help": "About this demo site",
    "prev": "Previous page", "next": "Next page",
    "topics": [
        {"id": "top", "name": "Top stories", "articles": ["harbour-library", "night-trains"]},
        {"id": "science", "name": "Science and nature", "articles": ["dragonflies"],
         "sub": [{"id": "space", "name": "Sky watch", "articles": ["comet-tail"]}]},
        {"id": "culture", "name": "Culture", "articles": ["bakery-choir", "lifeboat-lottery"]},
        {"id": "about", "name": "About this site", "articles": ["about-demo"]},
    ],
    "articles": {
        "harbour-library": {
            "title": "Brackwater opens a floating library for the winter",
            "teaser": "An old ferry now lends books at the east pier.",
            "author": "By Mira Holloway, harbour reporter",
            "date": "2026-11-28 09:40",
            "pictures": [("harbour-library", "The ferry Wren at the east pier, now painted red."),
                         ("harbour-shelves", "Shelves fill the former passenger deck."),
                         ("harbour-night", "The reading room stays lit until nine.")],
            "pages": [
                ["The ferry Wren, which carried passengers across Brackwater bay for forty years, "
                 "opened on Saturday as the town's first floating library.",
                 "The council bought the retired boat for a symbolic price last spring. Volunteers "
                 "stripped the benches from the passenger deck, sanded the floors and built shelves "
                 "from the timber of the old ticket hall.",
                 "\"We wanted a place that feels like a journey, even when it does not move,\" said "
                 "Ada Finch, who chairs the library group."],
                ["Around six thousand books are on board, most of them donated by residents. The "
                 "lower deck holds the children's corner, where the old engine room telegraph now "
                 "signals the start of story hour.",
                 "Borrowing is free with a town card. Visitors from elsewhere can read on board "
                 "and may take one book home if they leave another in its place.",
                 "The harbour master has moored the Wren at the east pier, where the water stays "
                 "calm even in the autumn gales."],
                ["The library is open every day from ten in the morning until nine in the "
                 "evening during the winter. In spring the group hopes to sail the Wren along the "
                 "coast and visit the villages that have no library of their own.",
                 "Heating remains the greatest worry. The volunteers have fitted a small wood "
                 "stove and are collecting blankets for the reading room.",
                 "\"If it gets cold, people can borrow a blanket as well as a book,\" Finch said."],
            ],
        },
        "night-trains": {
            "title": "Night trains return to the northern valley line",
            "teaser": "Sleeper carriages run again after eleven years.",
            "author": "By Tomas Reed",
            "date": "2026-11-27 18:05",
            "pictures": [("night-train", "A test run of the sleeper train above Millford.")],
            "text": [
                "For the first time in eleven years, a sleeper train will leave Brackwater station "
                "every evening at ten and reach the mountain town of Millford before breakfast.",
                "The regional rail company restored four carriages that had stood in a depot since "
                "the service was cut. Each has twelve compartments with two beds and a washbasin.",
                "Tickets go on sale next week. A bed costs about the same as a night in a small "
                "hotel, and cyclists may bring their bicycles in the luggage van.",
                "Residents of the valley had collected signatures for years. \"The road is closed "
                "by snow for weeks every winter,\" said the mayor of Millford. \"The train is our "
                "lifeline.\"",
            ],
        },
        "dragonflies": {
            "title": "Volunteers count a record number of dragonflies",
            "teaser": "Restored ponds draw twenty-two species.",
            "author": "By Leena Marsh, nature desk",
            "date": "2026-11-25 12:30",
            "pictures": [("dragonflies", "Two of the species counted at the Reedmoor ponds.")],
            "text": [
                "Volunteers counted twenty-two species of dragonfly and damselfly at the Reedmoor "
                "ponds this year, more than ever recorded there.",
                "The ponds were dug out again three years ago after decades of silting up. Since "
                "then the counters have walked the same route every two weeks from May to October.",
                "The biologist who leads the survey says clear water and the return of reeds along "
                "the banks explain most of the increase.",
                "The group is looking for new counters for next summer. No experience is needed; "
                "a pair of binoculars helps.",
            ],
        },
        "comet-tail": {
            "title": "Amateur astronomers map a faint comet's tail",
            "teaser": "Three hundred photographs, one long streak of light.",
            "author": "By Jonah Pike",
            "date": "2026-11-24 22:15",
            "pictures": [("comet", "The comet above the hills, combined from many exposures.")],
            "text": [
                "Members of the Brackwater astronomy club have combined more than three hundred "
                "photographs into a picture of a faint comet and its long, thin tail.",
                "The comet is too dim to see with the naked eye. The club's members photographed "
                "it from gardens and hilltops on every clear night for two weeks.",
                "The finished picture shows the tail stretching across a width of sky larger than "
                "the full moon. The club has sent its measurements to a university observatory.",
            ],
        },
        "bakery-choir": {
            "title": "A bakery choir sings the morning shift",
            "teaser": "Twelve bakers, four voices, one oven.",
            "author": "By Clara Venn, culture editor",
            "date": "2026-11-23 07:50",
            "pictures": [("bakery", "Loaves cooling while the choir rehearses.")],
            "text": [
                "At four in the morning, when the first loaves go into the oven, the twelve bakers "
                "of the Old Mill bakery start to sing.",
                "What began as a way to stay awake has become a choir with a repertoire of forty "
                "songs, from sea shanties to lullabies.",
                "On Sunday the choir gives its first concert in the town hall. Admission is free; "
                "the bakers ask for a donation to the floating library instead.",
            ],
        },
        "lifeboat-lottery": {
            "title": "Lottery night raises the money for a new lifeboat",
            "teaser": "Tick the horoscopes and lotteries filter to hide this one.",
            "author": "By Clara Venn, culture editor",
            "date": "2026-11-22 21:30",
            "pictures": [("harbour-night", "The old lifeboat house on the night of the draw.")],
            "text": [
                "A lottery night in the old lifeboat house has raised enough money to buy a new "
                "rescue boat for Brackwater's volunteer crew.",
                "Every prize was donated: a week on the sleeper train, a year of bread from the "
                "Old Mill bakery and a seat at the astronomy club's telescope.",
                "The crew will name the new boat at the spring festival. Suggestions can be left "
                "in the box at the harbour master's office.",
            ],
        },
        "about-demo": {
            "title": "How to use this demo site",
            "teaser": "What this paper is and how Tessolin reads it.",
            "author": "The Lantern demo team",
            "date": "2026-11-30 10:00",
            "pictures": [("tools", "The tools of a profile writer.")],
            "text": [
                "The Lantern is an invented newspaper that runs on your own computer. It lets you "
                "try Tessolin without reaching any real news site.",
                "The paper comes in four editions: English, German, Arabic and Simplified Chinese. "
                "The Chinese edition is encoded in GBK, as many Chinese sites are, so you can see "
                "Tessolin read a page that is not in UTF-8.",
                "The story about the floating library is spread over three pages. Use the arrows "
                "at the edges of the article, or the Left and Right keys, to turn its pages.",
                "Each edition is read by a small site profile. Open the profiles in the demo "
                "folder next to the site to see how headlines and articles are found, and use "
                "tessolin-profile extract to try your changes on a saved page.",
            ],
        },
    },
}

DE = {
    "dir": "de", "lang": "de", "charset": "utf-8", "rtl": False,
    "paper": "Der Laternenbote",
    "motto": "Nachrichten aus Brackwasser und dem Nordtal",
    "footer": "Alle Meldungen dieser Seite sind für die Vorführung von Tessolin erfunden.",
    "help": "Über diese Demo-Seite",
    "prev": "Vorherige Seite", "next": "Nächste Seite",
    "topics": [
        {"id": "top", "name": "Schlagzeilen", "articles": ["werkzeug-bibliothek"]},
        {"id": "wissen", "name": "Wissen", "articles": ["igel-zaehlung"]},
        {"id": "kultur", "name": "Kultur", "articles": ["klingelorchester"]},
    ],
    "articles": {
        "werkzeug-bibliothek": {
            "title": "Stadtbücherei verleiht jetzt auch Werkzeug",
            "teaser": "Bohrmaschine statt Roman: die neue Ausleihe im Keller.",
            "author": "Von Jana Feld",
            "date": "29.11.2026 08:15",
            "pictures": [("tools", "Sägen, Hämmer und eine Bohrmaschine warten auf Ausleiher.")],
            "text": [
                "In der Stadtbücherei von Brackwasser kann man seit Montag nicht nur Bücher, "
                "sondern auch Werkzeug ausleihen.",
                "Im Keller stehen nun Bohrmaschinen, Leitern, Sägen und ein Nähmaschinenkoffer. "
                "Die meisten Geräte haben Bürgerinnen und Bürger gespendet.",
                "Ausgeliehen wird wie bei Büchern: mit dem Leseausweis, für höchstens zwei Wochen. "
                "Ein ehrenamtlicher Schreiner prüft jedes Gerät, wenn es zurückkommt.",
                "„Nicht jeder Haushalt braucht eine eigene Bohrmaschine“, sagt die Leiterin der "
                "Bücherei. „Die meisten werden im Leben nur ein paar Minuten benutzt.“",
            ],
        },
        "igel-zaehlung": {
            "title": "Forschende zählen Igel im Stadtpark",
            "teaser": "Nachtkameras zeigen mehr Tiere als erwartet.",
            "author": "Von Paul Anker",
            "date": "27.11.2026 16:40",
            "pictures": [("hedgehog", "Ein Igel vor einer der Nachtkameras.")],
            "text": [
                "Im Stadtpark von Brackwasser leben deutlich mehr Igel als gedacht. Das zeigt eine "
                "Zählung mit zwanzig Nachtkameras.",
                "Schülerinnen und Schüler haben die Aufnahmen eines ganzen Monats ausgewertet und "
                "dabei mindestens dreißig verschiedene Tiere erkannt.",
                "Die Stadt will nun Laubhaufen liegen lassen und die Zäune am Parkrand mit kleinen "
                "Durchgängen versehen.",
            ],
        },
        "klingelorchester": {
            "title": "Ein Orchester aus Fahrradklingeln",
            "teaser": "Vierzig Klingeln, ein Dirigent und viel Geduld.",
            "author": "Von Lea Sommer",
            "date": "26.11.2026 19:30",
            "pictures": [("bakery", "Probe im alten Mühlensaal.")],
            "text": [
                "Vierzig Fahrradklingeln, gestimmt auf verschiedene Töne, bilden das wohl "
                "ungewöhnlichste Orchester der Region.",
                "Der Musiklehrer Henrik Sand hat die Klingeln auf Flohmärkten gesammelt und so "
                "lange gefeilt, bis jede einen eigenen Ton hatte.",
                "Am Samstag spielt das Orchester auf dem Marktplatz. Wer ein eigenes Rad mitbringt, "
                "darf beim letzten Stück mitklingeln.",
            ],
        },
    },
}

AR = {
    "dir": "ar", "lang": "ar", "charset": "utf-8", "rtl": True,
    "paper": "صحيفة الفانوس",
    "motto": "أخبار مدينة الميناء القديم والوادي الشمالي",
    "footer": "جميع الأخبار في هذا الموقع متخيَّلة لعرض برنامج Tessolin.",
    "help": "عن هذا الموقع التجريبي",
    "prev": "الصفحة السابقة", "next": "الصفحة التالية",
    "topics": [
        {"id": "main", "name": "أهم الأخبار", "articles": ["hadiqat-alsath"]},
        {"id": "environment", "name": "بيئة", "articles": ["alf-nakhla"]},
        {"id": "culture", "name": "ثقافة", "articles": ["mahrajan-alkhatt"]},
    ],
    "articles": {
        "hadiqat-alsath": {
            "title": "افتتاح حديقة على سطح المكتبة العامة",
            "teaser": "مساحة خضراء جديدة للقراءة فوق المدينة.",
            "author": "بقلم سلمى حداد",
            "date": "2026-11-29 10:20",
            "pictures": [("rooftop-garden", "أحواض النباتات على سطح المكتبة العامة.")],
            "text": [
                "افتتحت المكتبة العامة في مدينة الميناء القديم حديقة على سطحها، يستطيع الزوار أن "
                "يقرؤوا فيها بين أحواض الزهور والأعشاب.",
                "وقد زرع المتطوعون أكثر من مئتي نبتة، واختاروا أنواعًا تتحمل الشمس والرياح القادمة "
                "من البحر.",
                "وتقول مديرة المكتبة إن الحديقة ستفتح أبوابها كل يوم من الصباح حتى غروب الشمس، "
                "وإنها ستستضيف أمسيات للقراءة في الصيف.",
            ],
        },
        "alf-nakhla": {
            "title": "متطوعون يزرعون ألف شجرة نخيل",
            "teaser": "صفوف جديدة من النخيل على طريق الساحل.",
            "author": "بقلم كريم منصور",
            "date": "2026-11-27 15:00",
            "pictures": [("palms", "شتلات النخيل الأولى على طريق الساحل.")],
            "text": [
                "زرع مئات المتطوعين ألف شجرة نخيل على طول طريق الساحل خلال عطلة نهاية الأسبوع.",
                "وشارك في الزراعة طلاب المدارس وأسرهم، وتكفل كل صف برعاية عشرين شجرة وسقايتها "
                "خلال السنة الأولى.",
                "ويأمل المنظمون أن توفر الأشجار الظل للمشاة وأن تحمي الطريق من الرمال التي تحملها "
                "الرياح.",
            ],
        },
        "mahrajan-alkhatt": {
            "title": "مهرجان للخط العربي في المدينة القديمة",
            "teaser": "خطاطون من أجيال مختلفة في ساحة السوق.",
            "author": "بقلم ليلى نجار",
            "date": "2026-11-25 18:45",
            "pictures": [("calligraphy", "لوحة خط كُتبت أمام الجمهور.")],
            "text": [
                "اجتمع خطاطون من أجيال مختلفة في ساحة السوق القديم في مهرجان يستمر ثلاثة أيام.",
                "ويكتب الخطاطون أمام الجمهور بخطوط النسخ والثلث والديواني، ويشرحون للأطفال كيف "
                "يُبرى القلم وكيف يُحضَّر الحبر.",
                "وفي اليوم الأخير تُعرض الأعمال في المكتبة العامة، ويعود ريعها إلى دروس مجانية "
                "لتعليم الخط.",
            ],
        },
    },
}

ZH = {
    "dir": "zh", "lang": "zh-CN", "charset": "gbk", "rtl": False,
    "paper": "灯笼日报",
    "motto": "港湾镇与北部山谷的新闻",
    "footer": "本站所有新闻均为演示 Tessolin 而虚构。",
    "help": "关于本演示网站",
    "prev": "上一页", "next": "下一页",
    "topics": [
        {"id": "yaowen", "name": "要闻", "articles": ["yejian-gongjiao"]},
        {"id": "shengtai", "name": "生态", "articles": ["shidi-houniao"]},
        {"id": "wenhua", "name": "文化", "articles": ["jianzhi-zhan"]},
    ],
    "articles": {
        "yejian-gongjiao": {
            "title": "老城区开通夜间公交线路",
            "teaser": "晚班工人和学生回家更方便了。",
            "author": "本报记者 林晓",
            "date": "2026-11-29 21:10",
            "pictures": [("night-bus", "夜间公交车停靠在老城区车站。")],
            "text": [
                "从本周一起，港湾镇老城区开通了第一条夜间公交线路，每晚十一点到次日凌晨五点运行。",
                "这条线路连接火车站、医院和三个居民区，每三十分钟一班。",
                "不少在医院和工厂上晚班的居民说，以前下班后只能步行或者打车，现在回家方便多了。",
                "公交公司表示，如果乘客人数稳定，明年还将开通第二条夜间线路。",
            ],
        },
        "shidi-houniao": {
            "title": "志愿者在湿地记录候鸟",
            "teaser": "今年秋天记录到四十多种鸟类。",
            "author": "本报记者 周明",
            "date": "2026-11-27 07:30",
            "pictures": [("wetland-birds", "清晨的湿地上空飞过一群候鸟。")],
            "text": [
                "今年秋天，港湾镇湿地的志愿者共记录到四十多种候鸟，比去年增加了六种。",
                "志愿者们每周末清晨到湿地观察，用望远镜和相机记录鸟的种类和数量。",
                "负责调查的老师说，湿地水质改善以后，鱼虾多了，来这里停留的候鸟也越来越多。",
            ],
        },
        "jianzhi-zhan": {
            "title": "社区图书馆举办剪纸展",
            "teaser": "一百多幅作品出自居民之手。",
            "author": "本报记者 王芳",
            "date": "2026-11-25 15:20",
            "pictures": [("paper-cut", "展览中的一幅红色剪纸作品。")],
            "text": [
                "社区图书馆本月举办剪纸展，展出一百多幅由居民创作的作品。",
                "作品的作者既有七十多岁的老人，也有刚上小学的孩子，题材包括港口、渔船和山谷风光。",
                "展览期间，每个星期六下午都有免费的剪纸课，欢迎大家参加。",
            ],
        },
    },
}

EDITIONS = [EN, DE, AR, ZH]

HELP_PAGE = """<!DOCTYPE html>
<html lang="en">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<title>About the Lantern demo site</title>
<link rel="stylesheet" href="/site.css">
</head>
<body>
<div class="masthead"><h1>About the Lantern demo site</h1></div>
<p>The Lantern is an invented newspaper that runs on your own computer, so that
Tessolin can be tried without reaching a real news site. Its four editions are
<a href="/en/index.html">English</a>, <a href="/de/index.html">German</a>,
<a href="/ar/index.html">Arabic</a> and <a href="/zh/index.html">Simplified
Chinese</a> (encoded in GBK).</p>
<p>In Tessolin, pick one of the Lantern editions in the site index, then a
headline. The English story about the floating library has three pages.</p>
<p>Every story, person and place on this site is made up.</p>
</body>
</html>
"""

SITE_CSS = """body { font-family: sans-serif; max-width: 44em; margin: 1em auto; color: #222; }
.masthead h1 { font-family: serif; border-bottom: 3px double #1b466f; color: #1b466f; }
.motto, .teaser, .byline, .caption, .footer { color: #666; }
.topic { margin-bottom: 1.5em; }
.figure img { max-width: 100%; height: auto; }
.pagination span { margin-right: 1em; }
"""
