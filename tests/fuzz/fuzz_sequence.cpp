#include "storage/FichierSequence.h"

#include <cstdint>
#include <cstdlib>

namespace {

bool cellulesChiffres(const QList<CellulesEnr>& enregistrements) {
    for (const CellulesEnr& enr : enregistrements)
        for (qint16 c : enr)
            if (c < 0 || c > 9)
                return false;
    return true;
}

} // namespace

// Whatever the bytes, the reader refuses them or yields exactly N records of single digits,
// N within the store; and what it yields, written back with the extra record the program
// writes, reads back the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto octets =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto lue = lireSequence(octets);
    if (!lue)
        return 0;
    if (lue->nombre < 0 || lue->nombre > NombreMaxSequence ||
        lue->enregistrements.size() != lue->nombre || !cellulesChiffres(lue->enregistrements))
        std::abort();
    QList<CellulesEnr> ecrits = lue->enregistrements;
    ecrits.append(CellulesEnr{});
    const auto relue = lireSequence(ecrireSequence(lue->nombre, ecrits));
    if (!relue || relue->nombre != lue->nombre || relue->enregistrements != lue->enregistrements)
        std::abort();
    return 0;
}
