#include "cli/ConsoleOutput.h"

#include "serial/LinkTrace.h"

#include <QTextStream>

#include <utility>

namespace {

constexpr int BarWidth = 32;

} // namespace

QString shownFileName(const QString& file) {
    return file.isEmpty() ? QStringLiteral("«»") : singleLine(file);
}

void ConsoleOutput::result(const QString& line) {
    QTextStream(stdout) << line << Qt::endl;
}

void ConsoleOutput::tell(const QString& text) {
    traceLine(QStringLiteral("lt840-cli: ") + singleLine(text));
}

void ConsoleOutput::tellAbout(const QString& file, const QString& text) {
    tell(shownFileName(file) + QStringLiteral(" : ") + text);
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
        traceLine(QStringLiteral("bloc %1/%2").arg(blocksSent).arg(blocks));
}

void ConsoleOutput::drawBar(int blocksSent, int blocks) {
    const int filled = BarWidth * qMin(blocksSent, blocks) / blocks;
    QTextStream(stderr) << QStringLiteral("\r[%1%2] bloc %3/%4")
                               .arg(QString(filled, u'#'), QString(BarWidth - filled, u'.'))
                               .arg(blocksSent)
                               .arg(blocks)
                        << Qt::flush;
    m_barOpen = true;
}

void ConsoleOutput::endBar() {
    if (std::exchange(m_barOpen, false))
        QTextStream(stderr) << u'\n' << Qt::flush;
}
