#include "cli/PlateformeTerminal.h"

#include "serial/TraceLiaison.h"

#include <QTextStream>

namespace {

constexpr int LargeurBarre = 32;

} // namespace

QString shownFileName(const QString& file) {
    return file.isEmpty() ? QStringLiteral("«»") : surUneLigne(file);
}

int MessagesTerminal::afficher(const QString& prompt, int buttons, const QString&) {
    ++m_nombre;
    m_progression.endLine();
    const QString subject = m_fileNamed ? shownFileName(m_file) + QStringLiteral(" : ") : QString();
    QTextStream(stderr) << "lt840-cli: " << subject << surUneLigne(prompt) << Qt::endl;
    return (buttons & Msg::MasqueBoutons) == Msg::OuiNon ? Msg::RepNon : Msg::RepOK;
}

void ProgressionTerminal::repeindre() {
    if (!m_lecture)
        return;
    const auto [valeur, maximum] = m_lecture();
    if (valeur == m_montre || valeur <= 0 || maximum <= 0)
        return;
    m_montre = valeur;
    QTextStream sortie(stderr);
    if (!m_terminal) {
        sortie << QStringLiteral("bloc %1/%2").arg(valeur).arg(maximum) << Qt::endl;
        return;
    }
    const int plein = LargeurBarre * qMin(valeur, maximum) / maximum;
    sortie << QStringLiteral("\r[%1%2] bloc %3/%4")
                  .arg(QString(plein, u'#'), QString(LargeurBarre - plein, u'.'))
                  .arg(valeur)
                  .arg(maximum)
           << Qt::flush;
    m_lineOpen = true;
}

void ProgressionTerminal::endLine() {
    if (m_lineOpen)
        QTextStream(stderr) << u'\n' << Qt::flush;
    m_lineOpen = false;
}

void ProgressionTerminal::finir() {
    endLine();
    m_montre = 0;
}
