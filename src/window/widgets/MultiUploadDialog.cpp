#include "window/widgets/MultiUploadDialog.h"

#include "editing/SequenceEditor.h"
#include "serial/ComDevice.h"
#include "serial/PortList.h"
#include "serial/UserSettings.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

// The devices last ticked, whether plugged in or not, beside the editor's other settings.
const QString TickedKey = QStringLiteral("programmation/cartes");

// The adapters the system reports, then the devices the COMs are pointed at by the
// environment (pseudo-terminals, which the system does not report).
QList<PortEntry> adapters(IPortEnumerator& ports) {
    QList<PortEntry> found = deviceEntries(ports.ports(), QString());
    for (int com = 1; com <= 4; ++com) {
        if (!qEnvironmentVariableIsSet(qPrintable(QStringLiteral("LT840_COM%1").arg(com))))
            continue;
        const QString device = comDevice(com);
        if (std::ranges::none_of(found, [&](const PortEntry& e) { return e.device == device; }))
            found.append({QStringLiteral("COM %1 — %2").arg(com).arg(device), device});
    }
    return found;
}

// French: a count of one or none takes the singular.
QString countText(int count, const char* one, const char* several) {
    return MultiUploadDialog::tr(count > 1 ? several : one).arg(count);
}

// What became of a board, as its status says it: the reports' texts when it failed.
QString endText(const MultiBoardUpload::Board& board) {
    using Result = BoardOutcome::Result;
    if (board.outcome.result == Result::Done)
        return MultiUploadDialog::tr("Programmée (%1)").arg(board.identification.trimmed());
    QStringList texts;
    for (const Report& report : board.outcome.reports)
        texts << report.text.trimmed();
    if (!texts.isEmpty())
        return texts.join(u' ');
    return board.outcome.result == Result::Stopped
               ? MultiUploadDialog::tr("Arrêtée avant la programmation")
               : MultiUploadDialog::tr("La carte ne répond pas");
}

} // namespace

