#include "Banc.h"

#include <cstdint>
#include <cstdlib>

// Whatever the board sends back (a reply per write, split at '|', the first byte setting its
// delay), the commands end inside the tables and show only an identification it carried.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Banc banc(Banc::CarteScriptee);
    LT840& ed = *banc;
    for (const QByteArray& reponse :
         QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('|'))
        banc.port.quand(
            {}, {{reponse.mid(1), reponse.isEmpty() ? 5 : (quint8(reponse[0]) % 8) * 250}}, 1);
    const auto identifiee = [&ed] {
        const QString& v = ed.Ctl.Versions;
        return v == u"?" ||
               (v.startsWith(QLatin1String(SignatureCarte)) && v.size() <= LongueurIdentification);
    };
    ed.TestCarte_Click();
    if (!identifiee() ||
        (ed.Ctl.DialogVisible && !(ed.Ctl.DialogText1.startsWith(u" Carte    ") &&
                                   ed.Ctl.DialogText1.contains(QLatin1String(SignatureCarte)))))
        std::abort();
    for (int k = 0; k < 20; ++k)
        ed.CLICK();
    ed.transmet_Click();
    ed.CmdRST_Click();
    if (!identifiee() || !ed.Ctl.HScroll1Visible)
        std::abort();
    return 0;
}
