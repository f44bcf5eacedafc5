#pragma once

#include "clelement.h"
#include "contentscrollview.h"
#include "i18nmanager.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "mainwindow.h"
#include "networkmodule.h"
#include "newssite.h"
#include "stylemanager.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

/// The main window wired to a network module that talks to the loopback
/// news site, with help and message pages in a temporary directory.
struct FlowFixture
{
    bool setUp()
    {
        QStandardPaths::setTestModeEnabled(true);
        dir = std::make_unique<QTemporaryDir>();
        site = std::make_unique<NewsSite>();
        if (!dir->isValid() || !site->start(dir->path()))
            return false;
        writeFile(QStringLiteral("doc/help/en/help.html"), "<p>HELP-EN</p>");
        writeFile(QStringLiteral("doc/help/en/other.html"), "<p>OTHER-HELP</p>");
        writeFile(QStringLiteral("doc/help/en/winstyle.css"), "p { color: black; }");
        writeFile(QStringLiteral("doc/message/en/parsing_error.html"), "<p>PARSING-ERROR</p>");
        writeFile(QStringLiteral("doc/message/en/connection_error.html"),
                  "<p>CONNECTION-ERROR</p>");
        writeFile(QStringLiteral("secret.html"), "<p>SECRET</p>");
        languages = std::make_unique<I18NManager>(nullptr, QStringLiteral("en"));
        languages->uiLanguage = QStringLiteral("en");
        languages->translateTargetLanguage = QStringLiteral("de");
        languages->autoTranslation = false;
        languages->processor = &site->processor;
        styles = std::make_unique<StyleManager>(dir->filePath(QStringLiteral("skin")));
        module = std::make_unique<NetworkModule>();
        module->processor = &site->processor;
        module->i18n = languages.get();
        module->replyTimeout = 20000;
        window = std::make_unique<MainWindow>(module.get(), &site->processor, languages.get(),
                                              styles.get(),
                                              dir->filePath(QStringLiteral("settings.ini")));
        window->setPageDirectories(dir->filePath(QStringLiteral("doc/message")),
                                   dir->filePath(QStringLiteral("doc/help")));
        window->setApplicationDir(dir->filePath(QStringLiteral("doc")));
        window->connectNetworkModule();
        window->refreshTranslationButtons();
        window->resize(1000, 700);
        window->show();
        return true;
    }

    ~FlowFixture()
    {
        // The window ends the requests that write into its trees; the module goes after it.
        window.reset();
        module.reset();
    }

    void writeFile(const QString &relative, const QByteArray &bytes)
    {
        const QString path = dir->filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    static IndexItem *entry(IndexScrollView *view, const QString &text)
    {
        if (!view)
            return nullptr;
        for (IndexItem *item : view->items()) {
            if (item->text().trimmed() == text)
                return item;
        }
        return nullptr;
    }

    /// Requests the site's index page and waits for the page view.
    bool openIndex()
    {
        IndexScrollView *before = window->pageView();
        window->requestIndexPage(site->url(QStringLiteral("/index")));
        return QTest::qWaitFor([&] { return window->pageView() && window->pageView() != before; },
                               10000);
    }

    /// Activates a headline and waits until the original view shows `expected`.
    bool openArticle(const QString &headline, const QString &expected)
    {
        IndexItem *item = entry(window->pageView(), headline);
        if (!item)
            return false;
        item->activate();
        return QTest::qWaitFor([&] { return shownText().contains(expected); }, 10000);
    }

    QString shownText() const { return window->originalView()->toPlainText(); }
    QString translatedText() const { return window->translatedView()->toPlainText(); }

    int requestsTo(const QByteArray &prefix) const
    {
        int count = 0;
        for (const ScriptedRequest &request : site->server.requests)
            count += request.path.startsWith(prefix) ? 1 : 0;
        return count;
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<NewsSite> site;
    std::unique_ptr<I18NManager> languages;
    std::unique_ptr<StyleManager> styles;
    std::unique_ptr<NetworkModule> module;
    std::unique_ptr<MainWindow> window;
};
