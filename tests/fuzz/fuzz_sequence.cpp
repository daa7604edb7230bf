#include "storage/FichierSequence.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// Whatever the bytes, the reader refuses them or yields N records of digits, N within the
// store, that read back the same once written with the program's extra record.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto lue =
        lireSequence(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!lue)
        return 0;
    const auto chiffres = [](const CellulesEnr& enr) {
        return std::ranges::all_of(enr, [](qint16 c) { return c >= 0 && c <= 9; });
    };
    if (lue->nombre < 0 || lue->nombre > NombreMaxSequence ||
        lue->enregistrements.size() != lue->nombre ||
        !std::ranges::all_of(lue->enregistrements, chiffres))
        std::abort();
    const auto relue = lireSequence(
        ecrireSequence(lue->nombre, QList<CellulesEnr>(lue->enregistrements) << CellulesEnr{}));
    if (!relue || relue->nombre != lue->nombre || relue->enregistrements != lue->enregistrements)
        std::abort();
    return 0;
}
