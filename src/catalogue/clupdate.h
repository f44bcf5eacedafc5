#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

class CLProcessor;

// The pure side of profile updates: reading a version-check answer, deciding
// what to download, naming and checking downloaded files and writing the
// catalogue. Everything a server sends is treated as hostile here.

/// The largest version-check answer that is read at all.
constexpr qint64 MaxUpdateAnswerSize = 1024 * 1024;
/// The largest profile or engine file a download may bring.
constexpr qint64 MaxUpdateDownloadSize = 1024 * 1024;
/// The largest installer a download may bring; it is written as it arrives.
constexpr qint64 MaxInstallerSize = qint64(2) * 1024 * 1024 * 1024;
/// Most targets an answer may list, and most bytes one run may download
/// (installer apart); an answer past either is refused whole.
constexpr int MaxUpdateTargets = 2000;
constexpr qint64 MaxUpdateRunBytes = qint64(256) * 1024 * 1024;
/// Longest id, version or checksum a target may carry.
constexpr int MaxUpdateFieldLength = 256;
/// Longest message kept; a dialog shows it whole.
constexpr int MaxUpdateMessageLength = 4096;

/// What a target is, told by the prefix of its id.
enum class CLTargetClass { Installer, Engine, Site, Unknown };
CLTargetClass targetClassOf(const QString &id);

/// One target of a version-check answer and what an update run made of it.
struct CLUpdateTarget
{
    QString id;
    QString version;
    QString bytes; ///< as sent; "0" for a bare "B" field, empty when absent
    QString checksum;
    QStringList urls;     ///< http(s) URLs only, in fallback order
    QString message;      ///< decoded; shown as plain text
    QString localFile;    ///< site target: the file the catalogue lists for its id now
    QString localVersion; ///< site target: the version the catalogue lists for its id now
    QString savePath;     ///< installer: the path the user chose
    bool needed = true;
    bool abandoned = false;
    QString skipReason;  ///< set when the target is never downloaded
    QString writtenFile; ///< the file name the successful download wrote
};

/// A version-check answer as the grammar reads it.
struct CLUpdateAnswer
{
    bool valid = false;
    bool hasSignature = false;     ///< a "TS" record is there
    QString keyId;                 ///< the key id it names
    bool trusted = false;          ///< signed by one of the keys given to the parser
    QList<CLUpdateTarget> targets; ///< accepted targets in answer order
    QList<CLUpdateTarget> refused; ///< listed but dropped by usableAnswer; their entries stay
    QStringList endpoints;         ///< the last "TV" record's valid endpoints; empty when none
    QStringList notes;             ///< what was dropped and why, for the log
};

/// Reads an answer: text up to the first NUL, one character per byte, lines
/// split at "\n"; "TR|R0" first; "TF" targets and "TV" endpoint lists. Its
/// signature record is checked against `trustedKeys`. Every target the
/// grammar accepts is kept; targetRefusal says which a reader may use.
CLUpdateAnswer parseUpdateAnswer(const QByteArray &data, const QList<QByteArray> &trustedKeys = {});

/// Why a reader does not use a target of an answer (signed by a trusted key
/// or not); empty when it may. The installed state is not consulted.
QString targetRefusal(const CLUpdateTarget &target, bool trusted);
/// Why a whole answer is refused (too many targets, too many bytes); empty when it is not.
QString answerRefusal(const CLUpdateAnswer &answer);
/// The answer as a reader uses it: refused targets, and for an answer not
/// signed by a trusted key its endpoints, are dropped with a note each.
CLUpdateAnswer usableAnswer(const CLUpdateAnswer &answer);

/// Whether `offered` is a higher dotted number than `running` ("1.10" >
/// "1.9"); false when either is not dotted digits.
bool isNewerVersion(const QString &offered, const QString &running);
/// Server text for a log or a terminal: control characters as \xNN.
QString escapedForLog(const QString &text);

/// An http or https URL with a host and nothing that would be read differently elsewhere.
bool isUpdateUrl(const QString &url);
/// A size of digits only that fits 64 bits.
bool parseUpdateSize(const QString &text, qint64 *value = nullptr);

