#include "clupdate.h"

#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsigning.h"
#include "clsitemodel.h"
#include "cltranslator.h"
#include "htmltext.h"

#include <QCryptographicHash>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

#include <limits>
#include <memory>

namespace {

const QString TimestampFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
const QString RaSuffix = QStringLiteral(".ra");

bool hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

// Text that ends up in the catalogue and in comparisons: no control
// characters (XML cannot hold them) and a sane length.
bool isCleanField(const QString &text)
{
    return !text.isEmpty() && text.size() <= MaxUpdateFieldLength && !hasControlCharacter(text);
}

// Notes in any script arrive as percent-encoded UTF-8; older services send Latin-1.
QString decodeMessage(const QString &value)
{
    const QByteArray bytes = QByteArray::fromPercentEncoding(value.toLatin1());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return text.left(MaxUpdateMessageLength);
}

std::unique_ptr<QDomDocument> documentOf(const QByteArray &bytes, const QString &fileName,
                                         QString *problem)
{
    XmlLoadError error;
    auto document =
        parseDataFile(bytes, fileName.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive), &error);
    if (!document)
        *problem = error.reason;
    return document;
}

// Dotted digits as numbers; empty when the text is anything else.
QList<qint64> versionNumbers(const QString &text)
{
    QList<qint64> numbers;
    for (const QString &part : text.split(QLatin1Char('.'))) {
        if (part.isEmpty() || part.size() > 12)
            return {};
        for (const QChar c : part) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return {};
        }
        numbers.append(part.toLongLong());
    }
    return numbers;
}

bool isHex(const QString &text)
{
    for (const QChar c : text) {
        if (!c.isDigit() && !(c >= QLatin1Char('a') && c <= QLatin1Char('f')) &&
            !(c >= QLatin1Char('A') && c <= QLatin1Char('F')))
            return false;
    }
    return true;
}

qint64 saturatedAdd(qint64 a, qint64 b)
{
    return a > std::numeric_limits<qint64>::max() - b ? std::numeric_limits<qint64>::max() : a + b;
}

QString xmlEscaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QLatin1String("&amp;");
            break;
        case '<':
            out += QLatin1String("&lt;");
            break;
        case '>':
            out += QLatin1String("&gt;");
            break;
        case '"':
            out += QLatin1String("&quot;");
            break;
        case '\t':
            out += QLatin1String("&#9;");
            break;
        case '\n':
            out += QLatin1String("&#10;");
            break;
        case '\r':
            out += QLatin1String("&#13;");
            break;
        default:
            // XML 1.0 has no way to hold the other control characters.
            if (c.unicode() >= 0x20)
                out += c;
            break;
        }
    }
    return out;
}

} // namespace

CLTargetClass targetClassOf(const QString &id)
{
    if (id.startsWith(QLatin1String("(a)")))
        return CLTargetClass::Installer;
    if (id.startsWith(QLatin1String("(r)")))
        return CLTargetClass::Engine;
    if (id.startsWith(QLatin1String("(s)")))
        return CLTargetClass::Site;
    return CLTargetClass::Unknown;
}

bool isUpdateUrl(const QString &url)
{
    if (url.isEmpty() || url.size() > 2048)
        return false;
    for (const QChar c : url) {
        if (c.unicode() <= 0x20 || c.unicode() == 0x7f)
            return false;
    }
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty())
        return false;
    const QString scheme = parsed.scheme();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

bool parseUpdateSize(const QString &text, qint64 *value)
{
    if (text.isEmpty() || text.size() > 19)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    const qint64 parsed = text.toLongLong(&ok);
    if (!ok)
        return false;
    if (value)
        *value = parsed;
    return true;
}

