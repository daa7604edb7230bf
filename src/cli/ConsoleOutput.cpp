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

} // namespace

QString shownFileName(const QString& file) {
    //: The name of a file given as an empty argument.
    return file.isEmpty() ? QCoreApplication::translate("ConsoleOutput", "«»") : singleLine(file);
}

void ConsoleOutput::result(const QString& line) {
    QTextStream(stdout) << line << Qt::endl;
}

void ConsoleOutput::tell(const QString& text) {
    traceLine(QStringLiteral("lt840-cli: ") + singleLine(text));
}

void ConsoleOutput::tellAbout(const QString& file, const QString& text) {
    //: Between a file's name and what is said about it.
    tell(shownFileName(file) + QCoreApplication::translate("ConsoleOutput", " : ") + text);
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
