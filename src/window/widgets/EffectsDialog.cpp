#include "window/widgets/EffectsDialog.h"

#include "editing/SequenceEditor.h"
#include "model/TimeBase.h"
#include "window/widgets/Overview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using effects::Effect;
using effects::Parameter;

namespace {

// In the order of effects::Effect.
const char* const EffectNames[effects::EffectCount] = {
    QT_TRANSLATE_NOOP("EffectsDialog", "Chenillard"),
    QT_TRANSLATE_NOOP("EffectsDialog", "Balayage"),
    QT_TRANSLATE_NOOP("EffectsDialog", "Remplir puis vider"),
    QT_TRANSLATE_NOOP("EffectsDialog", "Alternance"),
    QT_TRANSLATE_NOOP("EffectsDialog", "Clignotement"),
    QT_TRANSLATE_NOOP("EffectsDialog", "Rencontre au centre"),
    QT_TRANSLATE_NOOP("EffectsDialog", "Compteur binaire"),
    QT_TRANSLATE_NOOP("EffectsDialog", "Scintillement"),
    QT_TRANSLATE_NOOP("EffectsDialog", "Répéter Départ..En cours")};

// In the order of effects::Parameter.
const char* const ParameterLabels[effects::ParameterCount] = {
    QT_TRANSLATE_NOOP("EffectsDialog", "&Largeur :"),
    QT_TRANSLATE_NOOP("EffectsDialog", "De &droite à gauche"),
    QT_TRANSLATE_NOOP("EffectsDialog", "Faire le &tour"),
    QT_TRANSLATE_NOOP("EffectsDialog", "De la &valeur :"),
    QT_TRANSLATE_NOOP("EffectsDialog", "À la va&leur :"),
    QT_TRANSLATE_NOOP("EffectsDialog", "Lampes a&llumées :"),
    QT_TRANSLATE_NOOP("EffectsDialog", "&Trames :"),
    QT_TRANSLATE_NOOP("EffectsDialog", "&Graine :"),
    QT_TRANSLATE_NOOP("EffectsDialog", "&Répétitions :"),
    QT_TRANSLATE_NOOP("EffectsDialog", "D&urée :")};

bool isSwitch(Parameter parameter) {
    return parameter == Parameter::Reverse || parameter == Parameter::Wrap;
}

QString frameCount(qsizetype count) {
    return count == 0   ? QCoreApplication::translate("EffectsDialog", "Aucune trame")
           : count == 1 ? QCoreApplication::translate("EffectsDialog", "1 trame")
                        : QCoreApplication::translate("EffectsDialog", "%1 trames").arg(count);
}

} // namespace