MultiUploadDialog::MultiUploadDialog(const SequenceEditor& editor, IPortEnumerator& ports,
                                     MultiBoardUpload::LineMaker makeLine, IClock& clock,
                                     QWidget* parent)
    : QDialog(parent), m_editor(editor), m_ports(ports), m_makeLine(std::move(makeLine)),
      m_clock(clock), m_grid(new QGridLayout), m_none(new QLabel(this)),
      m_summary(new QLabel(this)), m_start(new QPushButton(tr("&Programmer"), this)),
      m_stop(new QPushButton(tr("&Arrêter"), this)) {
    setObjectName(QStringLiteral("multiUploadDialog"));
    setWindowTitle(tr("Programmer plusieurs cartes"));
    auto* close = new QPushButton(tr("&Fermer"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {m_start, m_stop, close})
        buttons->addWidget(b);
    auto* page = new QVBoxLayout(this);
    page->addWidget(new QLabel(tr("Cochez les cartes à programmer avec la séquence en cours :")));
    page->addLayout(m_grid);
    page->addWidget(m_none);
    page->addWidget(m_summary);
    page->addStretch();
    page->addLayout(buttons);
    m_none->setText(tr("Aucun adaptateur série n'a été trouvé."));
    m_grid->setColumnStretch(2, 1);
    m_start->setDefault(true);
    connect(m_start, &QPushButton::clicked, this, &MultiUploadDialog::start);
    connect(m_stop, &QPushButton::clicked, this, &MultiUploadDialog::reject);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(560, sizeHint().height());
}

void MultiUploadDialog::open() {
    listAdapters();
    m_summary->clear();
    showRunning(false);
    QDialog::open();
}

// Escape stops the uploads; once they have ended it closes the dialog as usual.
void MultiUploadDialog::reject() {
    if (running())
        m_upload->stop();
    else
        QDialog::reject();
}

void MultiUploadDialog::closeEvent(QCloseEvent* event) {
    if (!running())
        return QDialog::closeEvent(event);
    m_closeWhenEnded = true;
    m_upload->stop();
    event->ignore();
}

void MultiUploadDialog::listAdapters() {
    for (const Row& row : std::as_const(m_rows))
        qDeleteAll(QList<QWidget*>{row.check, row.bar, row.status});
    m_rows.clear();
    const QStringList ticked = userSettings().value(TickedKey).toStringList();
    for (const PortEntry& adapter : adapters(m_ports)) {
        Row row{adapter.device, new QCheckBox(adapter.label, this), new QProgressBar(this),
                new QLabel(this)};
        row.check->setChecked(ticked.contains(adapter.device));
        row.bar->setTextVisible(false);
        row.bar->setValue(0);
        row.status->setMinimumWidth(160);
        const int r = int(m_rows.size());
        m_grid->addWidget(row.check, r, 0);
        m_grid->addWidget(row.bar, r, 1);
        m_grid->addWidget(row.status, r, 2);
        connect(row.check, &QCheckBox::toggled, this, [this] {
            rememberTicks();
            showRunning(false);
        });
        m_rows.append(row);
    }
    m_none->setVisible(m_rows.isEmpty());
    // The keyboard goes down the list, then to the buttons; it starts on the first adapter.
    for (qsizetype r = 1; r < m_rows.size(); ++r)
        setTabOrder(m_rows[r - 1].check, m_rows[r].check);
    if (m_rows.isEmpty())
        return;
    setTabOrder(m_rows.last().check, m_start);
    m_rows.first().check->setFocus();
}

// An adapter unplugged today keeps its tick for the day it is back.
void MultiUploadDialog::rememberTicks() const {
    QStringList ticked = userSettings().value(TickedKey).toStringList();
    for (const Row& row : m_rows) {
        ticked.removeAll(row.device);
        if (row.check->isChecked())
            ticked.append(row.device);
    }
    userSettings().setValue(TickedKey, ticked);
}

void MultiUploadDialog::showRunning(bool running) {
    const bool anyTicked =
        std::ranges::any_of(m_rows, [](const Row& row) { return row.check->isChecked(); });
    m_start->setEnabled(!running && anyTicked && m_editor.sequence().length() > 0);
    m_stop->setEnabled(running);
    for (const Row& row : std::as_const(m_rows))
        row.check->setEnabled(!running);
}

// The sequence as it is now, at the base period in force, as "Programmation" writes it.
void MultiUploadDialog::start() {
    if (running())
        return;
    QStringList devices;
    m_boardRows.clear();
    for (int r = 0; r < m_rows.size(); ++r) {
        const Row& row = m_rows[r];
        row.bar->setValue(0);
        row.status->setText(row.check->isChecked() ? tr("Identification…") : QString());
        if (row.check->isChecked()) {
            devices << row.device;
            m_boardRows << r;
        }
    }
    m_summary->clear();
    m_upload = new MultiBoardUpload(m_makeLine, m_clock, this);
    connect(m_upload, &MultiBoardUpload::progress, this, &MultiUploadDialog::showProgress);
    connect(m_upload, &MultiBoardUpload::boardEnded, this, &MultiUploadDialog::showEnded);
    connect(m_upload, &MultiBoardUpload::finished, this, &MultiUploadDialog::finish);
    showRunning(true);
    // Boards whose port does not open end, and may all have ended, before start() returns.
    MultiBoardUpload* upload = m_upload;
    if (!upload->start(devices, m_editor.sequence(), m_editor.basePeriodIndex())) {
        delete upload;
        m_upload = nullptr;
        showRunning(false);
    }
}

void MultiUploadDialog::showProgress(int board, int blocksSent, int blocks) {
    const Row& row = m_rows.at(m_boardRows.at(board));
    row.status->setText(tr("bloc %1/%2").arg(blocksSent).arg(blocks));
    row.bar->setRange(0, blocks);
    row.bar->setValue(qBound(0, blocksSent, blocks));
}

void MultiUploadDialog::showEnded(int board) {
    const MultiBoardUpload::Board& ended = m_upload->boards().at(board);
    const Row& row = m_rows.at(m_boardRows.at(board));
    if (ended.outcome.result == BoardOutcome::Result::Done)
        row.bar->setValue(row.bar->maximum());
    row.status->setText(endText(ended));
    // A failure's text is shown whole: the dialog widens to it.
    resize(qMax(width(), sizeHint().width()), height());
}

// One line for all the boards in place of a box for each failure. The upload is let go (its
// ports closed) once its signal has returned, so that the adapters are free for other commands.
void MultiUploadDialog::finish() {
    int done = 0, stopped = 0, failed = 0;
    for (const MultiBoardUpload::Board& board : m_upload->boards())
        switch (board.outcome.result) {
        case BoardOutcome::Result::Done:
            ++done;
            break;
        case BoardOutcome::Result::Stopped:
            ++stopped;
            break;
        default:
            ++failed;
        }
    QStringList parts{countText(done, QT_TRANSLATE_NOOP("MultiUploadDialog", "%1 carte programmée"),
                                QT_TRANSLATE_NOOP("MultiUploadDialog", "%1 cartes programmées"))};
    if (failed > 0)
        parts << tr("%1 en échec").arg(failed);
    if (stopped > 0)
        parts << countText(stopped, QT_TRANSLATE_NOOP("MultiUploadDialog", "%1 arrêtée"),
                           QT_TRANSLATE_NOOP("MultiUploadDialog", "%1 arrêtées"));
    m_summary->setText(parts.join(QStringLiteral(", ")));
    m_upload->deleteLater();
    m_upload = nullptr;
    showRunning(false);
    if (std::exchange(m_closeWhenEnded, false))
        close();
}