CLUpdateAnswer parseUpdateAnswer(const QByteArray &data, const QList<QByteArray> &trustedKeys)
{
    CLUpdateAnswer answer;
    if (data.size() > MaxUpdateAnswerSize) {
        answer.notes << QStringLiteral("answer larger than %1 bytes").arg(MaxUpdateAnswerSize);
        return answer;
    }
    const CLAnswerSignature signature = verifyAnswerSignature(data, trustedKeys);
    answer.hasSignature = signature.present;
    answer.keyId = signature.keyId;
    answer.trusted = signature.verified();
    if (signature.present && !signature.last)
        answer.notes << QStringLiteral("signature record is not the last line");
    const qsizetype nul = data.indexOf('\0');
    const QString text = QString::fromLatin1(nul >= 0 ? data.left(nul) : data);
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.constFirst() != QLatin1String("TR|R0"))
        return answer;
    answer.valid = true;

    QSet<QString> ids;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QStringList fields = lines.at(n).split(QLatin1Char('|'));
        if (fields.size() < 2)
            continue;
        const QString &record = fields.constFirst();
        if (record == QLatin1String("TF")) {
            CLUpdateTarget target;
            QStringList urls;
            for (qsizetype f = 1; f < fields.size(); ++f) {
                const QString &field = fields.at(f);
                if (field.isEmpty())
                    continue;
                const QString value = field.mid(1);
                switch (field.at(0).unicode()) {
                case 'I':
                    target.id = value;
                    break;
                case 'V':
                    target.version = value;
                    break;
                case 'B':
                    target.bytes = value.isEmpty() ? QStringLiteral("0") : value;
                    break;
                case 'C':
                    target.checksum = value;
                    break;
                case 'U':
                    urls.append(value);
                    break;
                case 'M':
                    target.message = decodeMessage(value);
                    break;
                default:
                    break;
                }
            }
            for (const QString &url : std::as_const(urls)) {
                if (isUpdateUrl(url))
                    target.urls.append(url);
                else
                    answer.notes << QStringLiteral("line %1: URL dropped: %2").arg(n + 1).arg(url);
            }
            if (target.id.isEmpty() || target.version.isEmpty() || target.checksum.isEmpty() ||
                target.urls.isEmpty()) {
                answer.notes << QStringLiteral("line %1: incomplete target dropped").arg(n + 1);
                continue;
            }
            if (!isCleanField(target.id) || !isCleanField(target.version) ||
                !isCleanField(target.checksum) || target.bytes.size() > MaxUpdateFieldLength) {
                answer.notes
                    << QStringLiteral("line %1: target with unusable text dropped").arg(n + 1);
                continue;
            }
            if (ids.contains(target.id)) {
                answer.notes
                    << QStringLiteral("line %1: repeated id %2 dropped").arg(n + 1).arg(target.id);
                continue;
            }
            ids.insert(target.id);
            answer.targets.append(target);
        } else if (record == QLatin1String("TV")) {
            QStringList endpoints;
            for (qsizetype f = 1; f < fields.size(); ++f) {
                const QString &field = fields.at(f);
                if (!field.startsWith(QLatin1Char('U')))
                    continue;
                if (isUpdateUrl(field.mid(1)))
                    endpoints.append(field.mid(1));
                else
                    answer.notes << QStringLiteral("line %1: endpoint dropped: %2")
                                        .arg(n + 1)
                                        .arg(field.mid(1));
            }
            // A list with nothing usable would leave no way to check again.
            if (!endpoints.isEmpty())
                answer.endpoints = endpoints;
        }
    }
    return answer;
}

QString targetRefusal(const CLUpdateTarget &target, bool trusted)
{
    qint64 size = 0;
    if (!parseUpdateSize(target.bytes, &size))
        return QStringLiteral("size not a number");
    if (size == 0)
        return QStringLiteral("size 0");
    if (!isComparableChecksum(target.checksum))
        return QStringLiteral("checksum not hex");
    switch (targetClassOf(target.id)) {
    case CLTargetClass::Installer:
        if (!trusted)
            return QStringLiteral("unsigned answer");
        if (target.checksum.size() != 64)
            return QStringLiteral("installer without SHA-256");
        if (size > MaxInstallerSize)
            return QStringLiteral("installer larger than %1 bytes").arg(MaxInstallerSize);
        return QString();
    case CLTargetClass::Engine:
    case CLTargetClass::Site:
        if (size > MaxDataFileSize)
            return QStringLiteral("larger than %1 bytes").arg(MaxDataFileSize);
        return QString();
    case CLTargetClass::Unknown:
        break;
    }
    return QStringLiteral("unknown kind of target");
}

QString answerRefusal(const CLUpdateAnswer &answer)
{
    if (answer.targets.size() > MaxUpdateTargets)
        return QStringLiteral("%1 targets, more than %2")
            .arg(answer.targets.size())
            .arg(MaxUpdateTargets);
    qint64 total = 0;
    for (const CLUpdateTarget &target : answer.targets) {
        qint64 size = 0;
        if (targetClassOf(target.id) != CLTargetClass::Installer &&
            targetRefusal(target, answer.trusted).isEmpty() && parseUpdateSize(target.bytes, &size))
            total = saturatedAdd(total, size);
    }
    if (total > MaxUpdateRunBytes)
        return QStringLiteral("%1 bytes of files, more than %2").arg(total).arg(MaxUpdateRunBytes);
    return QString();
}

