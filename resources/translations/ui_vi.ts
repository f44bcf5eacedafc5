<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="vi">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Tessolin</source>
        <translation>Giới thiệu Tessolin</translation>
    </message>
    <message>
        <source>Icons: Breeze by KDE and Adwaita by the GNOME Project (LGPL 3); flags: iso-flags-svg (public domain).</source>
        <translation>Biểu tượng: Breeze của KDE và Adwaita của Dự án GNOME (LGPL 3); cờ: iso-flags-svg (phạm vi công cộng).</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Chưa bao giờ</translation>
    </message>
    <message>
        <source>Last update check: %1</source>
        <translation>Lần kiểm tra cập nhật gần nhất: %1</translation>
    </message>
</context>
<context>
    <name>AppDownloadCompleteBox</name>
    <message>
        <source>Download Completed</source>
        <translation>Đã tải xuống xong</translation>
    </message>
    <message>
        <source>Software upgrade download has completed.  The installer file is at %1, please manually uninstall the current version and install the new one.</source>
        <translation>Đã tải xuống xong phiên bản mới của phần mềm. Tệp cài đặt nằm tại %1. Vui lòng gỡ cài đặt phiên bản hiện tại theo cách thủ công rồi cài đặt phiên bản mới.</translation>
    </message>
</context>
<context>
    <name>CommonUpdateBox</name>
    <message>
        <source>Check Frequency</source>
        <translation>Tần suất kiểm tra</translation>
    </message>
    <message>
        <source>On Software Start</source>
        <translation>Khi khởi động phần mềm</translation>
    </message>
    <message>
        <source>Check for update every time the software starts</source>
        <translation>Kiểm tra cập nhật mỗi khi khởi động phần mềm</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Hằng ngày</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one day from last check</source>
        <translation>Kiểm tra cập nhật khi khởi động phần mềm nếu đã quá một ngày kể từ lần kiểm tra gần nhất</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hằng tuần</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one week from last check</source>
        <translation>Kiểm tra cập nhật khi khởi động phần mềm nếu đã quá một tuần kể từ lần kiểm tra gần nhất</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Hằng tháng</translation>
    </message>
    <message>
        <source>Check for update on software starts when it is is more than one month from last check</source>
        <translation>Kiểm tra cập nhật khi khởi động phần mềm nếu đã quá một tháng kể từ lần kiểm tra gần nhất</translation>
    </message>
    <message>
        <source>Download Notification</source>
        <translation>Thông báo tải xuống</translation>
    </message>
    <message>
        <source>Ask For Confirmation.</source>
        <translation>Yêu cầu xác nhận.</translation>
    </message>
    <message>
        <source>Ask for download confirmation every time updates are available</source>
        <translation>Yêu cầu xác nhận tải xuống mỗi khi có bản cập nhật</translation>
    </message>
    <message>
        <source>Download Automatically.</source>
        <translation>Tự động tải xuống.</translation>
    </message>
    <message>
        <source>Download the updates automatically without asking for confirmation</source>
        <translation>Tự động tải xuống bản cập nhật mà không cần xác nhận</translation>
    </message>
</context>
<context>
    <name>ConfigBox</name>
    <message>
        <source>Tessolin Config</source>
        <translation>Cấu hình Tessolin</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
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
        <translation>Trang trước</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Trang sau</translation>
    </message>
    <message>
        <source>Pictures of this article not shown: %1</source>
        <translation>Hình ảnh của bài viết này không được hiển thị: %1</translation>
    </message>
