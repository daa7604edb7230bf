#include "window/widgets/Overview.h"

#include "editing/Player.h"
#include "editing/SequenceEditor.h"
#include "model/TimeBase.h"
#include "window/widgets/DesktopColour.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QtMath>

#include <algorithm>
#include <utility>

namespace {

// In pixels from the top of the strip: the playback mark, the record numbers, the lamps,
// then the duration bars, x20 being the tallest.
constexpr int MarkHeight = 5;
// The strip starts a little off the left edge, and ends with room for the last column's
// number, which is drawn across the columns after its own.
constexpr int LeftMargin = 4;
constexpr int NumbersTop = 3;
constexpr int LampsTop = 17;
constexpr int LampPitch = 10;
constexpr int LampDiameter = 8;
constexpr int BarsBottom = 126;
constexpr int PixelsPerFiveUnits = 6; // x20 is 24 pixels high
constexpr int NumberEvery = 10;
constexpr int ColumnsPerNumber = 4; // a number is drawn from its own column across the next ones

const QColor PlayedColour(255, 0, 0);
constexpr qreal WorkingOpacity = 0.3;

int barHeight(qint16 code) {
    return (timebase::multiplier(code) * PixelsPerFiveUnits + 2) / 5;
}

bool holdsColours(const OverviewImage& a, const OverviewImage& b) {
    return a.lit == b.lit && a.unlit == b.unlit;
}

OverviewColumn columnOf(const Frame& frame) {
    OverviewColumn column;
    for (int i = 0; i < Frame::LampCount; ++i)
        if (frame.isLit(i))
            column.lamps |= quint8(1u << i);
    column.code = frame.code;
    return column;
}

OverviewImage coloured(const SequenceEditor& editor, const QPalette& palette) {
    return {{},
            desktopColour(editor.colours().lit, palette),
            desktopColour(editor.colours().unlit, palette)};
}

} // namespace

// The range is shaded only while both of its ends name a record of the store.
OverviewImage overviewImage(const SequenceEditor& editor, bool playing, const QPalette& palette) {
    OverviewImage image = coloured(editor, palette);
    const int start = editor.startAddress();
    const int entry = editor.currentEntry();
    const bool ranged = Sequence::holds(start) && Sequence::holds(entry);
    const int rangeFirst = ranged ? std::min(start, entry) : 0;
    const int rangeLast = ranged ? std::max(start, entry) : -1;
    const Sequence& sequence = editor.sequence();
    for (int r = 0; r <= sequence.length(); ++r) {
        OverviewColumn c = columnOf(sequence.at(r));
        c.current = r == editor.currentRecord();
        c.inRange = r >= rangeFirst && r <= rangeLast;
        c.played = c.current && playing;
        image.columns.append(c);
    }
    image.columns.last().working = true;
    return image;
}

OverviewImage overviewImage(const QList<Frame>& frames, const SequenceEditor& editor, int played,
                            const QPalette& palette) {
    OverviewImage image = coloured(editor, palette);
    for (const Frame& frame : frames)
        image.columns.append(columnOf(frame));
    if (played >= 0 && played < image.columns.size())
        image.columns[played].current = image.columns[played].played = true;
    return image;
}

// The drawn strip, as wide as the records need; the scroll area around it moves it.
class OverviewStrip : public QWidget {
public:
    explicit OverviewStrip(Overview* overview) : QWidget(overview), m_overview(overview) {
        setObjectName(QStringLiteral("overviewStrip"));
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(Overview::tr("Vue d'ensemble"));
    }

protected:
    // The strip is drawn at its design size, magnified to the overview's height.
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        const qreal scale = m_overview->scale();
        p.scale(scale, scale);
        m_overview->paint(
            p, QRectF(QRectF(e->rect()).topLeft() / scale, QRectF(e->rect()).size() / scale)
                   .toAlignedRect());
    }
    // A double click's second press comes here too, as QWidget delivers it.
    void mousePressEvent(QMouseEvent* e) override {
        e->accept();
        const int count = int(m_overview->image().columns.size());
        m_overview->press(Overview::columnAt(int(e->position().x() / m_overview->scale()), count),
                          e->button(), e->modifiers());
    }
    void keyPressEvent(QKeyEvent* e) override {
        const QList<int> keys{Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End};
        if (keys.contains(e->key()))
            m_overview->step(e->key());
        else
            QWidget::keyPressEvent(e);
    }
    void focusInEvent(QFocusEvent*) override { repaintCurrent(); }
    void focusOutEvent(QFocusEvent*) override { repaintCurrent(); }

