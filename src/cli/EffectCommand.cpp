#include "cli/EffectCommand.h"

#include "cli/ConsoleOutput.h"
#include "files/DiskFile.h"
#include "files/SequenceFile.h"
#include "model/Sequence.h"
#include "model/TimeBase.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

using effects::Effect;
using effects::Parameter;

namespace {

struct EffectName {
    Effect effect;
    const char* name;
    const char* role;
};

// The roles and descriptions below are source texts, translated when the help is written or
// an option is made: the translator is installed only once the program runs.
const EffectName Effects[] = {
    {Effect::Chase, "chase",
     QT_TRANSLATE_NOOP("EffectCommand", "un bloc de --width lampes parcourt la rangée")},
    {Effect::Scanner, "scanner",
     QT_TRANSLATE_NOOP("EffectCommand", "un bloc de --width lampes va et vient")},
    {Effect::Fill, "fill", QT_TRANSLATE_NOOP("EffectCommand", "une barre se remplit puis se vide")},
    {Effect::Alternate, "alternate",
     QT_TRANSLATE_NOOP("EffectCommand", "lampes impaires, puis paires")},
    {Effect::Blink, "blink",
     QT_TRANSLATE_NOOP("EffectCommand", "toutes allumées, puis toutes éteintes")},
    {Effect::MeetAndPart, "meet",
     QT_TRANSLATE_NOOP("EffectCommand", "des deux bouts vers le milieu, et retour")},
    {Effect::Counter, "counter",
     QT_TRANSLATE_NOOP("EffectCommand", "compte en binaire de --from à --to")},
    {Effect::Sparkle, "sparkle",
     QT_TRANSLATE_NOOP("EffectCommand", "--lamps lampes au hasard sur --frames trames")},
    {Effect::Repeat, "repeat",
     QT_TRANSLATE_NOOP("EffectCommand",
                       "répète les enregistrements --from à --to des --source mis bout à bout")}};

// An effect parameter's option: its value is a number, "" for a flag.
struct ParameterOption {
    const char* name;
    const char* description;
    const char* value = "";
};

// In the order of effects::Parameter.
const ParameterOption ParameterOptions[] = {
    {"width",
     QT_TRANSLATE_NOOP("EffectCommand",
                       "chase (1 à 7), scanner (1 à 4) : lampes du bloc ; 1 par défaut."),
     "N"},
    {"reverse", QT_TRANSLATE_NOOP("EffectCommand", "chase, scanner, fill, counter : de droite à "
                                                   "gauche.")},
    {"no-wrap", QT_TRANSLATE_NOOP("EffectCommand", "chase : le bloc sort de la rangée au lieu "
                                                   "d'en faire le tour.")},
    {"from",
     QT_TRANSLATE_NOOP("EffectCommand", "counter : première valeur (0 par défaut) ; repeat : "
                                        "premier enregistrement."),
     "N"},
    {"to",
     QT_TRANSLATE_NOOP("EffectCommand", "counter : dernière valeur (127 par défaut) ; repeat : "
                                        "dernier enregistrement."),
     "N"},
    {"lamps",
     QT_TRANSLATE_NOOP("EffectCommand",
                       "sparkle : lampes allumées par trame (1 à 7, 2 par défaut)."),
     "N"},
    {"frames", QT_TRANSLATE_NOOP("EffectCommand", "sparkle : trames (1 à 251, 16 par défaut)."),
     "N"},
    {"seed",
     QT_TRANSLATE_NOOP("EffectCommand",
                       "sparkle : la même graine donne les mêmes trames (1 par défaut)."),
     "N"},
    {"times", QT_TRANSLATE_NOOP("EffectCommand", "Répète l'effet N fois (1 par défaut)."), "N"},
    {"multiplier",
     QT_TRANSLATE_NOOP("EffectCommand", "La durée de chaque trame : x1 (par défaut), x2, x5, "
                                        "x10, x15 ou x20."),
     "xN"}};

static_assert(std::size(ParameterOptions) == effects::ParameterCount);

QCommandLineOption optionOf(Parameter parameter) {
    const ParameterOption& option = ParameterOptions[int(parameter)];
    return {QString::fromLatin1(option.name),
            QCoreApplication::translate("EffectCommand", option.description),
            QString::fromLatin1(option.value)};
}

QCommandLineOption sourceOption() {
    return {QStringLiteral("source"),
            QCoreApplication::translate("EffectCommand",
                                        "repeat : une séquence dont les enregistrements sont "
                                        "répétés ; plusieurs --source se suivent dans leur ordre."),
            QCoreApplication::translate("EffectCommand", "FICHIER.dat")};
}

QCommandLineOption outputOption() {
    return {{QStringLiteral("o"), QStringLiteral("output")},
            QCoreApplication::translate("EffectCommand", "Le fichier que generate écrit."),
            QCoreApplication::translate("EffectCommand", "FICHIER.dat")};
}

QString dashed(const QCommandLineOption& option) {
    return QStringLiteral("--") + option.names().last();
}

// The duration code of "x5" or "5".
std::optional<int> codeOf(QString text) {
    if (text.startsWith(u'x'))
        text.remove(0, 1);
    bool isNumber = false;
    const int multiplier = text.toInt(&isNumber);
    for (int code = 1; isNumber && code <= timebase::ButtonCount; ++code)
        if (timebase::multiplier(code) == multiplier)
            return code;
    return std::nullopt;
}

using Error = std::optional<QString>;

// The value given for a parameter, when it is given and lies within `bounds`.
Error readValue(const QCommandLineParser& parser, Parameter parameter, effects::Bounds bounds,
                int& value) {
    const QCommandLineOption option = optionOf(parameter);
    if (parameter == Parameter::Reverse || parameter == Parameter::Wrap) {
        value = parser.isSet(option) == (parameter == Parameter::Reverse);
        return std::nullopt;
    }
    if (!parser.isSet(option))
        return std::nullopt;
    bool isNumber = true;
    const QString text = parser.value(option);
    const int given =
        parameter == Parameter::Code ? codeOf(text).value_or(-1) : text.toInt(&isNumber);
    if (parameter == Parameter::Code && given < 0)
        return QCoreApplication::translate("EffectCommand", "%1 : x1, x2, x5, x10, x15 ou x20")
            .arg(dashed(option));
    if (!isNumber || !bounds.holds(given))
        return QCoreApplication::translate("EffectCommand", "%1 : un nombre de %2 à %3")
            .arg(dashed(option))
            .arg(bounds.min)
            .arg(bounds.max);
    value = given;
    return std::nullopt;
}

// Repeat takes its records from a file; the other effects make theirs from parameters.
QList<std::pair<Parameter, effects::Bounds>> parametersRead(Effect effect) {
    auto parameters = effects::parametersOf(effect);
    if (effect == Effect::Repeat)
        parameters += {{Parameter::First, {0, Sequence::LastRecord}},
                       {Parameter::Last, {0, Sequence::LastRecord}}};
    return parameters;
}

// Every option of `generate` given must be one the effect takes.
Error unusedOption(const QCommandLineParser& parser, const EffectName& name) {
    const auto parameters = parametersRead(name.effect);
    for (int p = 0; p < effects::ParameterCount; ++p)
        if (parser.isSet(optionOf(Parameter(p))) &&
            std::none_of(parameters.begin(), parameters.end(),
                         [p](const auto& taken) { return int(taken.first) == p; }))
            return QCoreApplication::translate("EffectCommand", "%1 ne s'applique pas à %2")
                .arg(dashed(optionOf(Parameter(p))), QLatin1String(name.name));
    if (parser.isSet(sourceOption()) != (name.effect == Effect::Repeat))
        return name.effect == Effect::Repeat
                   ? QCoreApplication::translate("EffectCommand",
                                                 "repeat attend --source FICHIER.dat")
                   : QCoreApplication::translate("EffectCommand",
                                                 "--source ne s'applique qu'à repeat");
    return std::nullopt;
}

ExitStatus refuse(const QString& text, ExitStatus status) {
    ConsoleOutput(false).tell(text);
    return status;
}

// The records of every source, one after the other.
std::variant<QList<Frame>, ExitStatus> joinedSources(const QStringList& sources) {
    QList<Frame> joined;
    for (const QString& source : sources) {
        const auto bytes = readWholeFile(source, SequenceFileSizeLimit);
        const auto records = bytes ? readSequenceFile(*bytes) : std::nullopt;
        if (!records || records->isEmpty())
            return refuse(
                QCoreApplication::translate("EffectCommand", "%1 : pas une séquence, ou vide")
                    .arg(shownFileName(source)),
                ExitStatus::FileRefused);
        joined += *records;
    }
    return joined;
}

// The records the repetition takes from its sources, or the status to exit with.
std::variant<QList<Frame>, ExitStatus> sourceRecords(const Generation& generation) {
    auto joined = joinedSources(generation.sources);
    const auto* records = std::get_if<QList<Frame>>(&joined);
    if (!records)
        return joined;
    const int last = int(records->size()) - 1;
    const int from = generation.options[Parameter::First];
    const int to =
        generation.options[Parameter::Last] == -1 ? last : generation.options[Parameter::Last];
    if (to > last || from > to)
        return refuse(QCoreApplication::translate("EffectCommand",
                                                  "--from et --to : des enregistrements de 0 à "
                                                  "%1, dans l'ordre")
                          .arg(last),
                      ExitStatus::Usage);
    return records->mid(from, to - from + 1);
}

} // namespace