</context>
<context>
    <name>FilterConfigBox</name>
    <message>
        <source>Predefined</source>
        <translation>Định sẵn</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Tùy chỉnh</translation>
    </message>
    <message>
        <source>The filter settings could not be saved to "%1".</source>
        <translation>Không thể lưu cài đặt bộ lọc vào "%1".</translation>
    </message>
    <message>
        <source>The filter file "%1" cannot be read, so it is left unchanged.</source>
        <translation>Không thể đọc tệp bộ lọc "%1" nên tệp này được giữ nguyên.</translation>
    </message>
    <message>
        <source>Filter Configurations</source>
        <translation>Cấu hình bộ lọc</translation>
    </message>
    <message>
        <source>Site Selection</source>
        <translation>Chọn trang web</translation>
    </message>
    <message>
        <source>Topic Selection</source>
        <translation>Chọn chủ đề</translation>
    </message>
    <message>
        <source>Keyword Filters</source>
        <translation>Bộ lọc từ khóa</translation>
    </message>
    <message>
        <source>Set site visibility in the sites index</source>
        <translation>Đặt chế độ hiển thị trang web trong chỉ mục trang web</translation>
    </message>
    <message>
        <source>Set topic visibility in the page index</source>
        <translation>Đặt chế độ hiển thị chủ đề trong chỉ mục trang</translation>
    </message>
    <message>
        <source>Hide news entries in the page index by keywords</source>
        <translation>Ẩn tin tức trong chỉ mục trang theo từ khóa</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Danh mục</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>Country/Region</source>
        <translation>Quốc gia/Khu vực</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Chủ đề</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Loại</translation>
    </message>
    <message>
        <source>Package</source>
        <translation>Gói</translation>
    </message>
    <message>
        <source>Site List:</source>
        <translation>Danh sách trang web:</translation>
    </message>
    <message>
        <source>Topic List:</source>
        <translation>Danh sách chủ đề:</translation>
    </message>
    <message>
        <source>Keyword Packages:</source>
        <translation>Gói từ khóa:</translation>
    </message>
    <message>
        <source>Keyword Customization:</source>
        <translation>Từ khóa tùy chỉnh:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Áp dụng</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Xóa hết</translation>
    </message>
</context>
<context>
    <name>I18NConfigBox</name>
    <message>
        <source>Language Configurations</source>
        <translation>Cấu hình ngôn ngữ</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>Software Interface</source>
        <translation>Giao diện phần mềm</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Ngôn ngữ đích</translation>
    </message>
    <message>
        <source>Translation Engines</source>
        <translation>Công cụ dịch</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Chọn ngôn ngữ hiển thị văn bản menu và tên trang web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Chọn ngôn ngữ mà các trang web gốc sẽ được dịch sang.</translation>
    </message>
    <message>
        <source>Set the priority that the translation engine to be used</source>
        <translation>Đặt thứ tự ưu tiên sử dụng các công cụ dịch</translation>
    </message>
    <message>
        <source>Automatic Translation</source>
        <translation>Dịch tự động</translation>
    </message>
    <message>
        <source>Dark theme</source>
        <translation>Giao diện tối</translation>
    </message>
    <message>
        <source>Automatically or manually translate the original web pages</source>
        <translation>Dịch các trang web gốc tự động hoặc thủ công</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Lên</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Xuống</translation>
    </message>
</context>
<context>
    <name>I18NManager</name>
    <message>
        <source>Arabic</source>
        <translation>Tiếng Ả Rập</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tiếng Đức</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Tiếng Anh</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Tiếng Tây Ban Nha</translation>
    </message>
    <message>
        <source>Persian</source>
        <translation>Tiếng Ba Tư</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Tiếng Pháp</translation>
    </message>
    <message>
        <source>Hindi</source>
        <translation>Tiếng Hindi</translation>
    </message>
    <message>
        <source>Indonesian</source>
        <translation>Tiếng Indonesia</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Tiếng Ý</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Tiếng Do Thái</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Tiếng Nhật</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Tiếng Hàn</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Tiếng Ba Lan</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Tiếng Bồ Đào Nha</translation>
    </message>
    <message>
        <source>Romanian</source>
        <translation>Tiếng Romania</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Tiếng Nga</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Tiếng Thổ Nhĩ Kỳ</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Tiếng Ukraina</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Tiếng Việt</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Tiếng Trung Giản thể</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Tiếng Trung Phồn thể</translation>
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
        <translation>Úc</translation>
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
        <translation>Trung Quốc</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>Cuba</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Đức</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Ai Cập</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>Tây Ban Nha</translation>
    </message>
    <message>
        <source>Frence</source>
        <translation>Pháp</translation>
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
        <translation>Ấn Độ</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Ý</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Iran</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Nhật Bản</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Kenya</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Triều Tiên</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Hàn Quốc</translation>
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
        <translation>Ba Lan</translation>
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
        <translation>Nga</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>Ả Rập Xê Út</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapore</translation>
    </message>
    <message>
        <source>Tailand</source>
        <translation>Thái Lan</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Thổ Nhĩ Kỳ</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Đài Loan</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ukraina</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Vương quốc Anh</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>Hoa Kỳ</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Việt Nam</translation>
    </message>
    <message>
        <source>South Africa</source>
        <translation>Nam Phi</translation>
    </message>
    <message>
        <source>General News</source>
        <translation>Tin tức chung</translation>
    </message>
    <message>
        <source>Predefined</source>
        <translation>Định sẵn</translation>
    </message>
    <message>
        <source>Customed</source>
        <translation>Tùy chỉnh</translation>
    </message>