private:
    void repaintCurrent() { update(m_overview->onStrip(m_overview->currentColumn())); }

    Overview* m_overview;
};

// The strip goes first: losing the focus as it is destroyed, it still asks this overview which
// column to repaint, which it can only answer while it is whole.
Overview::~Overview() {
    delete m_strip;
}

Overview::Overview(QWidget* parent) : QScrollArea(parent), m_strip(new OverviewStrip(this)) {
    setObjectName(QStringLiteral("overview"));
    setAccessibleName(tr("Vue d'ensemble"));
    setToolTip(tr("Cliquer : afficher l'enregistrement ; Maj+clic : « Départ » ; "
                  "clic droit : enregistrer"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWidgetResizable(true);
    setWidget(m_strip);
    setMinimumHeight(StripHeight + horizontalScrollBar()->sizeHint().height() + 2 * frameWidth());
}

// Taller than designed, the strip grows as a whole: taller columns, wider too.
void Overview::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    const qreal scale = qMax(1.0, viewport()->height() / qreal(StripHeight));
    if (qFuzzyCompare(scale, m_scale))
        return;
    m_scale = scale;
    prepareLamps();
    fitStrip();
    m_strip->update();
}

void Overview::fitStrip() {
    const int columns = int(m_image.columns.size()) + ColumnsPerNumber - 1;
    m_strip->setMinimumSize(qCeil((LeftMargin + columns * ColumnWidth) * m_scale),
                            qFloor(StripHeight * m_scale));
}

QRect Overview::onStrip(int column) const {
    const QRect r = columnRect(column);
    return QRectF(r.x() * m_scale, r.y() * m_scale, r.width() * m_scale, r.height() * m_scale)
        .toAlignedRect();
}

void Overview::follow(const SequenceEditor& editor, const Player& player) {
    const auto refresh = [this, &editor, &player] {
        showImage(overviewImage(editor, player.isPlaying(), palette()));
    };
    connect(&editor, &SequenceEditor::sequenceChanged, this, refresh);
    connect(&editor, &SequenceEditor::currentRecordChanged, this, refresh);
    connect(&editor, &SequenceEditor::currentEntryChanged, this, refresh);
    connect(&editor, &SequenceEditor::startAddressChanged, this, refresh);
    connect(&editor, &SequenceEditor::coloursChanged, this, refresh);
    connect(&player, &Player::playingChanged, this, refresh);
    refresh();
}

QWidget* Overview::strip() const {
    return m_strip;
}

int Overview::columnAt(int x, int columnCount) {
    const int c = x >= LeftMargin ? (x - LeftMargin) / ColumnWidth : -1;
    return c < columnCount ? c : -1;
}

QRect Overview::columnRect(int column) {
    return column < 0 ? QRect()
                      : QRect(LeftMargin + column * ColumnWidth, 0, ColumnWidth, StripHeight);
}

void Overview::showImage(const OverviewImage& image) {
    if (image == m_image)
        return;
    const OverviewImage before = std::exchange(m_image, image);
    if (!holdsColours(before, m_image))
        prepareLamps();
    fitStrip();
    repaintChanges(before);
    followCurrent(before);
}

// A right click records wherever it lands; a left click needs a record under it.
void Overview::press(int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (button == Qt::RightButton) {
        emit recordRequested();
        return;
    }
    if (button != Qt::LeftButton || column < 0)
        return;
    if (modifiers & Qt::ShiftModifier)
        emit startAddressChosen(column);
    else
        emit recordChosen(column);
}

// The arrows step through the records, Home and End go to the first and the last.
void Overview::step(int key) {
    const int last = int(m_image.columns.size()) - 1;
    int target = currentColumn();
    switch (key) {
    case Qt::Key_Left:
        --target;
        break;
    case Qt::Key_Right:
        ++target;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    default:
        target = last;
        break;
    }
    emit recordChosen(qBound(0, target, last));
}

int Overview::currentColumn() const {
    const auto isCurrent = [](const OverviewColumn& c) { return c.current; };
    const auto it = std::find_if(m_image.columns.cbegin(), m_image.columns.cend(), isCurrent);
    return it == m_image.columns.cend() ? -1 : int(it - m_image.columns.cbegin());
}

// New colours change every column; otherwise only the columns whose record, marks or
// existence changed are painted again.
void Overview::repaintChanges(const OverviewImage& before) {
    if (!holdsColours(before, m_image)) {
        m_strip->update();
        return;
    }
    const qsizetype common = qMin(before.columns.size(), m_image.columns.size());
    for (qsizetype c = 0; c < common; ++c)
        if (before.columns[c] != m_image.columns[c])
            m_strip->update(onStrip(int(c)));
    const qsizetype most = qMax(before.columns.size(), m_image.columns.size());
    if (most > common)
        m_strip->update(onStrip(int(common)).united(onStrip(int(most - 1))));
}

void Overview::prepareLamps() {
    const qreal ratio = devicePixelRatioF() * m_scale; // crisp once magnified
    const auto lamp = [&](const QColor& fill) {
        QPixmap pixmap(QSize(LampDiameter, LampDiameter) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(m_image.lit, 1));
        p.setBrush(fill);
        p.drawEllipse(QRectF(0.5, 0.5, LampDiameter - 1, LampDiameter - 1));
        return pixmap;
    };
    m_litLamp = lamp(m_image.lit);
    m_unlitLamp = lamp(m_image.unlit);
}

// Scrolls only when the current record moved, so that the user may look elsewhere meanwhile.
void Overview::followCurrent(const OverviewImage& before) {
    const int c = currentColumn();
    if (c < 0 || (c < before.columns.size() && before.columns[c].current))
        return;
    ensureVisible(onStrip(c).center().x(), onStrip(c).center().y(),
                  qRound(3 * ColumnWidth * m_scale), 0);
}

// The working record after the last one made is drawn faint: it is not part of the sequence.
void Overview::paintRecord(QPainter& p, const QRect& r, const OverviewColumn& column) const {
    p.setOpacity(column.working ? WorkingOpacity : 1.0);
    for (int i = 0; i < Frame::LampCount; ++i)
        p.drawPixmap(r.x() + 2, LampsTop + i * LampPitch,
                     (column.lamps >> i) & 1 ? m_litLamp : m_unlitLamp);
    const int h = barHeight(column.code);
    p.fillRect(r.x() + 3, BarsBottom - h, ColumnWidth - 6, h, palette().color(QPalette::Mid));
    p.setOpacity(1.0);
}

void Overview::paint(QPainter& p, const QRect& area) const {
    const QPalette& pal = palette();
    p.fillRect(area, pal.color(QPalette::Base));
    const int n = int(m_image.columns.size());
    const int first = qMax(0, (area.left() - LeftMargin) / ColumnWidth);
    const int last = qMin(n - 1, (area.right() - LeftMargin) / ColumnWidth);
    QColor range = pal.color(QPalette::Highlight);
    range.setAlpha(70);
    const QColor frame =
        m_strip->hasFocus() ? pal.color(QPalette::Highlight) : pal.color(QPalette::Text);
    for (int c = first; c <= last; ++c) {
        const OverviewColumn& column = m_image.columns[c];
        const QRect r = columnRect(c);
        if (column.inRange)
            p.fillRect(r, range);
        if (column.played)
            p.fillRect(r.x(), 0, ColumnWidth, MarkHeight, PlayedColour);
        paintRecord(p, r, column);
        if (column.current) {
            p.setPen(QPen(column.played ? PlayedColour : frame, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(r).adjusted(1, LampsTop - 2, -1, -1));
        }
    }
    p.setPen(pal.color(QPalette::Text));
    QFont font = p.font();
    font.setPixelSize(10);
    p.setFont(font);
    for (int c = first - first % NumberEvery; c <= last; c += NumberEvery)
        if (c + ColumnsPerNumber > first)
            p.drawText(QRect(columnRect(c).x() + 1, NumbersTop, ColumnsPerNumber * ColumnWidth,
                             LampsTop - NumbersTop),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::number(c));
}
