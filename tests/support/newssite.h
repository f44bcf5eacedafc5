#pragma once

#include "clelement.h"
#include "clprocessor.h"
#include "scriptedhttpserver.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

/// A small news site on the loopback scripted server, with the profile that
/// reads it, a translator whose answers the server makes up, and keyword
/// filters. Paths:
///   /index         groups "World" and "Sport"; one headline hidden by the
///                  keyword "lottery"
///   /article/one   an article with a PNG (URL with a space) and a GIF (URL
///                  with a non-ASCII character)
///   /article/two   a plain article without images
///   /article/p1 .. /article/p3   one article over three pages
///   /article/bare  a page the article profile finds nothing in
///   /article/gone  404
///   /article/stall never answered
///   /translate     the translation engine (upper-cases the text)
class NewsSite
{
public:
    NewsSite();

    /// Starts the server, writes the profiles, the catalogue (with one entry
    /// whose profile is missing) and the engine file into `dir`, and loads
    /// them; false when anything failed.
    bool start(const QString &dir);
    QString url(const QString &path) const { return server.url(path); }

    /// An article tree as extraction builds it: title, source "Daily" and a date when
    /// `dated`, the texts, then the images captioned "caption".
    static CLElement *article(const QString &language, const QString &url, const QString &title,
                              const QStringList &texts, const QStringList &images = {},
                              CLSite *site = nullptr, bool dated = true);
    static QByteArray articlePage(const QString &title, const QString &text,
                                  const QStringList &images, const QString &previous = {},
                                  const QString &next = {});

    ScriptedHttpServer server;
    CLProcessor processor;
    QString pngPath = QStringLiteral("/img/sea view.png");
    QString gifPath = QStringLiteral("/img/caf\u00e9.gif");
};

/// The local Apertium service with its English-Spanish pair, as the shipped engine file uses it.
namespace apertium {
/// apertium-apy when it and the pair are installed, else empty.
QString program();
/// Its arguments for servicekit::LocalService::start ("PORT" is the port).
QStringList arguments();
/// Loads the shipped engines with the service's entry moved to `port` and registers the shipped
/// answer profile; false when anything failed.
bool load(CLProcessor &processor, quint16 port);
} // namespace apertium
