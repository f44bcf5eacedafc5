#include "clstep.h"

#include "clsitemodel.h"

#include <QStringDecoder>
#include <QStringEncoder>

CLStep::CLStep(std::initializer_list<int> types, int outputType) : outputType(outputType)
{
    for (const int type : types)
        inputTypes |= 1u << type;
}

CLStep::~CLStep() = default;

const CLSite *CLStep::site() const
{
    return siteOf(topic);
}

QString CLStep::codeset() const
{
    const CLSite *s = site();
    return s ? s->codeset : QString();
}

bool CLStep::textOf(const CLData *input, QString &text) const
{
    if (!input)
        return false;
    if (input->type == DataBytes)
        text = decodeWith(codeset(), input->bytes);
    else if (input->type == DataText)
        text = input->text;
    else
        return false;
    return true;
}

CLData *runChain(const CLTopic *topic, const QByteArray &bytes)
{
    if (!topic || topic->steps.isEmpty() || bytes.isEmpty())
        return nullptr;

    // Each chain works on its own copy, so no step can disturb the page
    // bytes another topic reads.
    CLData *current = new CLData(QByteArray(bytes.constData(), bytes.size()));
    bool ran = false;
    for (const CLStep *step : topic->steps) {
        if (!current || !step->accepts(current->type))
            break;
        CLData *next = step->process(current);
        ran = true;
        if (next != current)
            delete current;
        current = next;
    }
    if (!ran) {
        delete current;
        return nullptr;
    }
    return current;
}

// Profiles name their codesets the way pages declare them. Pages labelled
// GB2312 are written with Windows code page 936 in practice (its extra
// characters, the euro sign at 0x80 among them, turn up everywhere), so that
// label reads as code page 936 too; GB18030 keeps its own, larger table.
static QByteArray codecName(const QString &codeset)
{
    const QByteArray name = codeset.trimmed().toLatin1();
    const QByteArray lower = name.toLower();
    if (lower == "gb2312" || lower == "gbk" || lower == "x-gbk" || lower == "cp936")
        return QByteArrayLiteral("GBK");
    return name;
}

static bool isUtf8(const QByteArray &name)
{
    return name.isEmpty() || name.compare("UTF-8", Qt::CaseInsensitive) == 0 ||
           name.compare("UTF8", Qt::CaseInsensitive) == 0;
}

static bool isLatin1(const QByteArray &name)
{
    return name.compare("ISO-8859-1", Qt::CaseInsensitive) == 0 ||
           name.compare("latin1", Qt::CaseInsensitive) == 0;
}

QString decodeWith(const QString &codeset, const QByteArray &bytes)
{
    const QByteArray name = codecName(codeset);
    if (isUtf8(name))
        return QString::fromUtf8(bytes);
    if (isLatin1(name))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid())
        return QString::fromUtf8(bytes);
    return decoder.decode(bytes);
}

QByteArray encodeWith(const QString &codeset, const QString &text)
{
    const QByteArray name = codecName(codeset);
    if (isUtf8(name))
        return text.toUtf8();
    if (isLatin1(name))
        return text.toLatin1();
    QStringEncoder encoder(name.constData());
    if (!encoder.isValid())
        return text.toUtf8();
    return encoder.encode(text);
}

bool isKnownCodeset(const QString &codeset)
{
    const QByteArray name = codecName(codeset);
    if (name.isEmpty())
        return false;
    return isUtf8(name) || isLatin1(name) || QStringDecoder(name.constData()).isValid();
}
