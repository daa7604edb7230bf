#include "storage/FichierConfiguration.h"

#include <cstdint>
#include <cstdlib>

// Whatever the bytes, the reader returns; a complete reading, written back, reads the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const LectureConfiguration lue = lireConfiguration(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (lue.texte && !lue.port)
        std::abort();
    if (!lue.complete())
        return 0;
    const LectureConfiguration relue =
        lireConfiguration(ecrireConfiguration(*lue.port, *lue.texte));
    if (!relue.complete() || *relue.port != *lue.port || *relue.texte != *lue.texte)
        std::abort();
    return 0;
}