CLUpdateAnswer usableAnswer(const CLUpdateAnswer &answer)
{
    CLUpdateAnswer usable = answer;
    usable.targets.clear();
    const QString refusal = answerRefusal(answer);
    if (!refusal.isEmpty()) {
        usable.endpoints.clear();
        usable.notes << QStringLiteral("answer refused whole: %1").arg(refusal);
        return usable;
    }
    if (!answer.trusted && !answer.endpoints.isEmpty()) {
        usable.endpoints.clear();
        usable.notes << QStringLiteral("TV record ignored: unsigned answer");
    }
    for (const CLUpdateTarget &target : answer.targets) {
        const QString reason = targetRefusal(target, answer.trusted);
        if (reason.isEmpty()) {
            usable.targets.append(target);
            continue;
        }
        usable.refused.append(target);
        usable.notes
            << QStringLiteral("target %1 ignored: %2").arg(escapedForLog(target.id), reason);
    }
    return usable;
}

bool isNewerVersion(const QString &offered, const QString &running)
{
    QList<qint64> a = versionNumbers(offered);
    QList<qint64> b = versionNumbers(running);
    if (a.isEmpty() || b.isEmpty())
        return false;
    while (a.size() < b.size())
        a.append(0);
    while (b.size() < a.size())
        b.append(0);
    return a > b;
}

QString escapedForLog(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u < 0xa0) || u == 0x2028 || u == 0x2029 ||
            (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069))
            out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else if (u == '\\')
            out += QLatin1String("\\\\");
        else
            out += c;
    }
    return out;
}

bool isComparableChecksum(const QString &checksum)
{
    const qsizetype size = checksum.size();
    return (size == 32 || size == 40 || size == 64) && isHex(checksum);
}

bool checksumMatches(const QByteArray &bytes, const QString &checksum)
{
    if (!isComparableChecksum(checksum))
        return false;
    QCryptographicHash::Algorithm algorithm = QCryptographicHash::Sha256;
    if (checksum.size() == 32)
        algorithm = QCryptographicHash::Md5;
    else if (checksum.size() == 40)
        algorithm = QCryptographicHash::Sha1;
    const QByteArray actual = QCryptographicHash::hash(bytes, algorithm).toHex();
    return QString::fromLatin1(actual).compare(checksum, Qt::CaseInsensitive) == 0;
}

QString sha256Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

CLUpdateNameRules CLUpdateNameRules::fromProcessor(const CLProcessor *processor)
{
    CLUpdateNameRules rules;
    rules.reserved = {QStringLiteral("sites.xml"), QStringLiteral("profile_error.log"),
                      QStringLiteral("access.his")};
    if (!processor)
        return rules;
    rules.engineFile = processor->translatorFile;
    if (!processor->catalogueFile.isEmpty())
        rules.reserved.insert(normalisedFileName(processor->catalogueFile));
    if (!processor->historyFile.isEmpty())
        rules.reserved.insert(normalisedFileName(processor->historyFile));
    for (const CLSiteIndexItem *entry : processor->siteIndex) {
        const QString name = normalisedFileName(entry->file);
        if (!rules.entryFiles.contains(name))
            rules.entryFiles.insert(name, entry->id);
    }
    return rules;
}

bool isPlainFileName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._-]*$"));
    static const QRegularExpression device(
        QStringLiteral("^(con|prn|aux|nul|com[0-9]|lpt[0-9])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    // "sites.xml." is "sites.xml" on some file systems.
    return name.size() <= 128 && pattern.match(name).hasMatch() &&
           !name.endsWith(QLatin1Char('.')) && !device.match(name).hasMatch();
}

QString normalisedFileName(const QString &name)
{
    qsizetype end = name.size();
    while (end > 0 &&
           (name.at(end - 1) == QLatin1Char('.') || name.at(end - 1) == QLatin1Char(' ')))
        --end;
    return name.left(end).toCaseFolded();
}

QString urlFileName(const QString &url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid())
        return QString();
    const QString path = parsed.path(QUrl::FullyEncoded);
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (name.endsWith(RaSuffix))
        name.chop(RaSuffix.size());
    return isPlainFileName(name) ? name : QString();
}

