// Feeds every file of the folders given on the command line to a fuzz
// target's entry point, once each: the fuzzers' finds stay fixed in the
// ordinary test runs without libFuzzer.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    int ran = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir dir(QString::fromLocal8Bit(argv[i]));
        if (!dir.exists()) {
            std::fprintf(stderr, "no such folder: %s\n", argv[i]);
            return 1;
        }
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            if (name.endsWith(QLatin1String(".md")))
                continue;
            QFile f(dir.filePath(name));
            if (!f.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(f.fileName()));
                return 1;
            }
            const QByteArray bytes = f.readAll();
            std::printf("%s\n", qPrintable(name));
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
            ++ran;
        }
    }
    std::printf("%d inputs ran\n", ran);
    return ran > 0 ? 0 : 1;
}
