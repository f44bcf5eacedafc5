#pragma once

#include <QString>

// The version manager's side of its three dialogs. The dialogs implement
// these, tests script them, and the network library needs no widgets.

/// Asks before engine and site updates are downloaded.
class UpdatePrompt
{
public:
    virtual ~UpdatePrompt();
    /// True when the user agrees to download `count` updates of `bytes` in total.
    virtual bool confirmUpdate(int count, qint64 bytes) = 0;
};

/// Offers a new installer.
class UpgradePrompt
{
public:
    virtual ~UpgradePrompt();
    /// 1 when the user wants the installer and chose where to save it.
    /// `message` is the server's text and is shown as plain text.
    virtual int ask(const QString &version, qint64 bytes, const QString &fileName,
                    const QString &message) = 0;
    /// The path chosen in the last accepted `ask`.
    virtual QString upgradePath() const = 0;
};

/// Tells where a downloaded installer was written, without blocking.
class DownloadCompletePrompt
{
public:
    virtual ~DownloadCompletePrompt();
    virtual void showDownloadComplete(const QString &path) = 0;
};
