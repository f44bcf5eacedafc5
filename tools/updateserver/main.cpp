// tessolin-update-server: a version service for a folder of profiles. It
// answers the reader's version check with one target per profile (and an
// optional installer and endpoint list), serves the files the answer names
// and can serve a static site folder under "/" for offline demos.

#include "updateservice.h"

#include "clsigning.h"
#include "clupdate.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void printLine(FILE *stream, const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

QByteArray methodName(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Head:
        return "HEAD";
    case QHttpServerRequest::Method::Post:
        return "POST";
    default:
        return "OTHER";
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"tessolin-update-server"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Answers version checks for a folder of profiles and serves their files.\n"
        "Prints the port it listens on as the first line of standard output."_s);
    parser.addHelpOption();
    parser.addPositionalArgument(u"port"_s, u"Port to listen on; 0 picks a free one."_s);
    parser.addPositionalArgument(
        u"folder"_s, u"Folder of profiles and engine definitions to offer."_s, u"[folder]"_s);
    const QCommandLineOption listenOption(u"listen"_s, u"Address to listen on (127.0.0.1)."_s,
                                          u"address"_s, u"127.0.0.1"_s);
    const QCommandLineOption hostOption(
        u"public-host"_s, u"Host written into download URLs (the listen address)."_s, u"host"_s);
    const QCommandLineOption siteOption(u"site"_s, u"Static site folder served under /."_s,
                                        u"dir"_s);
    const QCommandLineOption endpointOption(
        u"endpoint"_s, u"Version-check endpoint announced to readers (repeatable)."_s, u"url"_s);
    const QCommandLineOption installerOption(u"installer"_s, u"Installer file to offer."_s,
                                             u"file"_s);
    const QCommandLineOption installerVersionOption(
        u"installer-version"_s, u"Version of the installer (1.1)."_s, u"version"_s, u"1.1"_s);
    const QCommandLineOption notesOption(u"installer-notes"_s,
                                         u"Release notes shown with the installer."_s, u"text"_s);
    const QCommandLineOption signingOption(
        u"signing-key"_s, u"Secret key file (tessolin-profile keygen) that signs every answer."_s,
        u"file"_s);
    parser.addOptions({listenOption, hostOption, siteOption, endpointOption, installerOption,
                       installerVersionOption, notesOption, signingOption});
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    bool portOk = false;
    const uint port = positional.value(0).toUInt(&portOk);
    if (positional.isEmpty() || positional.size() > 2 || !portOk || port > 65535 ||
        (positional.size() < 2 && !parser.isSet(siteOption))) {
        printLine(stderr, u"usage: tessolin-update-server [options] PORT FOLDER"_s);
        return 2;
    }

    UpdateService service;
    if (positional.size() == 2) {
        service.profileDir = QFileInfo(positional.at(1)).absoluteFilePath();
        if (!QFileInfo(service.profileDir).isDir()) {
            printLine(stderr, service.profileDir + u": not a folder"_s);
            return 2;
        }
    }
    if (parser.isSet(siteOption)) {
        service.siteDir = QFileInfo(parser.value(siteOption)).absoluteFilePath();
        if (!QFileInfo(service.siteDir).isDir()) {
            printLine(stderr, service.siteDir + u": not a folder"_s);
            return 2;
        }
    }
    if (parser.isSet(installerOption)) {
        service.installerPath = QFileInfo(parser.value(installerOption)).absoluteFilePath();
        service.installerVersion = parser.value(installerVersionOption);
        service.installerNotes = parser.value(notesOption);
    }
    service.endpoints = parser.values(endpointOption);
    if (parser.isSet(signingOption)) {
        service.signingKey = readKeyFile(parser.value(signingOption), SigningSecretKeySize);
        if (service.signingKey.isEmpty()) {
            printLine(stderr, parser.value(signingOption) + u": not a secret key file"_s);
            return 2;
        }
    }

    const QHostAddress address(parser.value(listenOption));
    if (address.isNull()) {
        printLine(stderr, parser.value(listenOption) + u": not an address"_s);
        return 2;
    }
    QHttpServer server;
    server.setMissingHandler([&service](const QHttpServerRequest &request,
                                        QHttpServerResponder &&responder) {
        const QString path = request.url().path();
        const ServedReply reply = request.body().size() > UpdateService::MaxRequestBody
                                      ? ServedReply{413, "text/plain", "request body too large\n"}
                                      : service.respond(methodName(request.method()), path);
        printLine(stderr,
                  u"%1 %2 %3"_s
                      .arg(QString::fromLatin1(methodName(request.method())), escapedForLog(path))
                      .arg(reply.status));
        responder.write(reply.body, reply.mimeType, QHttpServerResponder::StatusCode(reply.status));
    });
    const quint16 chosen = server.listen(address, quint16(port));
    if (chosen == 0) {
        printLine(stderr, u"cannot listen on %1:%2"_s.arg(address.toString()).arg(port));
        return 1;
    }
    QString host = parser.isSet(hostOption) ? parser.value(hostOption) : address.toString();
    if (host.contains(u':') && !host.startsWith(u'['))
        host = u'[' + host + u']';
    service.baseUrl = u"http://%1:%2"_s.arg(host).arg(chosen);
    printLine(stdout, QString::number(chosen));
    return app.exec();
}