QString updateFileName(const QString &url, const CLUpdateTarget &target,
                       const CLUpdateNameRules &rules)
{
    const QString name = urlFileName(url);
    if (name.isEmpty())
        return QString();
    const QString lower = normalisedFileName(name);
    if (rules.used.contains(lower) || rules.reserved.contains(lower))
        return QString();
    const bool isEngineFile =
        !rules.engineFile.isEmpty() && lower == normalisedFileName(rules.engineFile);
    switch (targetClassOf(target.id)) {
    case CLTargetClass::Engine:
        // The reader loads engines from one file only; any other name would be dead weight.
        return isEngineFile ? rules.engineFile : QString();
    case CLTargetClass::Site: {
        if (isEngineFile)
            return QString();
        const QString owner = rules.entryFiles.value(lower);
        if (!owner.isNull() && owner != target.id)
            return QString();
        return name;
    }
    default:
        return QString();
    }
}

QString checkDownloadedFile(const QByteArray &bytes, const CLUpdateTarget &target,
                            const QString &fileName)
{
    if (bytes.size() > MaxUpdateDownloadSize)
        return QStringLiteral("larger than %1 bytes").arg(MaxUpdateDownloadSize);
    qint64 declared = 0;
    if (!parseUpdateSize(target.bytes, &declared) || declared <= 0)
        return QStringLiteral("no usable size");
    if (declared != bytes.size())
        return QStringLiteral("%1 bytes instead of %2").arg(bytes.size()).arg(declared);
    if (!isComparableChecksum(target.checksum))
        return QStringLiteral("no comparable checksum");
    if (!checksumMatches(bytes, target.checksum))
        return QStringLiteral("checksum mismatch");

    QString problem;
    switch (targetClassOf(target.id)) {
    case CLTargetClass::Installer:
        return QStringLiteral("installers are checked as files");
    case CLTargetClass::Site: {
        const auto document = documentOf(bytes, fileName, &problem);
        if (!document)
            return QStringLiteral("not a site profile: %1").arg(problem);
        if (document->documentElement().tagName() != QLatin1String("site"))
            return QStringLiteral("not a site profile");
        CLProfileError error;
        const std::unique_ptr<CLSite> site(readProfile(*document, &error));
        if (!site)
            return QStringLiteral("the profile is not valid: %1").arg(error.toString());
        if (site->id != target.id)
            return QStringLiteral("the profile is for %1").arg(site->id);
        return QString();
    }
    case CLTargetClass::Engine: {
        const auto document = documentOf(bytes, fileName, &problem);
        CLProcessor check;
        if (!document || !check.parseTranslators(*document) || check.translators.isEmpty())
            return QStringLiteral("not an engine definitions file");
        return QString();
    }
    case CLTargetClass::Unknown:
        break;
    }
    return QStringLiteral("unknown target class");
}

QString checkDownloadedInstaller(const QString &path, const CLUpdateTarget &target)
{
    qint64 declared = 0;
    if (!parseUpdateSize(target.bytes, &declared) || declared <= 0 || declared > MaxInstallerSize)
        return QStringLiteral("no usable size");
    if (target.checksum.size() != 64 || !isComparableChecksum(target.checksum))
        return QStringLiteral("no SHA-256");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read");
    if (file.size() != declared)
        return QStringLiteral("%1 bytes instead of %2").arg(file.size()).arg(declared);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QStringLiteral("cannot be read");
    if (QString::fromLatin1(hash.result().toHex()).compare(target.checksum, Qt::CaseInsensitive))
        return QStringLiteral("checksum mismatch");
    return QString();
}

QByteArray siteCatalogueText(const QList<CLCatalogueLine> &entries)
{
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sites>\n");
    for (const CLCatalogueLine &entry : entries) {
        text += QStringLiteral("\t<site id=\"%1\" version=\"%2\" file=\"%3\" />\n")
                    .arg(xmlEscaped(entry.id), xmlEscaped(entry.version), xmlEscaped(entry.file));
    }
    text += QStringLiteral("</sites>\n");
    return text.toUtf8();
}

QList<CLCatalogueLine> catalogueLinesAfterUpdate(const QList<const CLUpdateTarget *> &targets,
                                                 const QString &profileDir)
{
    QList<CLCatalogueLine> lines;
    for (const CLUpdateTarget *target : targets) {
        if (targetClassOf(target->id) != CLTargetClass::Site || target->urls.isEmpty())
            continue;
        CLCatalogueLine line;
        line.id = target->id;
        if (!target->writtenFile.isEmpty()) {
            line.version = target->version;
            line.file = target->writtenFile;
        } else if (!target->localFile.isEmpty()) {
            // Nothing new arrived: the entry stays as it was, so the next
            // check offers the update again.
            line.version = target->localVersion.isEmpty() ? target->version : target->localVersion;
            line.file = target->localFile;
        } else {
            continue;
        }
        if (QFileInfo(profileDir + QLatin1Char('/') + line.file).isFile())
            lines.append(line);
    }
    return lines;
}

