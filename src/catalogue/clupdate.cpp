#include "clupdate.h"

#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "cltranslator.h"
#include "htmltext.h"

#include <QCryptographicHash>
#include <QDomDocument>
#include <QFileInfo>
#include <QRegularExpression>
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

QString decodeMessage(const QString &value)
{
    return QString::fromLatin1(QByteArray::fromPercentEncoding(value.toLatin1()))
        .left(MaxUpdateMessageLength);
}

std::unique_ptr<QDomDocument> documentOf(const QByteArray &bytes, const QString &fileName)
{
    QByteArray xml = bytes;
    if (!fileName.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive)) {
        bool ok = false;
        xml = unpackXml(bytes, &ok);
        if (!ok)
            return nullptr;
    }
    auto document = std::make_unique<QDomDocument>();
    if (!document->setContent(xml))
        return nullptr;
    return document;
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

CLUpdateAnswer parseUpdateAnswer(const QByteArray &data)
{
    CLUpdateAnswer answer;
    if (data.size() > MaxUpdateAnswerSize) {
        answer.notes << QStringLiteral("answer larger than %1 bytes").arg(MaxUpdateAnswerSize);
        return answer;
    }
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

bool isComparableChecksum(const QString &checksum)
{
    const qsizetype size = checksum.size();
    return (size == 32 || size == 40 || size == 64) && isHex(checksum);
}

bool checksumMatches(const QByteArray &bytes, const QString &checksum)
{
    if (!isComparableChecksum(checksum))
        return true;
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
        rules.reserved.insert(processor->catalogueFile.toLower());
    if (!processor->historyFile.isEmpty())
        rules.reserved.insert(processor->historyFile.toLower());
    for (const CLSiteIndexItem *entry : processor->siteIndex) {
        const QString name = entry->file.toLower();
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
    return name.size() <= 128 && pattern.match(name).hasMatch() && !device.match(name).hasMatch();
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
    const QString lower = name.toLower();
    if (rules.used.contains(lower) || rules.reserved.contains(lower))
        return QString();
    const bool isEngineFile = !rules.engineFile.isEmpty() && lower == rules.engineFile.toLower();
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
    if (!parseUpdateSize(target.bytes, &declared))
        return QStringLiteral("no usable size");
    if (declared != 0 && declared != bytes.size())
        return QStringLiteral("%1 bytes instead of %2").arg(bytes.size()).arg(declared);
    if (!checksumMatches(bytes, target.checksum))
        return QStringLiteral("checksum mismatch");

    switch (targetClassOf(target.id)) {
    case CLTargetClass::Installer:
        return QString();
    case CLTargetClass::Site: {
        const auto document = documentOf(bytes, fileName);
        if (!document || document->documentElement().tagName() != QLatin1String("site"))
            return QStringLiteral("not a site profile");
        const std::unique_ptr<CLSite> site(readProfile(*document));
        if (!site)
            return QStringLiteral("the profile is not valid");
        if (site->id != target.id)
            return QStringLiteral("the profile is for %1").arg(site->id);
        return QString();
    }
    case CLTargetClass::Engine: {
        const auto document = documentOf(bytes, fileName);
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

CLUpdatePlan planUpdates(const QList<CLUpdateTarget *> &targets, const CLProcessor *processor,
                         const QString &appVersion)
{
    CLUpdatePlan plan;
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
            target->needed = target->version != appVersion;
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

bool isUpgradeReminderDue(const QDateTime &lastRemind, const QDateTime &now)
{
    return lastRemind.addDays(7) < now;
}
