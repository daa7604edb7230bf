#include "board/FormeReponse.h"

namespace cartevirtuelle {

namespace {

using namespace std::chrono_literals;

// Past the editor's 1.5 s wait for a reply.
constexpr auto Retard = 2200ms;
constexpr auto PauseCoupure = 300ms;

QList<Morceau> couperApresPremierOctet(const QByteArray& reponse) {
    if (reponse.size() < 2)
        return {{reponse}};
    return {{reponse.first(1)}, {reponse.sliced(1), PauseCoupure}};
}

} // namespace

QList<Morceau> formerReponse(Panne panne, const QByteArray& reponse) {
    if (reponse.isEmpty() || panne == Panne::Muette)
        return {};
    switch (panne) {
    case Panne::Tardive:
        return {{reponse, Retard}};
    case Panne::OctetParOctet: {
        QList<Morceau> morceaux;
        for (char octet : reponse)
            morceaux.append({QByteArray(1, octet)});
        return morceaux;
    }
    case Panne::Coupee:
        return couperApresPremierOctet(reponse);
    case Panne::PauseFR:
        return reponse == "FR" ? couperApresPremierOctet(reponse) : QList<Morceau>{{reponse}};
    default:
        return {{reponse}};
    }
}

} // namespace cartevirtuelle
