#include "files/Configuration.h"

#include "files/DiskFile.h"
#include "files/TextItems.h"
#include "model/NumericText.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr qint64 MaxConfigurationSize = 4096;

QString configurationPath(const QString& folder) {
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("lt840.cfg"));
}

} // namespace

// The carried text goes through byte for byte: Latin-1 maps every byte to one character and
// back, whatever 8-bit character set wrote it.
QByteArray writeConfigurationFile(qint16 port, const QString& text) {
    return numberField(port) + LineEnd + text.toLatin1() + LineEnd;
}

ConfigurationContent readConfigurationFile(const QByteArray& bytes) {
    ConfigurationContent content;
    ItemReader items(bytes);
    const auto port = items.number();
    if (!port)
        return content;
    content.port = toInt16(QString::fromLatin1(*port));
    if (!content.port)
        return content;
    if (const auto text = items.text())
        content.text = QString::fromLatin1(*text);
    return content;
}

// The newer of the two files first, the other when that folder cannot hold the file. When
// neither works the program goes on with the port as it is, without a word: the port can
// still be chosen in the menu.
void Configuration::loadConfiguration() {
    m_inUserFolder = userFileFirst();
    if (!readOrRecreate(folder(m_inUserFolder))) {
        m_inUserFolder = !m_inUserFolder;
        readOrRecreate(folder(m_inUserFolder));
    }
}

// A folder that refuses the file hands over to the other, which the next start then reads
// as the newer.
void Configuration::saveConfiguration() {
    if (writeTo(folder(m_inUserFolder)))
        return;
    if (writeTo(folder(!m_inUserFolder)))
        m_inUserFolder = !m_inUserFolder;
}

QString Configuration::folder(bool user) const {
    return user ? m_folders.userFolder() : m_folders.programFolder();
}

// Takes whatever the file yields, even when it stops short: a port read before the failure
// is the one the recovery writes back.
bool Configuration::readFrom(const QString& folder) {
    const auto bytes = readWholeFile(configurationPath(folder), MaxConfigurationSize);
    if (!bytes)
        return false;
    const ConfigurationContent content = readConfigurationFile(*bytes);
    if (content.port)
        m_port = *content.port;
    if (content.text)
        m_text = *content.text;
    return content.complete();
}

bool Configuration::writeTo(const QString& folder) const {
    return !folder.isEmpty() && QDir().mkpath(folder) &&
           writeWholeFile(configurationPath(folder), writeConfigurationFile(m_port, m_text));
}

// One rewrite at most: a file that still cannot be read back ends the attempts here.
bool Configuration::readOrRecreate(const QString& folder) {
    if (readFrom(folder))
        return true;
    m_text = DefaultText;
    return writeTo(folder) && readFrom(folder);
}

// The newer file wins, the user's on a tie: whichever folder the last save reached is read
// at the next start. Timestamps rather than a fixed order, so that the program's file, once
// it can be written again or is edited by hand, takes over again.
bool Configuration::userFileFirst() const {
    const QFileInfo user(configurationPath(folder(true)));
    const QFileInfo program(configurationPath(folder(false)));
    return user.isFile() && (!program.isFile() || user.lastModified() >= program.lastModified());
}
