#include "cli/ConsoleOutput.h"

#include "serial/LinkTrace.h"

#include <QCoreApplication>
#include <QTextStream>

#include <utility>

namespace {

constexpr int BarWidth = 32;

QString progressText(int blocksSent, int blocks) {
    return QCoreApplication::translate("ConsoleOutput", "bloc %1/%2").arg(blocksSent).arg(blocks);
}

QString about(const QString& name, const QString& text) {
    //: Between a file's or a port's name and what is said about it.
    return name + QCoreApplication::translate("ConsoleOutput", " : ") + text;
}

} // namespace

QString shownFileName(const QString& file) {
    //: The name of a file given as an empty argument.
    return file.isEmpty() ? QCoreApplication::translate("ConsoleOutput", "«»") : singleLine(file);
}

void ConsoleOutput::result(const QString& line) {
    QTextStream(stdout) << line << Qt::endl;
}

void ConsoleOutput::boardResult(const QString& device, const QString& text) {
    result(singleLine(about(device, text)));
}

void ConsoleOutput::tell(const QString& text) {
    traceLine(QStringLiteral("lt840-cli: ") + singleLine(text));
}

void ConsoleOutput::tellAbout(const QString& file, const QString& text) {
    tell(about(shownFileName(file), text));
}

void ConsoleOutput::traceLine(const QString& line) {
    endBar();
    QTextStream(stderr) << line << Qt::endl;
}

void ConsoleOutput::showProgress(int blocksSent, int blocks) {
    if (blocksSent <= 0 || blocks <= 0)
        return;
    if (m_barInPlace)
        drawBar(blocksSent, blocks);
    else
        traceLine(progressText(blocksSent, blocks));
}

void ConsoleOutput::showProgress(int board, int boards, const QString& device, int blocksSent,
                                 int blocks) {
    if (blocksSent <= 0 || blocks <= 0)
        return;
    if (!m_barInPlace)
        return traceLine(about(singleLine(device), progressText(blocksSent, blocks)));
    m_counts.resize(boards, QStringLiteral("-"));
    m_counts[board] = QStringLiteral("%1/%2").arg(blocksSent).arg(blocks);
    QTextStream(stderr) << u'\r'
                        << QCoreApplication::translate("ConsoleOutput", "blocs : %1")
                               .arg(m_counts.join(QStringLiteral("  ")))
                        << Qt::flush;
    m_barOpen = true;
}

void ConsoleOutput::drawBar(int blocksSent, int blocks) {
    const int filled = BarWidth * qMin(blocksSent, blocks) / blocks;
    QTextStream(stderr)
        << QStringLiteral("\r[%1%2] ").arg(QString(filled, u'#'), QString(BarWidth - filled, u'.'))
        << progressText(blocksSent, blocks) << Qt::flush;
    m_barOpen = true;
}

void ConsoleOutput::endBar() {
    if (std::exchange(m_barOpen, false))
        QTextStream(stderr) << u'\n' << Qt::flush;
}
