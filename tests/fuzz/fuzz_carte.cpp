#include "Banc.h"

#include <cstdint>
#include <cstdlib>

// Whatever the board sends back, the board commands end, read and write nothing outside the
// program's tables, and show an identification only when the reply carried one.
//
// The input is the board's side of the dialogue: replies separated by '|', one per message
// the editor writes, in order; the first byte of each reply sets how late it comes, so some
// replies miss the exchange they answer and arrive during the next one.
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