QList<QCommandLineOption> effectOptions() {
    QList<QCommandLineOption> options;
    for (int p = 0; p < effects::ParameterCount; ++p)
        options += optionOf(Parameter(p));
    return options + QList{sourceOption(), outputOption()};
}

QList<std::pair<QString, QString>> effectHelp() {
    QList<std::pair<QString, QString>> rows;
    for (const EffectName& name : Effects)
        rows += {QString::fromLatin1(name.name),
                 QCoreApplication::translate("EffectCommand", name.role)};
    return rows;
}

std::variant<Generation, QString> readGeneration(const QCommandLineParser& parser) {
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 2)
        return QCoreApplication::translate("EffectCommand",
                                           "generate attend un effet (chase, scanner …)");
    const auto name = std::find_if(std::begin(Effects), std::end(Effects), [&](const auto& e) {
        return QLatin1String(e.name) == arguments[1];
    });
    if (name == std::end(Effects))
        return QCoreApplication::translate("EffectCommand", "effet inconnu : %1").arg(arguments[1]);
    if (Error error = unusedOption(parser, *name))
        return *error;
    Generation generation{
        name->effect, {}, parser.value(outputOption()), parser.values(sourceOption())};
    if (name->effect == Effect::Repeat) // the whole source unless told otherwise
        generation.options[Parameter::Last] = -1;
    for (const auto& [parameter, bounds] : parametersRead(name->effect))
        if (Error error = readValue(parser, parameter, bounds, generation.options[parameter]))
            return *error;
    if (generation.output.isEmpty())
        return QCoreApplication::translate("EffectCommand", "generate attend -o FICHIER.dat");
    return generation;
}

