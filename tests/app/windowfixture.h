#pragma once

#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "contentscrollview.h"
#include "i18nmanager.h"
#include "mainwindow.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

/// A message box that records what it would have shown instead of blocking.
class RecordingMessageBox : public QMessageBox
{
public:
    int exec() override
    {
        shown.append(text());
        return QMessageBox::Ok;
    }
    QStringList shown;
};

/// A main window without network, with a driver holding no catalogue.
struct WindowFixture
{
    bool setUp(const QString &uiLanguage = QStringLiteral("en"))
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!dir.isValid())
            return false;
        languages = std::make_unique<I18NManager>(nullptr, QStringLiteral("en"));
        languages->uiLanguage = uiLanguage;
        languages->translateTargetLanguage = QStringLiteral("de");
        languages->autoTranslation = false;
        site.name = QStringLiteral("Site");
        QDomDocument engines;
        engines.setContent(QStringLiteral(R"(<translators version="1">
          <translator id="loop" name="Loop" entry="http://127.0.0.1:9/" method="post" version="1">
            <query>q={{SRCTEXT}}</query>
            <languages><language id="en" name="eng"/><language id="de" name="deu"/></languages>
            <paths combination="listed"><path from="en" to="de"/></paths>
          </translator></translators>)"));
        if (!processor.parseTranslators(engines))
            return false;
        processor.rebuildPairIndex();
        window = std::make_unique<MainWindow>(nullptr, &processor, languages.get(), nullptr,
                                              settingsPath());
        window->setPageDirectories(dir.filePath(QStringLiteral("doc/message")),
                                   dir.filePath(QStringLiteral("doc/help")));
        window->setApplicationDir(dir.filePath(QStringLiteral("app")));
        window->setMessageBox(&messages);
        return true;
    }

    QString settingsPath() const { return dir.filePath(QStringLiteral("settings.ini")); }

    void writeFile(const QString &relative, const QByteArray &bytes)
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    /// An article as extraction builds it; the caller hands it to the window.
    CLElement *article(const QString &language, const QString &url, const QString &title,
                       const QString &text, const QStringList &images = {})
    {
        auto *root = new CLElement(ArticlePage, language, &site, new CLData(url), nullptr);
        new CLElement(ArticleTitle, language, nullptr, new CLData(title), root);
        new CLElement(ArticleSource, language, nullptr, new CLData(QStringLiteral("Daily")), root);
        new CLElement(ArticleDatetime, language, nullptr, new CLData(QStringLiteral("2024-05-13")),
                      root);
        new CLElement(ArticleText, language, nullptr, new CLData(text), root);
        for (const QString &image : images)
            new CLElement(ArticleImage, language, nullptr,
                          new CLURLData(image, QStringLiteral("caption"), URLImage), root);
        return root;
    }

    /// Fills the translation clone the window made, as the network module would.
    static void translate(CLElement *clone)
    {
        if (!clone)
            return;
        for (CLElement *child : clone->children) {
            if (!child->value && child->source && child->source->value)
                child->value = new CLData(child->source->text().toUpper());
        }
    }

    QTemporaryDir dir;
    CLSite site;
    CLProcessor processor;
    RecordingMessageBox messages;
    std::unique_ptr<I18NManager> languages;
    std::unique_ptr<MainWindow> window;
};
