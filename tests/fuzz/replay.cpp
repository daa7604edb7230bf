#include <QDir>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Feeds every file of the folders given to the fuzz entry point, as libFuzzer would, so the
// seed corpus and any input saved from a finding stay checked in every build.
int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir folder(QString::fromLocal8Bit(argv[i]));
        for (const QFileInfo& info : folder.entryInfoList(QDir::Files, QDir::Name)) {
            QFile f(info.filePath());
            if (!f.open(QIODevice::ReadOnly))
                return std::fprintf(stderr, "unreadable: %s\n", qPrintable(info.filePath())), 1;
            const QByteArray o = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(o.data()), size_t(o.size()));
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1; // an empty corpus would check nothing
}
