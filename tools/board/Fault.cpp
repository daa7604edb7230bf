#include "board/Fault.h"

#include <array>
#include <utility>

namespace virtualboard {

namespace {

constexpr std::array<std::pair<const char*, Fault>, 10> FaultsByName{{
    {"none", Fault::None},
    {"silent", Fault::Silent},
    {"late", Fault::Late},
    {"bytewise", Fault::Bytewise},
    {"split", Fault::Split},
    {"stale", Fault::Stale},
    {"wrongack", Fault::WrongAck},
    {"gapfr", Fault::GapFR},
    {"hangup", Fault::HangUp},
    {"asterisks", Fault::Asterisks},
}};

} // namespace

std::optional<Fault> parseFault(const QString& name) {
    for (const auto& [text, fault] : FaultsByName) {
        if (name == QLatin1String(text))
            return fault;
    }
    return std::nullopt;
}

QStringList faultNames() {
    QStringList names;
    for (const auto& entry : FaultsByName)
        names << QLatin1String(entry.first);
    return names;
}

} // namespace virtualboard
