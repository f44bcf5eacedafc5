#pragma once

#include <QRegularExpression>
#include <QString>

/// Walks the links and images of one text from left to right with the
/// results of findLink and findImage. It remembers where each searched-for
/// piece was found, or that it is absent from some position on (many pages
/// have no bare "<a>" at all), so a page is read about once however many
/// links it holds, instead of once per link.
class HtmlScanner
{
public:
    explicit HtmlScanner(const QString &text);

    /// As findLink(text, from, href, linkText).
    int findLink(int from, QString &href, QString &linkText);
    /// As findImage(text, from, src, alt).
    int findImage(int from, QString &src, QString &alt);

private:
    /// The first place at or after `from` where something was found; -1 in
    /// `at` when it is absent from `from` on. Unset while `from` is -1.
    struct Memo
    {
        qsizetype from = -1;
        qsizetype at = -1;
    };
    /// An attribute lookup: where its name matched and the value read there.
    struct Attribute
    {
        QRegularExpression expression;
        Memo match;
        qsizetype length = 0;   ///< of the match at `match.at`
        qsizetype valueAt = -1; ///< the match whose value is below, -1 before the first
        QString value;
        int end = -1;
    };

    qsizetype next(Memo &memo, qsizetype from, QLatin1StringView pattern);
    qsizetype next(Memo &memo, qsizetype from, char16_t character);
    QString attribute(Attribute &attribute, qsizetype from, int *end);
    QString linkElement(qsizetype from, int *end);

    const QString m_text;
    const bool m_validText; ///< no lone surrogate: the expressions need not check it
    Attribute m_href;
    Attribute m_src;
    Attribute m_alt;
    Memo m_bareOpen;   ///< "<a>"
    Memo m_open;       ///< "<a "
    Memo m_close;      ///< "</a>"
    Memo m_image;      ///< "<img "
    Memo m_tagEnd;     ///< ">"
    Memo m_space;      ///< " "
    Memo m_quote;      ///< '"'
    Memo m_apostrophe; ///< "'"
};
