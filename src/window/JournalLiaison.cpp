#include "window/JournalLiaison.h"

#include "window/PlacementFenetre.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int LignesGardees = 20000; // a few hundred uploads
const QString Titre = QStringLiteral("Journal de la liaison");

} // namespace

JournalLiaison::JournalLiaison(QMainWindow* fenetre, AiguillageSerie& aiguillage, ISerialPort& port,
                               IClock& horloge, MessagesTraces& messages)
    : QWidget(fenetre, Qt::Window), m_aiguillage(aiguillage), m_port(port), m_horloge(horloge),
      m_messages(messages), m_lignes(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("JournalLiaison"));
    setWindowTitle(Titre);
    m_lignes->setReadOnly(true);
    m_lignes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_lignes->setMaximumBlockCount(LignesGardees);
    m_lignes->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(m_lignes);
    resize(900, 400);
    new PlacementFenetre(this, fenetre, QStringLiteral("journal"));

    QMenu* option = fenetre->findChild<QMenu*>(QStringLiteral("option"));
    m_element = option->addAction(Titre);
    m_element->setObjectName(QStringLiteral("Journal"));
    m_element->setCheckable(true);
    connect(m_element, &QAction::toggled, this, [this](bool actif) { basculer(actif); });
}

// The editor outlives its window: it must not be left talking through a trace that is gone.
JournalLiaison::~JournalLiaison() {
    m_messages.suivre(nullptr);
    m_aiguillage.diriger(m_port);
}

void JournalLiaison::basculer(bool actif) {
    if (actif == m_trace.has_value())
        return;
    if (actif) {
        m_trace.emplace(
            m_port, m_horloge, [this](const QString& ligne) { m_lignes->appendPlainText(ligne); },
            TraceLiaison::Origine::ChaqueCommande);
        m_aiguillage.diriger(*m_trace);
        m_messages.suivre(&*m_trace);
        show();
        return;
    }
    m_messages.suivre(nullptr);
    m_aiguillage.diriger(m_port);
    m_trace.reset();
    hide();
}

void JournalLiaison::closeEvent(QCloseEvent* evenement) {
    evenement->accept();
    m_element->setChecked(false);
}