/// The checksum kinds a download is compared against: 32, 40 or 64 hex
/// digits (MD5, SHA-1, SHA-256). A target with any other is not used.
bool isComparableChecksum(const QString &checksum);
bool checksumMatches(const QByteArray &bytes, const QString &checksum);
QString sha256Hex(const QByteArray &bytes);

/// The names that the downloads of one update run must respect.
struct CLUpdateNameRules
{
    QString engineFile;                 ///< only an engine target writes it
    QSet<QString> reserved;             ///< lower case: catalogue, error report, history file
    QHash<QString, QString> entryFiles; ///< lower-case file name -> id of the entry listing it
    QSet<QString> used;                 ///< lower case: names already written in this run

    /// The rules for a processor's directory layout and catalogue.
    static CLUpdateNameRules fromProcessor(const CLProcessor *processor);
};

/// The last path segment of a URL without a trailing ".ra" when it is a
/// plain file name; empty otherwise.
QString urlFileName(const QString &url);
/// The file a download of `target` from `url` may write in the profile
/// directory; empty when the URL must count as failed.
QString updateFileName(const QString &url, const CLUpdateTarget &target,
                       const CLUpdateNameRules &rules);
/// Whether a catalogue file name may be touched at all (deleted by a cleanup):
/// plain characters, no trailing dot, no device name.
bool isPlainFileName(const QString &name);
/// A file name as file systems that ignore case and trailing dots and
/// spaces see it, for comparing names.
QString normalisedFileName(const QString &name);

/// Why downloaded bytes may not replace `fileName`; empty when they may.
/// Profiles and engine files go through the same guarded loader as at start-up.
QString checkDownloadedFile(const QByteArray &bytes, const CLUpdateTarget &target,
                            const QString &fileName);
/// Why a downloaded installer file may not be kept; empty when it may.
QString checkDownloadedInstaller(const QString &path, const CLUpdateTarget &target);

/// One line of the site catalogue.
struct CLCatalogueLine
{
    QString id;
    QString version;
    QString file;
};
/// The catalogue text, values XML-escaped (plain values are written as they are).
QByteArray siteCatalogueText(const QList<CLCatalogueLine> &entries);
/// The lines of the rewritten catalogue: answer order, the written file of a
/// downloaded target and the current file and version of any other; targets
/// whose file is not in `profileDir` are left out.
QList<CLCatalogueLine> catalogueLinesAfterUpdate(const QList<const CLUpdateTarget *> &targets,
                                                 const QString &profileDir);
/// The lines of the catalogue after an update that may only add: `current`
/// with each downloaded target's entry replaced or appended.
QList<CLCatalogueLine> catalogueLinesAdded(const QList<CLCatalogueLine> &current,
                                           const QList<const CLUpdateTarget *> &targets);

/// What the decisions of an answer leave to ask and to download.
struct CLUpdatePlan
{
    int installer = -1;     ///< index of the installer candidate
    QList<int> updateList;  ///< indexes of the engine and site targets to confirm
    qint64 updateBytes = 0; ///< their summed size
    QStringList outdatedFiles;
};
/// Decides each target against the installed catalogue, engines and
/// application version; unknown classes, unusable sizes, targets without a
/// usable file name, installers that are not newer and further installers
/// are skipped, never downloaded nor counted.
CLUpdatePlan planUpdates(const QList<CLUpdateTarget *> &targets, const CLProcessor *processor,
                         const QString &appVersion);

/// The stored time format of the update settings.
QString updateTimestampText(const QDateTime &time);
/// A stored time; 2011-01-01 00:00:00 when absent or unreadable.
QDateTime parseUpdateTimestamp(const QString &text);
/// Whether a start-up check is due for an interval in days (-1: never).
bool isCheckDue(int intervalDays, const QDateTime &lastCheck, const QDateTime &now);
/// The stored check interval in days; -1 (never) when absent or not a number.
int storedCheckInterval(const QVariant &value);
/// Whether an installer upgrade may be offered again.
bool isUpgradeReminderDue(const QDateTime &lastRemind, const QDateTime &now);