QList<CLCatalogueLine> catalogueLinesAdded(const QList<CLCatalogueLine> &current,
                                           const QList<const CLUpdateTarget *> &targets)
{
    QList<CLCatalogueLine> lines = current;
    for (const CLUpdateTarget *target : targets) {
        if (targetClassOf(target->id) != CLTargetClass::Site || target->writtenFile.isEmpty())
            continue;
        const CLCatalogueLine line{target->id, target->version, target->writtenFile};
        bool replaced = false;
        for (CLCatalogueLine &existing : lines) {
            if (existing.id == target->id) {
                existing = line;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            lines.append(line);
    }
    return lines;
}

CLUpdatePlan planUpdates(const QList<CLUpdateTarget *> &targets, const CLProcessor *processor,
                         const QString &appVersion)
{
    CLUpdatePlan plan;
    const CLUpdateNameRules rules = CLUpdateNameRules::fromProcessor(processor);
    bool installerSeen = false;
    for (qsizetype i = 0; i < targets.size(); ++i) {
        CLUpdateTarget *target = targets.at(i);
        target->needed = true;
        target->abandoned = false;
        target->skipReason.clear();
        qint64 size = 0;
        const bool sized = parseUpdateSize(target->bytes, &size);
        auto skip = [target](const QString &reason) {
            target->needed = false;
            target->skipReason = reason;
        };

        switch (targetClassOf(target->id)) {
        case CLTargetClass::Installer:
            if (installerSeen) {
                skip(QStringLiteral("a further installer"));
                break;
            }
            installerSeen = true;
            target->needed = isNewerVersion(target->version, appVersion);
            if (target->needed && !sized)
                skip(QStringLiteral("installer without a usable size"));
            else if (target->needed)
                plan.installer = int(i);
            break;
        case CLTargetClass::Engine: {
            bool installed = processor && !processor->translatorVersion.isEmpty() &&
                             processor->translatorVersion == target->version;
            if (processor) {
                for (const CLTranslator *translator : processor->translators)
                    installed = installed || translator->version == target->version;
            }
            target->needed = !installed;
            break;
        }
        case CLTargetClass::Site:
            if (processor) {
                for (const CLSiteIndexItem *entry : processor->siteIndex) {
                    if (entry->id != target->id)
                        continue;
                    target->localFile = entry->file;
                    target->localVersion = entry->version;
                    target->needed = entry->version != target->version;
                    break;
                }
            }
            break;
        case CLTargetClass::Unknown:
            skip(QStringLiteral("unknown kind of target"));
            break;
        }

        const CLTargetClass kind = targetClassOf(target->id);
        if (!target->needed || (kind != CLTargetClass::Engine && kind != CLTargetClass::Site))
            continue;
        if (!sized) {
            // Nobody could agree to a download of unknown size.
            skip(QStringLiteral("size is not a number"));
            continue;
        }
        bool nameUsable = false;
        for (const QString &url : std::as_const(target->urls))
            nameUsable = nameUsable || !updateFileName(url, *target, rules).isEmpty();
        if (!nameUsable) {
            skip(QStringLiteral("no URL names a file it may write"));
            continue;
        }
        if (!target->localFile.isEmpty() && !plan.outdatedFiles.contains(target->localFile))
            plan.outdatedFiles.append(target->localFile);
        plan.updateList.append(int(i));
        plan.updateBytes = saturatedAdd(plan.updateBytes, size);
    }
    return plan;
}

QString updateTimestampText(const QDateTime &time)
{
    return time.toString(TimestampFormat);
}

QDateTime parseUpdateTimestamp(const QString &text)
{
    QDateTime time = QDateTime::fromString(text, TimestampFormat);
    if (!time.isValid())
        time = QDateTime::fromString(QStringLiteral("2011-01-01 00:00:00"), TimestampFormat);
    return time;
}

bool isCheckDue(int intervalDays, const QDateTime &lastCheck, const QDateTime &now)
{
    if (intervalDays == -1)
        return false;
    return lastCheck.addDays(intervalDays) < now;
}

int storedCheckInterval(const QVariant &value)
{
    bool ok = false;
    const int days = value.toString().trimmed().toInt(&ok);
    return ok ? days : -1;
}

bool isUpgradeReminderDue(const QDateTime &lastRemind, const QDateTime &now)
{
    return lastRemind.addDays(7) < now;
}
