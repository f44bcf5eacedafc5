#pragma once

#include "clobject.h"

#include <QMap>
#include <QSet>
#include <QSharedPointer>
#include <QString>

/// One web translation engine, as described by the engine definitions file.
class CLTranslator : public CLObject
{
public:
    QString entry; ///< service URL
    QString version;
    bool usePost = true;
    QString query; ///< request template with {{SRCLANG}}, {{TGTLANG}}, {{SRCTEXT}}
    QMap<QString, QString> languages; ///< program code -> service code
    /// source code -> target codes; one set may be shared by several keys
    QMap<QString, QSharedPointer<QSet<QString>>> paths;
};

/// The pair key of a source and a target language.
QString translatorPairKey(const QString &source, const QString &target);

/// The request template filled for one text.
QString buildQuery(const CLTranslator *translator, const QString &source, const QString &target,
                   const QString &text);

/// A filled template as sent: UTF-8, percent-encoded except unreserved
/// characters, "=" and "&".
QByteArray encodeQueryBody(const QString &query);

/// The request body for one text: the template encoded as encodeQueryBody
/// does, with the text itself fully percent-encoded so that an "&" or "="
/// inside it stays part of the text.
QByteArray buildRequestBody(const CLTranslator *translator, const QString &source,
                            const QString &target, const QString &text);
