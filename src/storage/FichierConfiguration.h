#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What could be read from a configuration file, in file order: the text is read only once
// the port was, so a port alone means the file stopped after its first line.
struct LectureConfiguration {
    std::optional<qint16> port; // line 1, when it holds a 16-bit number
    std::optional<QString> texte;
    bool complete() const { return port && texte; }
};

QByteArray ecrireConfiguration(qint16 port, const QString& texte);
LectureConfiguration lireConfiguration(const QByteArray& octets);