EffectsDialog::EffectsDialog(const SequenceEditor& editor, QWidget* parent)
    : QDialog(parent), m_editor(editor), m_list(new QListWidget), m_parameters(new QFormLayout),
      m_preview(new Overview), m_count(new QLabel), m_play(new QPushButton(tr("Lir&e"))),
      m_insert(new QPushButton(tr("&Insérer"))),
      m_replace(new QPushButton(tr("Re&mplacer Départ..En cours"))) {
    setWindowTitle(tr("Effets"));
    for (const char* name : EffectNames)
        m_list->addItem(QCoreApplication::translate("EffectsDialog", name));
    m_list->setAccessibleName(tr("Effets"));
    m_list->setCurrentRow(0);
    m_list->setFixedWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 8);
    m_preview->setToolTip(QString());
    m_preview->setFocusPolicy(Qt::NoFocus); // nothing to choose there
    m_preview->strip()->setFocusPolicy(Qt::NoFocus);
    m_preview->setAccessibleName(tr("Aperçu"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(m_insert, QDialogButtonBox::ActionRole);
    buttons->addButton(m_replace, QDialogButtonBox::ActionRole);
    // Enter inserts, wherever the focus is, but on another button.
    for (QPushButton* button : {m_play, m_replace, buttons->button(QDialogButtonBox::Close)})
        button->setAutoDefault(false);
    m_insert->setDefault(true);
    auto* playRow = new QHBoxLayout;
    playRow->addWidget(m_play);
    playRow->addWidget(m_count, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(m_parameters);
    right->addStretch();
    right->addWidget(m_preview);
    right->addLayout(playRow);
    auto* top = new QHBoxLayout;
    top->addWidget(m_list);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, &EffectsDialog::buildParameters);
    connect(m_play, &QPushButton::clicked, this, &EffectsDialog::togglePlay);
    connect(&m_timer, &QTimer::timeout, this, &EffectsDialog::step);
    connect(m_insert, &QPushButton::clicked, this, [this] { emit insertRequested(m_frames); });
    connect(m_replace, &QPushButton::clicked, this, [this] { emit replaceRequested(m_frames); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &EffectsDialog::stopPlaying);
    buildParameters();
}

Effect EffectsDialog::effect() const {
    return Effect(qBound(0, m_list->currentRow(), effects::EffectCount - 1));
}

void EffectsDialog::open() {
    makeFrames();
    QDialog::open();
    m_list->setFocus();
}

// The fields of the effect chosen, each starting from the value last given to its parameter;
// Tab goes from the list through them, in order.
void EffectsDialog::buildParameters() {
    while (m_parameters->rowCount() > 0)
        m_parameters->removeRow(0);
    QWidget* previous = m_list;
    for (const auto& [parameter, bounds] : effects::parametersOf(effect())) {
        QWidget* field = addParameter(parameter, bounds);
        setTabOrder(previous, field);
        previous = field;
    }
    setTabOrder(previous, m_play);
    makeFrames();
}

QWidget* EffectsDialog::addParameter(Parameter parameter, effects::Bounds bounds) {
    const QString label =
        QCoreApplication::translate("EffectsDialog", ParameterLabels[int(parameter)]);
    int& value = m_options[parameter];
    if (isSwitch(parameter)) {
        auto* box = new QCheckBox(label);
        box->setChecked(value != 0);
        connect(box, &QCheckBox::toggled, this, [this, &value](bool on) { take(value, on); });
        m_parameters->addRow(box);
        return box;
    }
    QWidget* field =
        parameter == Parameter::Code ? multiplierField(value, bounds) : numberField(value, bounds);
    m_parameters->addRow(label, field);
    return field;
}

QWidget* EffectsDialog::multiplierField(int& code, effects::Bounds bounds) {
    auto* box = new QComboBox;
    for (int c = bounds.min; c <= bounds.max; ++c)
        box->addItem(QStringLiteral("x%1").arg(timebase::multiplier(c)), c);
    box->setCurrentIndex(code - bounds.min);
    connect(box, &QComboBox::currentIndexChanged, this,
            [this, &code, box] { take(code, box->currentData().toInt()); });
    return box;
}

QWidget* EffectsDialog::numberField(int& number, effects::Bounds bounds) {
    auto* box = new QSpinBox;
    box->setRange(bounds.min, bounds.max);
    box->setValue(number);
    number = box->value(); // held within the bounds of this effect
    connect(box, &QSpinBox::valueChanged, this, [this, &number](int v) { take(number, v); });
    return box;
}

void EffectsDialog::take(int& option, int value) {
    option = value;
    makeFrames();
}

void EffectsDialog::makeFrames() {
    stopPlaying();
    m_frames = effects::generate(effect(), m_options, m_editor.chosenFrames());
    m_count->setText(frameCount(m_frames.size()));
    m_play->setEnabled(!m_frames.isEmpty());
    m_insert->setEnabled(!m_frames.isEmpty() && m_editor.canInsert());
    m_replace->setEnabled(!m_frames.isEmpty() && m_editor.canCopy());
    showPreview();
}

void EffectsDialog::togglePlay() {
    if (m_timer.isActive())
        return stopPlaying();
    m_played = -1;
    m_play->setText(tr("Arr&êter"));
    step();
}

// Each frame stays for its own duration at the base period in force.
void EffectsDialog::step() {
    if (m_frames.isEmpty())
        return stopPlaying();
    m_played = (m_played + 1) % int(m_frames.size());
    const double base = timebase::basePeriod(m_editor.basePeriodIndex());
    const int code = m_frames[m_played].code;
    // A frame without a duration (a repetition may bring one) flashes by as the shortest does.
    m_timer.start(qMax(10, timebase::startIntervalMs(base, timebase::multiplier(code))));
    showPreview();
}

void EffectsDialog::stopPlaying() {
    m_timer.stop();
    m_played = -1;
    m_play->setText(tr("Lir&e"));
    showPreview();
}

void EffectsDialog::showPreview() {
    m_preview->showImage(overviewImage(m_frames, m_editor, m_played, palette()));
}
