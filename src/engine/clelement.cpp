#include "clelement.h"

#include "htmltext.h"

#include <QDataStream>
#include <QDomDocument>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

CLData::CLData(int type) : type(type) {}

CLData::CLData(const QString &text) : type(DataText), text(text) {}

CLData::CLData(const QByteArray &bytes) : type(DataBytes), bytes(bytes) {}

CLData::CLData(const QList<CLURLData *> &urls) : type(DataURLList), urls(urls) {}

CLData::~CLData()
{
    qDeleteAll(urls);
}

CLURLData *CLData::asURL()
{
    return type == DataURL ? static_cast<CLURLData *>(this) : nullptr;
}

const CLURLData *CLData::asURL() const
{
    return type == DataURL ? static_cast<const CLURLData *>(this) : nullptr;
}

namespace {

// Whether a '%' of a URL component starts no escape: QUrl then escapes every
// '%' of that component.
bool hasStrayPercent(QStringView part)
{
    const auto isHex = [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    };
    for (qsizetype i = part.indexOf(u'%'); i >= 0; i = part.indexOf(u'%', i + 1)) {
        if (i + 2 >= part.size() || !isHex(part.at(i + 1)) || !isHex(part.at(i + 2)))
            return true;
    }
    return false;
}

// Where the user name, password, host, path, query and fragment begin, as
// QUrl splits a URL (each a component of its own for the stray-'%' rule).
QList<qsizetype> componentStarts(const QString &url)
{
    qsizetype fragment = url.indexOf(u'#');
    if (fragment < 0)
        fragment = url.size();
    qsizetype query = QStringView(url).first(fragment).indexOf(u'?');
    if (query < 0)
        query = fragment;
    const auto endOfAuthority = [&url, query](qsizetype from) {
        const qsizetype slash = QStringView(url).first(query).indexOf(u'/', from);
        return slash < 0 ? query : slash;
    };
    const qsizetype colon = url.indexOf(u':');
    qsizetype path = 0;
    QList<qsizetype> starts;
    if (colon >= 0 && colon < endOfAuthority(0)) {
        path = colon + 1;
        if (QStringView(url).sliced(path).startsWith(u"//")) {
            const qsizetype authority = path + 2;
            path = endOfAuthority(authority);
            const QStringView authorityText = QStringView(url).sliced(authority, path - authority);
            const qsizetype at = authorityText.indexOf(u'@');
            if (at >= 0) {
                starts.append(authority);
                const qsizetype password = authorityText.first(at).indexOf(u':');
                if (password >= 0)
                    starts.append(authority + password + 1);
                starts.append(authority + at + 1);
            }
        }
    }
    starts.append({qMin(path, query), query, fragment});
    return starts;
}

// ASCII and Latin-1 stay as they are, so that the history hashes of stored
// URLs still match; anything beyond goes out as percent-encoded UTF-8, the
// form servers expect for such characters.
QString latin1OrPercentEncoded(const QString &url)
{
    qsizetype i = 0;
    while (i < url.size() && url.at(i).unicode() <= 0xFF)
        ++i;
    if (i == url.size())
        return url;
    // The escapes added here must not be taken for the stray '%' that makes
    // QUrl escape every '%' of a component: such a component gets its '%'s
    // escaped as QUrl would have escaped them.
    const QList<qsizetype> starts = componentStarts(url);
    QList<bool> escapePercent;
    for (qsizetype c = 0, from = 0; c <= starts.size(); ++c) {
        const qsizetype to = c < starts.size() ? starts.at(c) : url.size();
        escapePercent.append(hasStrayPercent(QStringView(url).sliced(from, to - from)));
        from = to;
    }
    const auto appendLatin1 = [&](QString &out, qsizetype from, qsizetype to) {
        for (qsizetype k = from; k < to; ++k) {
            const qsizetype component =
                std::upper_bound(starts.cbegin(), starts.cend(), k) - starts.cbegin();
            if (url.at(k) == u'%' && escapePercent.at(component))
                out += QLatin1String("%25");
            else
                out += url.at(k);
        }
    };
    QString result;
    result.reserve(url.size() + 16);
    appendLatin1(result, 0, i);
    while (i < url.size()) {
        qsizetype begin = i;
        while (i < url.size() && url.at(i).unicode() > 0xFF)
            ++i;
        // Through UCS-4, a lone surrogate becomes U+FFFD rather than '?'.
        const QList<uint> ucs4 = QStringView(url).sliced(begin, i - begin).toUcs4();
        const QByteArray utf8 =
            QString::fromUcs4(reinterpret_cast<const char32_t *>(ucs4.constData()), ucs4.size())
                .toUtf8();
        for (const char byte : utf8)
            result += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
        begin = i;
        while (i < url.size() && url.at(i).unicode() <= 0xFF)
            ++i;
        appendLatin1(result, begin, i);
    }
    return result;
}

} // namespace

