<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="kr">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Tessolin 정보</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>아이콘: KDE의 Breeze 및 GNOME 프로젝트의 Adwaita(LGPL 3), 국기: iso-flags-svg(퍼블릭 도메인).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>마지막 업데이트 확인: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>다운로드 완료</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>소프트웨어 업그레이드 다운로드가 완료되었습니다. 설치 파일은 %1에 있습니다. 현재 버전을 직접 제거한 후 새 버전을 설치하십시오.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>확인 주기</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>소프트웨어 시작 시</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>소프트웨어를 시작할 때마다 업데이트 확인</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>매일</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>소프트웨어 시작 시 마지막 확인 후 하루 이상 지났으면 업데이트 확인</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>매주</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>소프트웨어 시작 시 마지막 확인 후 일주일 이상 지났으면 업데이트 확인</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>매월</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>소프트웨어 시작 시 마지막 확인 후 한 달 이상 지났으면 업데이트 확인</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>다운로드 알림</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>확인 요청.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>업데이트가 있을 때마다 다운로드 여부 확인</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>자동 다운로드.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>확인 없이 업데이트를 자동으로 다운로드</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Tessolin 설정</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>ContentScrollView</name>
    <message>
        <source>Previous Page</source>
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>표시되지 않은 이 기사의 사진: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>사전 정의</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>사용자 정의</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>필터 설정을 "%1"에 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>필터 파일 "%1"을(를) 읽을 수 없어 변경하지 않았습니다.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>필터 설정</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>사이트 선택</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>주제 선택</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>키워드 필터</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>사이트 색인에서 사이트 표시 여부 설정</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>페이지 색인에서 주제 표시 여부 설정</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>키워드로 페이지 색인의 뉴스 항목 숨기기</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>범주</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>국가/지역</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>주제</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>패키지</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>사이트 목록:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>주제 목록:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>키워드 패키지:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>키워드 사용자 정의:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>언어 설정</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>소프트웨어 인터페이스</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>번역 대상 언어</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>번역 엔진</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>메뉴 텍스트와 웹 사이트 이름을 표시할 언어를 선택하십시오.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>원본 웹 페이지를 번역할 언어를 선택하십시오.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>번역 엔진 사용 우선순위 설정</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>자동 번역</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>다크 테마</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>원본 웹 페이지를 자동 또는 수동으로 번역</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>위로</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>아래로</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>아랍어</translation>
    </message>
    <message>
        <source>German</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>English</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>페르시아어</translation>
    </message>
    <message>
        <source>French</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>힌디어</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>인도네시아어</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>히브리어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>루마니아어</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>튀르키예어</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>우크라이나어</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>베트남어</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>중국어 간체</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>중국어 번체</translation>
    </message>
    <message>
        <source>UAE</source>
        <translation>아랍에미리트</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>아르헨티나</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>호주</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>바레인</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>브라질</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>캐나다</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>칠레</translation>
    </message>
    <message>
        <source>China</source>
        <translation>중국</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>쿠바</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>독일</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>이집트</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>스페인</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>프랑스</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>인도네시아</translation>
    </message>
    <message>
        <source>Isreal</source>
        <translation>이스라엘</translation>
    </message>
    <message>
        <source>India</source>
        <translation>인도</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>이탈리아</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>이란</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>일본</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>케냐</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>북한</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>한국</translation>
    </message>
    <message>
        <source>Mixco</source>
        <translation>멕시코</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>말레이시아</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>필리핀</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>폴란드</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>파키스탄</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>루마니아</translation>
    </message>
    <message>
        <source>Ruassia</source>
        <translation>러시아</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>사우디아라비아</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>싱가포르</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>태국</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>튀르키예</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>대만</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>우크라이나</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>영국</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>미국</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>베트남</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>남아프리카 공화국</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>종합 뉴스</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>사전 정의</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>사용자 정의</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>초기 설정</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>언어 설정</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>버전 확인 설정</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>소프트웨어 UI</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>번역 대상 언어</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>메뉴 텍스트와 웹 사이트 이름을 표시할 언어를 선택하십시오.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>원본 웹 페이지를 번역할 언어를 선택하십시오.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>번역하려면 apertium-apy 패키지와 apertium-eng-spa 같은 언어 쌍 패키지가 필요합니다. 패키지를 설치한 후 다시 번역하십시오</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>이전 크기로 복원</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>업데이트 서비스에 접근할 수 없습니다</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>이미지 로드됨</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>페이지 구문 분석 오류</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>이 페이지에서 사용할 수 있는 내용을 찾지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>프로필 업데이트를 확인하는 중...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>색인 페이지 로드됨</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>기사 페이지 로드됨</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>네트워크에서 읽기 실패</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>불필요한 네트워크 데이터 삭제</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>연결 실패</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>데이터 전송 시간 초과</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>네트워크 작업 취소됨</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>프록시 오류</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>원격 콘텐츠에 접근할 수 없음</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>네트워크 작업 실패</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>네트워크 연결 중... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>네트워크 연결 실패</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>%1바이트 수신됨</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>원본 기사의 언어가 번역 대상 언어와 같습니다.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>시스템 기본 이메일 프로그램을 실행할 수 없습니다.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>콘텐츠 설정</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>언어 설정</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>환경 설정</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>업데이트 확인 설정</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>프록시 설정</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>사이트 색인</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>페이지 색인</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>번역문</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>원문</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>활용</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>이메일로 공유</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>PDF로 저장</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>번역된 기사:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>원본 기사:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>기사 끝.
