#include "updateservice.h"

#include "clsigning.h"
#include "clupdate.h"
#include "htmltext.h"

#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QDomElement>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

namespace {

const QString FilesPrefix = QStringLiteral("/files/");
// A reply is held in memory whole.
constexpr qint64 MaxServedSize = 64 * 1024 * 1024;

QByteArray readFile(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly) && file.size() <= MaxServedSize;
    return *ok ? file.readAll() : QByteArray();
}

void addState(QByteArray &state, const QFileInfo &info)
{
    state += info.fileName().toUtf8() + '|' +
             QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + '|' +
             QByteArray::number(info.size()) + '\n';
}

// A value goes into a "|"-separated line: none of the separators may appear.
bool fitsRecord(const QString &value)
{
    return !value.isEmpty() && !value.contains(QLatin1Char('|')) &&
           !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')) &&
           !value.contains(QChar(0));
}

QByteArray mimeTypeOf(const QString &name)
{
    static const QHash<QString, QByteArray> types = {
        {QStringLiteral("html"), "text/html; charset=utf-8"},
        {QStringLiteral("htm"), "text/html; charset=utf-8"},
        {QStringLiteral("css"), "text/css"},
        {QStringLiteral("js"), "text/javascript"},
        {QStringLiteral("json"), "application/json"},
        {QStringLiteral("xml"), "text/xml"},
        {QStringLiteral("txt"), "text/plain; charset=utf-8"},
        {QStringLiteral("png"), "image/png"},
        {QStringLiteral("jpg"), "image/jpeg"},
        {QStringLiteral("jpeg"), "image/jpeg"},
        {QStringLiteral("gif"), "image/gif"},
        {QStringLiteral("svg"), "image/svg+xml"},
    };
    return types.value(QFileInfo(name).suffix().toLower(), "application/octet-stream");
}

ServedReply notFound()
{
    return ServedReply{404, "text/plain", "not found\n"};
}

} // namespace

bool UpdateService::isCheckPath(const QString &path)
{
    return path == QLatin1String("/tsup/vercheck.php") || path == QLatin1String("/vc/vc.php");
}

QByteArray UpdateService::folderState() const
{
    QByteArray state;
    if (!profileDir.isEmpty()) {
        const QFileInfoList entries =
            QDir(profileDir).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QFileInfo &info : entries)
            addState(state, info);
    }
    if (!installerPath.isEmpty())
        addState(state, QFileInfo(installerPath));
    return state;
}

QList<UpdateService::Offer> UpdateService::offers() const
{
    // Listing the folder is cheap; reading and hashing every file is not.
    const QByteArray state = folderState();
    if (state != m_cachedState || m_cachedState.isEmpty()) {
        m_cachedOffers = readOffers();
        m_cachedState = state;
    }
    return m_cachedOffers;
}

QList<UpdateService::Offer> UpdateService::readOffers() const
{
    QList<Offer> found;
    if (!profileDir.isEmpty()) {
        const QDir dir(profileDir);
        // The folder's catalogue, when there is one, gives the order readers see.
        QStringList names;
        if (const auto catalogue = loadXmlDocument(dir.filePath(QStringLiteral("sites.xml")))) {
            for (QDomElement e =
                     catalogue->documentElement().firstChildElement(QStringLiteral("site"));
                 !e.isNull(); e = e.nextSiblingElement(QStringLiteral("site")))
                names.append(e.attribute(QStringLiteral("file")));
        }
        const QStringList all = dir.entryList(QDir::Files, QDir::Name);
        for (const QString &name : all) {
            if (!names.contains(name))
                names.append(name);
        }
        QSet<QString> ids;
        for (const QString &name : std::as_const(names)) {
            if (!all.contains(name) || !isPlainFileName(name) || name == QLatin1String("sites.xml"))
                continue;
            const auto document = loadXmlDocument(dir.filePath(name));
            if (!document)
                continue;
            const QDomElement root = document->documentElement();
            Offer offer;
            offer.file = name;
            offer.version = root.attribute(QStringLiteral("version"));
            if (root.tagName() == QLatin1String("site"))
                offer.id = root.attribute(QStringLiteral("id"));
            else if (root.tagName() == QLatin1String("translators"))
                offer.id = QStringLiteral("(r)") + QFileInfo(name).completeBaseName();
            if (!fitsRecord(offer.id) || !fitsRecord(offer.version) || ids.contains(offer.id))
                continue;
            bool ok = false;
            const QByteArray bytes = readFile(dir.filePath(name), &ok);
            if (!ok)
                continue;
            offer.size = bytes.size();
            offer.sha256 = sha256Hex(bytes);
            ids.insert(offer.id);
            found.append(offer);
        }
    }
    if (!installerPath.isEmpty() && QFileInfo(installerPath).isFile() &&
        fitsRecord(installerVersion)) {
        Offer offer;
        offer.id = QStringLiteral("(a)") + QFileInfo(installerPath).completeBaseName();
        offer.version = installerVersion;
        offer.file = installerPath;
        offer.message = installerNotes;
        bool ok = false;
        const QByteArray bytes = readFile(installerPath, &ok);
        offer.size = bytes.size();
        offer.sha256 = sha256Hex(bytes);
        if (ok)
            found.append(offer);
    }
    return found;
}

