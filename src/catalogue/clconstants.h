#pragma once

// Strings shared by every part of the program. They are macros so that they
// work in QStringLiteral(), in literal concatenation and as plain C strings.

#define TS_APP_NAME "Tessolin"
/// Shown in the About box and sent in the version check.
#define TS_APP_VERSION "1.0"
/// Compared with and written to the setting TS_KEY_APP_INTERNAL_VERSION.
#define TS_APP_INTERNAL_VERSION "010000"
#define TS_ORGANIZATION_NAME "Varnik"
#define TS_ORGANIZATION_DOMAIN "tessolin.net"
/// Lower-case product word of the version-check request.
#define TS_PRODUCT_WORD "tessolin"

/// Default version-check endpoints, tried in order; three servers so that one
/// outage does not stop updates.
#define TS_VERSION_CHECK_URLS                                                                      \
    "http://update1.tessolin.net/tsup/vercheck.php;"                                               \
    "http://update2.tessolin.net/tsup/vercheck.php;"                                               \
    "http://update3.tessolin.net/tsup/vercheck.php"
#define TS_VERSION_CHECK_URL2 "http://vc.tessolin.net/vc/vc.php"

/// Every language code the program knows, in its canonical order.
#define TS_SUPPORTED_LANGUAGES                                                                     \
    "en,zh_CN,zh_TW,es,fr,ru,uk,de,ja,kr,it,po,ro,pt,ar,iw,tr,id,hi,vi,fa"

// Settings keys. All live at the top level of the default QSettings store.
#define TS_KEY_TRACE_TARGET "TraceTarget"
#define TS_KEY_LAST_SCREEN_NUMBER "LastScreenNumber"
#define TS_KEY_LAST_SCREEN_GEOMETRY "LastScreenGeometry"
#define TS_KEY_LAST_SIZE "LastSize"
#define TS_KEY_LAST_POSITION "LastPosition"
#define TS_KEY_UI_LANGUAGE "UILanguage"
#define TS_KEY_TRANSLATE_TARGET_LANGUAGE "TranslateTargetLanguage"
#define TS_KEY_AUTO_TRANSLATION "AutoTranslation"
#define TS_KEY_TRANSLATOR_SEQUENCE "TranslatorSequence"
#define TS_KEY_APP_INTERNAL_VERSION "AppInternalVersion"
#define TS_KEY_VERSION_DOWNLOAD_NOTIFICATION "VersionDownloadNotification"
#define TS_KEY_VERSION_CHECK_INTERVAL "VersionCheckInterval"
#define TS_KEY_LAST_VERSION_CHECK_TIMESTAMP "LastVersionCheckTimestamp"
#define TS_KEY_LAST_APP_UPGRADE_REMIND_TIMESTAMP "LastAppUpgradeRemindTimestamp"
#define TS_KEY_INSTALLATION_SIGNATURE "InstallationSignature"
#define TS_KEY_VERSION_CHECK_URLS "VersionCheckURLs"
#define TS_KEY_PROXY_MODE "ProxyMode"
#define TS_KEY_PROXY_HOST "ProxyHost"
#define TS_KEY_PROXY_PORT "ProxyPort"
#define TS_KEY_PROXY_USER "ProxyUser"
#define TS_KEY_PROXY_PASSWORD "ProxyPassword"

// Dynamic properties the network module attaches to its requests.
#define TS_PROP_NETWORK_DATA_TYPE "NetworkDataType"
#define TS_PROP_ORIGIN_SITE_ID "OriginSiteID"
#define TS_PROP_LOCAL_FILE_PATH "LocalFilePath"
#define TS_PROP_FILE_CHECKSUM_STRING "FileChecksumString"
#define TS_PROP_FILE_BYTES_STRING "FileBytesString"