이 기사는 %1에 게재되었습니다.
이 메시지는 Tessolin 소프트웨어로 내보냈습니다. tessolin.net에서 무료로 다운로드하십시오.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;이 기사는 %1에 게재되었습니다. &lt;br&gt;이 문서는 &lt;b&gt;Tessolin&lt;/b&gt; 소프트웨어로 인쇄되었습니다. tessolin.net에서 무료로 다운로드하십시오.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;이 기사는 &lt;a href='%1'&gt;%1&lt;/a&gt;에 게재되었습니다. &lt;br&gt;이 PDF 파일은 &lt;b&gt;Tessolin&lt;/b&gt; 소프트웨어로 내보냈습니다. &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt;에서 무료로 다운로드하십시오.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>이 언어 쌍을 지원하는 번역 엔진이 없습니다</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>%1의 번역 엔진에 연결할 수 없습니다. 프로그램을 다시 시작할 때까지 더 이상 번역을 요청하지 않습니다.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>일부 내용이 번역되지 않았습니다</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>프록시 설정</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>프록시 없음(인터넷 직접 연결)</translation>
    </message>
    <message>
        <source>HTTP Proxy</source>
        <translation>HTTP 프록시</translation>
    </message>
    <message>
        <source>Socket 5 Proxy</source>
        <translation>SOCKS5 프록시</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>호스트</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
    </message>
    <message>
        <source>User</source>
        <translation>사용자</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>설정을 저장할 수 없습니다: %1에 쓸 수 없습니다. 지금 선택한 내용은 프로그램을 종료하면 사라집니다.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>UI 스타일 로드 실패</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>핵심 모듈 로드 실패</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>대화 상자 로드 실패</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>버전 관리자 로드 실패</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>기본 창 로드 실패</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>사이트 색인 로드 실패</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>번역기 로드 실패</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>필터 로드 실패</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>언어 리소스 로드 실패</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>프로필 %1개를 로드하지 못했습니다</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>업데이트 다운로드 확인</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>앞으로 자동으로 다운로드합니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>웹 사이트 %1개에 대한 업데이트가 있습니다. 다운로드 크기는 %2KB입니다. 지금 업데이트하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>업데이트 설정</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>업그레이드 다운로드 확인</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>일주일 후에 다시 알림</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>소프트웨어의 새 버전(%1)을 사용할 수 있습니다. 파일 크기는 %2MB입니다. 현재 소프트웨어로 다운로드하거나 다음 웹 사이트에서 다운로드할 수 있습니다: </translation>
    </message>
</context>
</TS>