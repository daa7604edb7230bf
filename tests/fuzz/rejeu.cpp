#include <QDir>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Feeds every file of the folders given to the fuzz entry point, as libFuzzer would, so the
// seed corpus and any input saved from a finding stay checked in every build.
int main(int argc, char** argv) {
    int rejoues = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir dossier(QString::fromLocal8Bit(argv[i]));
        for (const QFileInfo& info : dossier.entryInfoList(QDir::Files, QDir::Name)) {
            QFile f(info.filePath());
            if (!f.open(QIODevice::ReadOnly))
                return std::fprintf(stderr, "illisible : %s\n", qPrintable(info.filePath())), 1;
            const QByteArray o = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(o.data()), size_t(o.size()));
            ++rejoues;
        }
    }
    std::printf("%d entrées rejouées\n", rejoues);
    return rejoues > 0 ? 0 : 1; // an empty corpus would check nothing
}
