// Replay entry point of the fuzz targets outside libFuzzer: every file named, and every file
// below every folder named, runs once through the target. A test runs the committed corpus so.
// A target's LLVMFuzzerInitialize, when it has one, runs first, as under libFuzzer.
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QStringList>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    QCoreApplication app(argc, argv);
    int count = 0;
    for (int i = 1; i < argc; ++i)
    {
        QStringList files;
        QDirIterator it(QFile::decodeName(argv[i]), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        if (files.isEmpty())
            files << QFile::decodeName(argv[i]);
        files.sort();
        for (const QString& path : files)
        {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
            {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 1;
            }
            const QByteArray input = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
            ++count;
        }
    }
    std::printf("replayed %d inputs\n", count);
    return count > 0 ? 0 : 1;
}
