#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The folders the program keeps its files in.
class IProgramFolders {
public:
    virtual ~IProgramFolders() = default;
    // Where lt840.cfg goes and the file dialogs start: beside the program when it runs from its
    // build folder, the user's settings folder once installed.
    virtual QString programFolder() = 0;
    // The user's settings folder, which takes the file when the former refuses it.
    virtual QString userFolder() = 0;
};

// The configuration file lt840.cfg: the chosen COM port's index (0..3 for COM 1..COM 4) on
// its first line, a text carried through unchanged on its second.
struct ConfigurationContent {
    std::optional<qint16> port;  // line 1, when it holds a 16-bit number
    std::optional<QString> text; // line 2, read only after line 1
    bool complete() const { return port && text; }
};
QByteArray writeConfigurationFile(qint16 port, const QString& text);
ConfigurationContent readConfigurationFile(const QByteArray& bytes);

// The configuration as the program keeps it between runs: read at start-up, written when the
// user chooses a COM port. Of the program's folder and the user's folder, the one holding
// the newer file is read (the user's on a tie), the other when the first cannot hold it.
class Configuration {
public:
    static constexpr qint16 DefaultPort = 0;
    static inline const QString DefaultText = QStringLiteral("*.dat");

    explicit Configuration(IProgramFolders& folders) : m_folders(folders) {}

    // A missing or unreadable file is written anew with the port in force and the default text,
    // then read back once; with neither folder usable the port stays as it is, without a word.
    void loadConfiguration();
    // To the folder read from, else to the other one, which the next start then reads.
    void saveConfiguration();

    qint16 portNumber() const { return m_port; }
    void setPortNumber(qint16 port) { m_port = port; }
    const QString& text() const { return m_text; }

private:
    QString folder(bool user) const;
    bool readFrom(const QString& folder);
    bool writeTo(const QString& folder) const;
    bool readOrRecreate(const QString& folder);
    bool userFileFirst() const;

    IProgramFolders& m_folders;
    qint16 m_port = DefaultPort;
    QString m_text;
    bool m_inUserFolder = false; // the file in use is the user's, not the program folder's
};