</context>
<context>
    <name>InitialConfigBox</name>
    <message>
        <source>Initial Configurations</source>
        <translation>Cấu hình ban đầu</translation>
    </message>
    <message>
        <source>Language Settings</source>
        <translation>Cài đặt ngôn ngữ</translation>
    </message>
    <message>
        <source>Version Check Settings</source>
        <translation>Cài đặt kiểm tra phiên bản</translation>
    </message>
    <message>
        <source>Software UI</source>
        <translation>Giao diện phần mềm</translation>
    </message>
    <message>
        <source>Translation Target</source>
        <translation>Ngôn ngữ đích</translation>
    </message>
    <message>
        <source>Select the language for showing the menu text and the web site names.</source>
        <translation>Chọn ngôn ngữ hiển thị văn bản menu và tên trang web.</translation>
    </message>
    <message>
        <source>Select the language the original web pages to be translated into.</source>
        <translation>Chọn ngôn ngữ mà các trang web gốc sẽ được dịch sang.</translation>
    </message>
</context>
<context>
    <name>LocalEngine</name>
    <message>
        <source>Translation needs the apertium-apy package and a language pair package such as apertium-eng-spa; install them and translate again</source>
        <translation>Cần có gói apertium-apy và một gói cặp ngôn ngữ như apertium-eng-spa để dịch; vui lòng cài đặt chúng rồi dịch lại</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Restore Down</source>
        <translation>Khôi phục</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Phóng to</translation>
    </message>
    <message>
        <source>Can't access the update services</source>
        <translation>Không thể truy cập dịch vụ cập nhật</translation>
    </message>
    <message>
        <source>Image loaded</source>
        <translation>Đã tải hình ảnh</translation>
    </message>
    <message>
        <source>Page parsing error</source>
        <translation>Lỗi phân tích trang</translation>
    </message>
    <message>
        <source>Nothing usable found in this page: %1</source>
        <translation>Không tìm thấy nội dung dùng được trong trang này: %1</translation>
    </message>
    <message>
        <source>Checking for profile updates...</source>
        <translation>Đang kiểm tra cập nhật hồ sơ...</translation>
    </message>
    <message>
        <source>Index page loaded</source>
        <translation>Đã tải trang chỉ mục</translation>
    </message>
    <message>
        <source>Article page loaded</source>
        <translation>Đã tải trang bài viết</translation>
    </message>
    <message>
        <source>Failed to read from network</source>
        <translation>Không đọc được dữ liệu từ mạng</translation>
    </message>
    <message>
        <source>Discard useless network data</source>
        <translation>Đã loại bỏ dữ liệu mạng không cần thiết</translation>
    </message>
    <message>
        <source>Connection Failure</source>
        <translation>Kết nối thất bại</translation>
    </message>
    <message>
        <source>Data Transfer Timeout</source>
        <translation>Hết thời gian truyền dữ liệu</translation>
    </message>
    <message>
        <source>Netowrk Operation Canceled</source>
        <translation>Đã hủy thao tác mạng</translation>
    </message>
    <message>
        <source>Proxy Error</source>
        <translation>Lỗi proxy</translation>
    </message>
    <message>
        <source>Can't Access Remote Content</source>
        <translation>Không thể truy cập nội dung từ xa</translation>
    </message>
    <message>
        <source>Network Operation Failed</source>
        <translation>Thao tác mạng thất bại</translation>
    </message>
    <message>
        <source>Connecting network... %1</source>
        <translation>Đang kết nối mạng... %1</translation>
    </message>
    <message>
        <source>Failed to connect network</source>
        <translation>Không thể kết nối mạng</translation>
    </message>
    <message>
        <source>Received %1 bytes</source>
        <translation>Đã nhận %1 byte</translation>
    </message>
    <message>
        <source>The language of the original article is the same to the translation target language.</source>
        <translation>Ngôn ngữ của bài viết gốc trùng với ngôn ngữ đích.</translation>
    </message>
    <message>
        <source>Can't launch system default email program.</source>
        <translation>Không thể khởi chạy chương trình email mặc định của hệ thống.</translation>
    </message>
    <message>
        <source>Content Configuration</source>
        <translation>Cấu hình nội dung</translation>
    </message>
    <message>
        <source>Language Configuration</source>
        <translation>Cấu hình ngôn ngữ</translation>
    </message>
    <message>
        <source>Preferences Configuration</source>
        <translation>Cấu hình tùy chọn</translation>
    </message>
    <message>
        <source>Update Check Settings</source>
        <translation>Cài đặt kiểm tra cập nhật</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Cài đặt proxy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Site Index</source>
        <translation>Chỉ mục trang web</translation>
    </message>
    <message>
        <source>Page Index</source>
        <translation>Chỉ mục trang</translation>
    </message>
    <message>
        <source>Translation</source>
        <translation>Bản dịch</translation>
    </message>
    <message>
        <source>Original Article</source>
        <translation>Bài viết gốc</translation>
    </message>
    <message>
        <source>Utilize</source>
        <translation>Sử dụng</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Dùng</translation>
    </message>
    <message>
        <source>Share with Email</source>
        <translation>Chia sẻ qua email</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Lưu dưới dạng PDF</translation>
    </message>
    <message>
        <source>TRANSLATED ARTICEL:
