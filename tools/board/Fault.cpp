#include "Fault.h"

#include <array>
#include <utility>

namespace vboard {

namespace {

constexpr std::array<std::pair<const char*, Fault>, 10> kFaults{{
    {"none", Fault::None},
    {"silent", Fault::Silent},
    {"late", Fault::Late},
    {"bytewise", Fault::Bytewise},
    {"split", Fault::Split},
    {"stale", Fault::Stale},
    {"wrongack", Fault::WrongAck},
    {"gapfr", Fault::GapFR},
    {"hangup", Fault::Hangup},
    {"asterisks", Fault::Asterisks},
}};

} // namespace

std::optional<Fault> parseFault(const QString& name) {
    for (const auto& [text, fault] : kFaults) {
        if (name == QLatin1String(text))
            return fault;
    }
    return std::nullopt;
}

QStringList faultNames() {
    QStringList names;
    for (const auto& entry : kFaults)
        names << QLatin1String(entry.first);
    return names;
}

} // namespace vboard