CLURLData::CLURLData(const QString &url, const QString &titleHtml, int urlKind)
    : CLData(DataURL), url(latin1OrPercentEncoded(url)), title(htmlToText(titleHtml, true, true)),
      urlKind(urlKind)
{
}

CLURLData::~CLURLData() = default;

CLElement::CLElement(int kind, const QString &language, const CLObject *origin, CLData *value,
                     CLElement *parent)
    : kind(kind), value(value), parent(parent), language(language), origin(origin)
{
    if (parent)
        parent->children.append(this);
}

CLElement::CLElement(CLElement *source, const QString &language, CLElement *parent)
    : kind(source ? source->kind : KindNone), parent(parent), source(source), language(language),
      origin(source ? source->origin : nullptr)
{
    if (parent)
        parent->children.append(this);
    if (source) {
        for (CLElement *child : std::as_const(source->children))
            new CLElement(child, language, this);
    }
}

CLElement::~CLElement()
{
    qDeleteAll(children);
    delete value;
}

QString CLElement::text() const
{
    if (!value)
        return QString();
    if (value->type == DataText)
        return value->text;
    if (const CLURLData *url = value->asURL())
        return url->title;
    return QString();
}

CLElementCarrier::CLElementCarrier(CLElement *element, QObject *parent)
    : QObject(parent), element(element)
{
}

bool countTranslation(const CLElement *element, int &done, int &pending)
{
    if (element && element->source) {
        if (!element->parent || !element->source->value)
            ++done;
        else if (element->value)
            ++done;
        else
            ++pending;
        for (const CLElement *child : element->children)
            countTranslation(child, done, pending);
    }
    return pending == 0;
}

quint32 historyHash(const QString &url)
{
    // The history file stores hashes made with this exact function; changing
    // it would forget every article a reader has already read.
    quint32 h = 0;
    for (const QChar c : url) {
        h = (h << 4) + c.unicode();
        h ^= (h & 0xf0000000u) >> 23;
        h &= 0x0fffffffu;
    }
    return h;
}

int loadHistory(QSet<quint32> &set, const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return 0;
    QDataStream in(&file);
    int count = 0;
    while (!in.atEnd()) {
        quint32 value = 0;
        in >> value;
        if (in.status() != QDataStream::Ok)
            break;
        set.insert(value);
        ++count;
    }
    return count;
}

int saveHistory(const QSet<quint32> &set, const QString &path)
{
    if (path.isEmpty())
        return 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    QDataStream out(&file);
    for (const quint32 value : set)
        out << value;
    if (out.status() != QDataStream::Ok || !file.commit())
        return 0;
    return int(set.size());
}

bool saveBytes(const QByteArray &bytes, const QString &path)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool saveDocument(const QDomDocument &document, const QString &path)
{
    if (document.isNull() || path.isEmpty())
        return false;
    return saveBytes(document.toByteArray(1), path);
}
