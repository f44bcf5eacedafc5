#pragma once

#include "clprocessor.h"
#include "clsitemodel.h"
#include "updateprompts.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Helpers shared by the update tests: an installation folder made from the
// shipped profiles, a loaded processor over it, and dialogs that answer as
// scripted.

namespace updatekit {

inline QString shippedProfileDir()
{
    return QStringLiteral(TESSOLIN_SOURCE_DIR "/data/conf/profile");
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

/// Replaces the files of `to` with the shipped profiles.
inline bool copyShipped(const QString &to)
{
    QDir target(to);
    for (const QString &name : target.entryList(QDir::Files))
        target.remove(name);
    const QDir source(shippedProfileDir());
    bool ok = true;
    for (const QString &name : source.entryList(QDir::Files))
        ok = QFile::copy(source.filePath(name), target.filePath(name)) && ok;
    return ok;
}

/// Points a processor at an installation's profile folder and loads it, as
/// the reader does at start-up and after an update.
inline bool loadInstallation(CLProcessor &processor, const QString &profileDir)
{
    processor.profileDir = profileDir;
    processor.catalogueFile = QStringLiteral("sites.xml");
    processor.translatorDir = profileDir;
    processor.translatorFile = QStringLiteral("translators.xml");
    processor.historyFile = QStringLiteral("access.his");
    const bool catalogue = processor.loadSiteCatalogue();
    const bool engines = processor.loadTranslators();
    return catalogue && engines;
}

/// "id|version|file" of every catalogue entry, with "|not loaded" when its profile failed.
inline QStringList loadedEntries(const CLProcessor &processor)
{
    QStringList entries;
    for (const CLSiteIndexItem *entry : processor.siteIndex) {
        QString line = entry->id + u'|' + entry->version + u'|' + entry->file;
        if (!entry->site)
            line += QStringLiteral("|not loaded");
        entries.append(line);
    }
    return entries;
}

/// The three update dialogs, answering as scripted and recording what they were shown.
class ScriptedPrompts : public UpdatePrompt, public UpgradePrompt, public DownloadCompletePrompt
{
public:
    bool agree = true;
    int upgradeResult = 0;
    QString chosenPath;
    QList<QPair<int, qint64>> confirmations;
    QStringList upgradeOffers; ///< "version|bytes|fileName|message"
    QStringList completions;
    /// Runs while the update dialog is open, as anything the event loop delivers would.
    std::function<void()> whileConfirming;

    bool confirmUpdate(int count, qint64 bytes) override
    {
        confirmations.append({count, bytes});
        if (whileConfirming)
            whileConfirming();
        return agree;
    }
    int ask(const QString &version, qint64 bytes, const QString &fileName,
            const QString &message) override
    {
        upgradeOffers.append(
            QStringLiteral("%1|%2|%3|%4").arg(version).arg(bytes).arg(fileName, message));
        return upgradeResult;
    }
    QString upgradePath() const override { return chosenPath; }
    void showDownloadComplete(const QString &path) override { completions.append(path); }
};

} // namespace updatekit
