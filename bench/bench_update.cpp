// Prints how long reading the largest version-check answer the reader
// accepts (1 MiB, thousands of targets) and writing a catalogue of all its
// sites take, next to the bare work of splitting the same text into lines
// and fields.
#include "clsigning.h"
#include "clupdate.h"

#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianSeconds(int repetitions, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e9);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main()
{
    QByteArray answer = "TR|R0\n";
    int targets = 0;
    while (true) {
        const QByteArray line = "TF|I(s)GI.site" + QByteArray::number(targets) + "|V1.0|B3288|C" +
                                QByteArray(64, 'a') + "|Uhttp://updates.example/files/site" +
                                QByteArray::number(targets) + ".xml.ra|MNew%20topics\n";
        if (answer.size() + line.size() > MaxUpdateAnswerSize)
            break;
        answer += line;
        ++targets;
    }

    qsizetype fields = 0;
    const double baseline = medianSeconds(15, [&] {
        fields = 0;
        const QStringList lines = QString::fromLatin1(answer).split(u'\n');
        for (const QString &line : lines)
            fields += line.split(u'|').size();
    });
    CLUpdateAnswer parsed;
    const double parse = medianSeconds(15, [&] { parsed = parseUpdateAnswer(answer); });
    QList<CLCatalogueLine> lines;
    for (const CLUpdateTarget &target : std::as_const(parsed.targets))
        lines.append({target.id, target.version, urlFileName(target.urls.constFirst())});
    QByteArray text;
    const double write = medianSeconds(15, [&] { text = siteCatalogueText(lines); });

    // The same answer signed: what checking its signature adds.
    QByteArray publicKey;
    QByteArray secretKey;
    makeSigningKeyPair(&publicKey, &secretKey);
    const QByteArray signedAnswer =
        signAnswer(answer.left(answer.lastIndexOf('\n', answer.size() - 200) + 1), secretKey);
    bool verified = false;
    const double verify = medianSeconds(
        15, [&] { verified = verifyAnswerSignature(signedAnswer, {publicKey}).verified(); });

    std::printf("answer: %lld bytes, %d targets, %lld fields\n", qlonglong(answer.size()),
                int(parsed.targets.size()), qlonglong(fields));
    std::printf("split into lines and fields (baseline): %8.2f ms\n", baseline * 1e3);
    std::printf("parseUpdateAnswer:                      %8.2f ms  (%.2fx baseline)\n", parse * 1e3,
                parse / baseline);
    std::printf("siteCatalogueText of every target:      %8.2f ms  (%.2fx baseline, %lld bytes)\n",
                write * 1e3, write / baseline, qlonglong(text.size()));
    std::printf("verifyAnswerSignature (Ed25519):        %8.2f ms  (%.2fx baseline)\n",
                verify * 1e3, verify / baseline);
    return parsed.targets.size() == targets && verified ? 0 : 1;
}
