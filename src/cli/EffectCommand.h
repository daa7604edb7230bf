#pragma once

#include "cli/ExitStatus.h"
#include "model/Effects.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include <utility>
#include <variant>

// `generate`: an effect written as a sequence file.
struct Generation {
    effects::Effect effect = effects::Effect::Chase;
    effects::Options options;
    QString output;
    // Repeat: the records First..Last (Last -1: the last one) of these sequence files, put
    // end to end, are repeated.
    QStringList sources;
};

// The options only `generate` reads, in the order the help lists them.
QList<QCommandLineOption> effectOptions();
// The effects by the name the command line gives them, and what each makes.
QList<std::pair<QString, QString>> effectHelp();

// The generation the arguments ask for ("generate EFFECT"), or what is wrong with them.
std::variant<Generation, QString> readGeneration(const QCommandLineParser& parser);

// Writes the file; a repetition reads its source first.
ExitStatus writeGeneration(const Generation& generation);