QByteArray UpdateService::answer() const
{
    QByteArray text = "TR|R0\n";
    for (const Offer &offer : offers()) {
        const QString name = QFileInfo(offer.file).fileName();
        text += "TF|I" + offer.id.toUtf8() + "|V" + offer.version.toUtf8() + "|B" +
                QByteArray::number(offer.size) + "|C" + offer.sha256.toLatin1() + "|U" +
                baseUrl.toUtf8() + FilesPrefix.toUtf8() + QUrl::toPercentEncoding(name, "._-") +
                ".ra";
        if (!offer.message.isEmpty())
            text += "|M" + offer.message.toUtf8().toPercentEncoding();
        text += '\n';
    }
    if (!endpoints.isEmpty()) {
        text += "TV";
        for (const QString &endpoint : endpoints)
            text += "|U" + endpoint.toUtf8();
        text += '\n';
    }
    return signingKey.isEmpty() ? text : signAnswer(text, signingKey);
}

QString UpdateService::servedFile(const QString &name) const
{
    for (const Offer &offer : offers()) {
        if (QFileInfo(offer.file).fileName() == name)
            return QFileInfo(offer.file).isAbsolute() ? offer.file : profileDir + u'/' + offer.file;
    }
    return QString();
}

ServedReply UpdateService::siteFile(const QString &path) const
{
    // Only plain segments: nothing outside the site folder is reachable.
    const QStringList segments = path.split(u'/', Qt::SkipEmptyParts);
    for (const QString &segment : segments) {
        if (segment.startsWith(u'.') || segment.contains(u'\\') || segment.contains(QChar(0)))
            return notFound();
    }
    QString file = siteDir + u'/' + segments.join(u'/');
    if (QFileInfo(file).isDir())
        file += QStringLiteral("/index.html");
    // Links inside the folder must not lead out of it either.
    const QString root = QFileInfo(siteDir).canonicalFilePath();
    const QString real = QFileInfo(file).canonicalFilePath();
    if (root.isEmpty() || !real.startsWith(root + u'/') || !QFileInfo(real).isFile())
        return notFound();
    bool ok = false;
    const QByteArray bytes = readFile(real, &ok);
    if (!ok)
        return notFound();
    return ServedReply{200, mimeTypeOf(real), bytes};
}

ServedReply UpdateService::respond(const QByteArray &method, const QString &path) const
{
    if (isCheckPath(path)) {
        if (method != "POST")
            return ServedReply{405, "text/plain", "POST only\n"};
        return ServedReply{200, "text/plain", answer()};
    }
    // Nothing else is answered: no other path, no other method.
    if (!path.startsWith(FilesPrefix) && siteDir.isEmpty())
        return notFound();
    if (method != "GET" && method != "HEAD")
        return ServedReply{405, "text/plain", "GET only\n"};
    if (path.startsWith(FilesPrefix)) {
        QString name = path.mid(FilesPrefix.size());
        if (name.endsWith(QLatin1String(".ra")))
            name.chop(3);
        const QString file = isPlainFileName(name) ? servedFile(name) : QString();
        bool ok = false;
        const QByteArray bytes = file.isEmpty() ? QByteArray() : readFile(file, &ok);
        if (!ok)
            return notFound();
        return ServedReply{200, "application/octet-stream", bytes};
    }
    if (!siteDir.isEmpty())
        return siteFile(path);
    return notFound();
}