ExitStatus writeGeneration(const Generation& generation) {
    QList<Frame> source;
    if (generation.effect == Effect::Repeat) {
        auto records = sourceRecords(generation);
        if (const auto* status = std::get_if<ExitStatus>(&records))
            return *status;
        source = std::get<QList<Frame>>(records);
    }
    const QList<Frame> frames = effects::generate(generation.effect, generation.options, source);
    if (frames.size() > Sequence::BoardCapacity)
        return refuse(
            QCoreApplication::translate(
                "EffectCommand", "l'effet fait %1 enregistrements, la carte n'en tient que %2")
                .arg(frames.size())
                .arg(Sequence::BoardCapacity),
            ExitStatus::Usage);
    // As the editor holds the file once opened, so that opening and saving it changes nothing.
    const Sequence sequence = Sequence::loaded(frames);
    if (!writeWholeFile(generation.output, writeSequenceFile(sequence)))
        return refuse(
            QCoreApplication::translate("EffectCommand", "%1 : impossible d'écrire le fichier")
                .arg(shownFileName(generation.output)),
            ExitStatus::FileRefused);
    ConsoleOutput(false).result(
        QCoreApplication::translate("EffectCommand", "%1 : %2 enregistrements")
            .arg(shownFileName(generation.output))
            .arg(frames.size()));
    return ExitStatus::Done;
}