</source>
        <translation>BÀI VIẾT ĐÃ DỊCH:
</translation>
    </message>
    <message>
        <source>ORIGINAL ARTICLE:
</source>
        <translation>BÀI VIẾT GỐC:
</translation>
    </message>
    <message>
        <source>END OF ARTICLE.
The aricle was published at %1.
This message was exported by Tessolin software, visit tessolin.net for free download.
</source>
        <translation>HẾT BÀI VIẾT.
Bài viết được đăng tại %1.
Thư này được xuất bằng phần mềm Tessolin. Hãy truy cập tessolin.net để tải xuống miễn phí.
</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at %1. &lt;br&gt;This paper was printed by &lt;b&gt;Tessolin&lt;/b&gt; software, visit tessolin.net for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Bài viết được đăng tại %1. &lt;br&gt;Tài liệu này được in bằng phần mềm &lt;b&gt;Tessolin&lt;/b&gt;. Hãy truy cập tessolin.net để tải xuống miễn phí.&lt;br&gt;</translation>
    </message>
    <message>
        <source>&lt;hr/&gt;The article was published at &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;This PDF file was exported by &lt;b&gt;Tessolin&lt;/b&gt; software, visit &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; for free download.&lt;br&gt;</source>
        <translation>&lt;hr/&gt;Bài viết được đăng tại &lt;a href='%1'&gt;%1&lt;/a&gt;. &lt;br&gt;Tệp PDF này được xuất bằng phần mềm &lt;b&gt;Tessolin&lt;/b&gt;. Hãy truy cập &lt;a href='http://tessolin.net'&gt;tessolin.net&lt;/a&gt; để tải xuống miễn phí.&lt;br&gt;</translation>
    </message>
    <message>
        <source>No translation engine serves this language pair</source>
        <translation>Không có công cụ dịch nào hỗ trợ cặp ngôn ngữ này</translation>
    </message>
    <message>
        <source>The translation engine at %1 could not be reached. No more translations are requested until the program starts again.</source>
        <translation>Không thể kết nối tới dịch vụ dịch tại %1. Sẽ không yêu cầu dịch thêm cho đến khi chương trình khởi động lại.</translation>
    </message>
    <message>
        <source>Some parts were not translated</source>
        <translation>Một số phần chưa được dịch</translation>
    </message>
