// Runs a fuzz function once over every file of the folders and files named
// on the command line, so that the committed inputs replay under any
// compiler's sanitizers without libFuzzer.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        if (!QFileInfo(path).isDir()) {
            files.append(path);
            continue;
        }
        const QDir dir(path);
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            files.append(dir.filePath(name));
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "no inputs\n");
        return 1;
    }
    for (const QString &path : std::as_const(files)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        // Each input gets a buffer of exactly its size, so that a read past
        // its end is caught as it would be under the fuzzer.
        const std::unique_ptr<uint8_t[]> copy(new uint8_t[size_t(bytes.size())]);
        std::memcpy(copy.get(), bytes.constData(), size_t(bytes.size()));
        LLVMFuzzerTestOneInput(copy.get(), size_t(bytes.size()));
    }
    std::printf("%lld inputs\n", static_cast<long long>(files.size()));
    return 0;
}
