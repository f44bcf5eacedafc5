// Start-up of the real program: from starting the executable to its shown
// main window, with the shipped data and with generated catalogues of 24,
// 1,000 and 10,000 profiles, and the peak resident memory of each. A
// catalogue of one profile is the baseline of the same run.

#include "apppaths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// Replaces the catalogue by `count` copies of the shipped site profiles.
bool generateCatalogue(const QString &profileDir, int count)
{
    std::vector<QDomDocument> templates;
    for (const QString &file : QDir(profileDir).entryList({QStringLiteral("*.xml")})) {
        QFile source(profileDir + QLatin1Char('/') + file);
        QDomDocument document;
        if (source.open(QIODevice::ReadOnly) && document.setContent(source.readAll())
            && document.documentElement().tagName() == QLatin1String("site")
            && document.documentElement().attribute(QStringLiteral("id")).startsWith(
                QLatin1String("(s)GI")))
            templates.push_back(document);
    }
    if (count > 0 && templates.empty())
        return false;
    QByteArray catalogue("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sites>\n");
    for (int i = 0; i < count; ++i) {
        QDomDocument &document = templates[size_t(i) % templates.size()];
        const QString id = QStringLiteral("(s)GI.bench%1").arg(i);
        document.documentElement().setAttribute(QStringLiteral("id"), id);
        const QString file = QStringLiteral("bench%1.xml").arg(i);
        if (!writeFile(profileDir + QLatin1Char('/') + file, document.toByteArray(1)))
            return false;
        catalogue += "\t<site id=\"" + id.toUtf8() + "\" version=\"1.0\" file=\"" + file.toUtf8()
                     + "\" />\n";
    }
    catalogue += "</sites>\n";
    return writeFile(profileDir + QStringLiteral("/sites.xml"), catalogue);
}

long peakResidentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

struct Measure
{
    double ms = -1;
    long peakKb = -1;
};

Measure startOnce(const QString &executable, const QString &appDir, const QString &settingsDir)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settingsDir);
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::SeparateChannels);
    program.setReadChannel(QProcess::StandardError);
    QElapsedTimer timer;
    timer.start();
    program.start(executable, {QStringLiteral("--app-dir"), appDir});
    Measure measure;
    QByteArray log;
    while (timer.elapsed() < 120000 && program.state() != QProcess::NotRunning) {
        program.waitForReadyRead(50);
        log += program.readAllStandardError();
        if (log.contains("Main window shown")) {
            measure.ms = double(timer.nsecsElapsed()) / 1e6;
            // Let the first paint and the queued work settle before reading the peak.
            QElapsedTimer settle;
            settle.start();
            while (settle.elapsed() < 500)
                program.waitForReadyRead(50);
            measure.peakKb = peakResidentKb(program.processId());
            break;
        }
    }
    if (log.contains("Start-up message"))
        std::printf("  start-up reported: %s\n", log.constData());
    program.kill();
    program.waitForFinished(5000);
    return measure;
}

void measureConfiguration(const char *name, const QString &executable, const QString &buildAppDir,
                          int profiles, double baselineMs, double *medianOut, int runs = 7)
{
    QTemporaryDir dir;
    const QString appDir = dir.filePath(QStringLiteral("app"));
    const QString settingsDir = dir.filePath(QStringLiteral("settings"));
    for (const char *part : {"conf", "skin", "doc", "log"})
        QDir().mkpath(appDir + QLatin1Char('/') + QLatin1String(part));
    for (const char *part : {"conf", "skin", "doc"}) {
        if (!AppPaths::seedMissingFiles(buildAppDir + QLatin1Char('/') + QLatin1String(part),
                                        appDir + QLatin1Char('/') + QLatin1String(part))) {
            std::printf("%s: cannot copy the installation data\n", name);
            return;
        }
    }
    if (profiles >= 0
        && !generateCatalogue(appDir + QStringLiteral("/conf/profile"), profiles)) {
        std::printf("%s: cannot generate the catalogue\n", name);
        return;
    }
    {
        QSettings settings(settingsDir + QStringLiteral("/Varnik/Tessolin.conf"),
                           QSettings::IniFormat);
        settings.setValue(QStringLiteral("TraceTarget"), QStringLiteral("console"));
        settings.setValue(QStringLiteral("UILanguage"), QStringLiteral("en"));
        settings.setValue(QStringLiteral("AppInternalVersion"), QStringLiteral("010000"));
        settings.setValue(QStringLiteral("VersionCheckInterval"), 30);
        settings.setValue(QStringLiteral("LastVersionCheckTimestamp"),
                          QDateTime::currentDateTime().toString(
                              QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    }
    std::vector<double> times;
    long peak = 0;
    for (int run = 0; run < runs; ++run) {
        const Measure measure = startOnce(executable, appDir, settingsDir);
        if (measure.ms < 0) {
            std::printf("%s: the window was not shown\n", name);
            return;
        }
        if (run > 0) // the first start warms the file cache
            times.push_back(measure.ms);
        peak = std::max(peak, measure.peakKb);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    if (medianOut)
        *medianOut = median;
    std::printf("%-28s %8.1f ms (min %.1f, max %.1f)  peak RSS %6.1f MB", name, median,
                times.front(), times.back(), double(peak) / 1024.0);
    if (baselineMs > 0)
        std::printf("  %.2fx baseline", median / baselineMs);
    std::printf("\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString executable = app.arguments().value(1, QStringLiteral(TESSOLIN_EXE));
    const QString buildAppDir = QFileInfo(executable).absolutePath();
    std::printf("start-up to the shown main window, median of 6 starts (3 for 10,000; offscreen)\n");
    double baseline = -1;
    measureConfiguration("one profile (baseline)", executable, buildAppDir, 1, -1, &baseline);
    measureConfiguration("shipped data", executable, buildAppDir, -1, baseline, nullptr);
    measureConfiguration("24 generated profiles", executable, buildAppDir, 24, baseline, nullptr);
    measureConfiguration("1,000 generated profiles", executable, buildAppDir, 1000, baseline,
                         nullptr);
    measureConfiguration("10,000 generated profiles", executable, buildAppDir, 10000, baseline,
                         nullptr, 4);
    std::printf("targets: 1,000 profiles within 2x the baseline and 80 MB\n");
    return 0;
}