</context>
<context>
    <name>ProxyConfigBox</name>
    <message>
        <source>Proxy Settings</source>
        <translation>Cài đặt proxy</translation>
    </message>
    <message>
        <source>No Proxy (Direct Internet Access)</source>
        <translation>Không dùng proxy (truy cập Internet trực tiếp)</translation>
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
        <translation>Máy chủ</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Cổng</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Người dùng</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mật khẩu</translation>
    </message>
</context>
<context>
    <name>ReaderApp</name>
    <message>
        <source>Settings cannot be saved: %1 cannot be written. What you choose now is forgotten when the program ends.</source>
        <translation>Không thể lưu thiết lập: không thể ghi %1. Những gì bạn chọn bây giờ sẽ mất khi chương trình đóng.</translation>
    </message>
    <message>
        <source>UI style load failed</source>
        <translation>Không tải được kiểu giao diện</translation>
    </message>
    <message>
        <source>Core module load failed</source>
        <translation>Không tải được mô-đun lõi</translation>
    </message>
    <message>
        <source>Dialog load failed</source>
        <translation>Không tải được hộp thoại</translation>
    </message>
    <message>
        <source>Version manager load failed</source>
        <translation>Không tải được trình quản lý phiên bản</translation>
    </message>
    <message>
        <source>Main window load failed</source>
        <translation>Không tải được cửa sổ chính</translation>
    </message>
    <message>
        <source>site index loading failed</source>
        <translation>Không tải được chỉ mục trang web</translation>
    </message>
    <message>
        <source>translator loading failed</source>
        <translation>Không tải được trình dịch</translation>
    </message>
    <message>
        <source>filters loading failed</source>
        <translation>Không tải được bộ lọc</translation>
    </message>
    <message>
        <source>language resource load failed</source>
        <translation>Không tải được tài nguyên ngôn ngữ</translation>
    </message>
    <message>
        <source>%1 profiles were failed for loading</source>
        <translation>Không tải được %1 hồ sơ</translation>
    </message>
</context>
<context>
    <name>UpdateConfirmationBox</name>
    <message>
        <source>Update Download Confirmation</source>
        <translation>Xác nhận tải xuống bản cập nhật</translation>
    </message>
    <message>
        <source>Automatically download in the furture.</source>
        <translation>Từ nay tự động tải xuống.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Để sau</translation>
    </message>
    <message>
        <source>There are updates available for %1 web sites, download size is %2 KB.  Do you like to update now?</source>
        <translation>Có bản cập nhật cho %1 trang web, dung lượng tải xuống là %2 KB. Bạn có muốn cập nhật ngay không?</translation>
    </message>
</context>
<context>
    <name>UpdateSettingBox</name>
    <message>
        <source>Update Settings</source>
        <translation>Cài đặt cập nhật</translation>
    </message>
</context>
<context>
    <name>UpgradeConfirmationBox</name>
    <message>
        <source>Upgrade Download Confirmation</source>
        <translation>Xác nhận tải xuống phiên bản mới</translation>
    </message>
    <message>
        <source>Remind me in a week</source>
        <translation>Nhắc lại sau một tuần</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Để sau</translation>
    </message>
    <message>
        <source>A new version (%1) of software is available, the file size is %2Mb.  You can either download with current software or download from the website </source>
        <translation>Đã có phiên bản mới (%1) của phần mềm, kích thước tệp là %2 MB. Bạn có thể tải xuống bằng phần mềm hiện tại hoặc từ trang web </translation>
    </message>
</context>
</TS>