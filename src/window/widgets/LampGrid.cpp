#include "window/widgets/LampGrid.h"

#include "editing/SequenceEditor.h"
#include "window/widgets/DesktopColour.h"
#include "window/widgets/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// In twips from the top left corner of the grid: the lamp circles and the highlight dots
// drawn on them.
constexpr int LampPitch = 600;
QRect lampCircle(int lamp) {
    return twipsRect(240 + LampPitch * lamp, 360, 495, 495);
}
QRect highlightDot() {
    return twipsRect(360 - 240, 480 - 360, 75, 135);
}
const QColor DotColour(255, 255, 255);
const QSize DesignSize(5295, 1065);

QSize designSize() { // in pixels
    return {px(DesignSize.width()), px(DesignSize.height())};
}

// Where a press switches a lamp: x from (included) and x to (excluded) per lamp, all within
// one horizontal band. The zones are narrower than the circles' spacing: a press between two
// lamps switches neither.
struct Zone {
    double from;
    double to;
};
constexpr std::array<Zone, Frame::LampCount> Zones{{{240, 690},
                                                    {855, 1290},
                                                    {1455, 1875},
                                                    {2070, 2505},
                                                    {2655, 3090},
                                                    {3255, 3705},
                                                    {3855, 4290},
                                                    {4470, 4890}}};
constexpr double BandTop = 375;
constexpr double BandBottom = 825;

} // namespace

// One lamp: a filled circle with its highlight dot. It takes no mouse input, so a press on it
// is a press on the grid at that point.
class LampWidget : public QWidget {
public:
    LampWidget(int lamp, QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("lamp%1").arg(lamp));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleName(LampGrid::tr("LED %1").arg(lamp + 1));
    }

    void setMarked(bool marked) {
        if (marked != m_marked)
            m_marked = marked, update();
    }

    void paint(const QColor& fill, const QColor& border, bool lit) {
        const QString state = lit ? LampGrid::tr("allumée") : LampGrid::tr("éteinte");
        if (accessibleDescription() != state)
            setAccessibleDescription(state);
        if (fill == m_fill && border == m_border)
            return;
        m_fill = fill;
        m_border = border;
        update();
    }
    QColor fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(m_border, 1));
        p.setBrush(m_fill);
        p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(Qt::NoPen);
        p.setBrush(DotColour);
        const qreal scale = width() / qreal(lampCircle(0).width());
        const QRect dot = highlightDot();
        p.drawEllipse(
            QRectF(dot.x() * scale, dot.y() * scale, dot.width() * scale, dot.height() * scale));
        if (m_marked) { // the keyboard's mark, in the desktop's colours for a focused item
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
            p.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
        }
    }

private:
    bool m_marked = false;
    QColor m_fill;
    QColor m_border;
};

LampGrid::LampGrid(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("lampGrid"));
    setAccessibleName(tr("LED"));
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < Frame::LampCount; ++i)
        m_lamps[i] = new LampWidget(i, this);
    resize(designSize());
}

qreal LampGrid::scale() const {
    return width() / qreal(designSize().width());
}

// The design grows as a whole: lamps, their spacing and the zones a press switches them in.
void LampGrid::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    for (int i = 0; i < Frame::LampCount; ++i) {
        const QRect circle = lampCircle(i);
        m_lamps[i]->setGeometry(QRectF(circle.x() * scale(), circle.y() * scale(),
                                       circle.width() * scale(), circle.height() * scale())
                                    .toRect());
    }
}

void LampGrid::follow(const SequenceEditor& editor) {
    const auto repaint = [this, &editor] { showLamps(editor.lamps(), editor.colours()); };
    connect(&editor, &SequenceEditor::lampsChanged, this, repaint);
    connect(&editor, &SequenceEditor::coloursChanged, this, repaint);
    repaint();
}

void LampGrid::showLamps(const LampStates& lamps, const LampColours& colours) {
    const QColor lit = desktopColour(colours.lit, palette());
    const QColor unlit = desktopColour(colours.unlit, palette());
    for (int i = 0; i < Frame::LampCount; ++i)
        m_lamps[i]->paint(lamps[i] ? lit : unlit, lit, lamps[i]);
}

std::optional<int> LampGrid::lampAt(double xTwips, double yTwips) {
    if (yTwips < BandTop || yTwips > BandBottom)
        return std::nullopt;
    for (int i = 0; i < int(Zones.size()); ++i)
        if (xTwips >= Zones[i].from && xTwips < Zones[i].to)
            return i;
    return std::nullopt;
}

QWidget* LampGrid::lamp(int lamp) const {
    return m_lamps.at(lamp);
}

QColor LampGrid::fillColour(int lamp) const {
    return m_lamps.at(lamp)->fill();
}

void LampGrid::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::RightButton) {
        emit recordRequested();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF at = event->position();
    if (const std::optional<int> lamp =
            lampAt(toTwips(at.x() / scale()), toTwips(at.y() / scale())))
        emit lampPressed(*lamp);
}

// A group box takes Space for a check box of its own, which the grid has not.
bool LampGrid::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QGroupBox::event(event);
}

void LampGrid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_1 && key < Qt::Key_1 + Frame::LampCount && !event->isAutoRepeat())
        return emit lampPressed(key - Qt::Key_1);
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        return markFocus(
            qBound(0, m_focusLamp + (key == Qt::Key_Left ? -1 : 1), Frame::LampCount - 1));
    case Qt::Key_Home:
    case Qt::Key_End:
        return markFocus(key == Qt::Key_Home ? 0 : Frame::LampCount - 1);
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit lampPressed(m_focusLamp);
        return;
    default:
        QGroupBox::keyPressEvent(event);
    }
}

void LampGrid::focusInEvent(QFocusEvent* event) {
    QGroupBox::focusInEvent(event);
    markFocus(m_focusLamp);
}

void LampGrid::focusOutEvent(QFocusEvent* event) {
    QGroupBox::focusOutEvent(event);
    m_lamps[m_focusLamp]->setMarked(false);
}

void LampGrid::markFocus(int lamp) {
    m_lamps[m_focusLamp]->setMarked(false);
    m_focusLamp = lamp;
    m_lamps[m_focusLamp]->setMarked(hasFocus());
}
