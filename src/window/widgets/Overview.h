#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QScrollArea>

struct Frame;
class OverviewStrip;
class Player;
class SequenceEditor;

// How one record is drawn in the overview.
struct OverviewColumn {
    quint8 lamps = 0;     // bit i set: lamp i lit
    qint16 code = 0;      // the duration code, for the duration bar
    bool current = false; // the record shown
    bool inRange = false; // between "Départ" and "En cours"
    bool played = false;  // the record shown while playing
    bool working = false; // the working record after the last one made
    bool operator==(const OverviewColumn&) const = default;
};

// Everything the overview draws: one column per record 0..N-1, the working record N after
// them, and the colours of the lamps.
struct OverviewImage {
    QList<OverviewColumn> columns;
    QColor lit;
    QColor unlit;
    bool operator==(const OverviewImage&) const = default;
};

// The image of the editor's sequence as it stands; `palette` resolves the theme's colours.
OverviewImage overviewImage(const SequenceEditor& editor, bool playing, const QPalette& palette);
// Frames on their own, in the editor's colours: no working record, frame `played` marked.
OverviewImage overviewImage(const QList<Frame>& frames, const SequenceEditor& editor, int played,
                            const QPalette& palette);

// "Vue d'ensemble": every record of the sequence at a glance, as a strip of columns of eight
// lamps with the record number every ten columns and a bar for each record's duration; the
// working record faint, the current one framed (in red while playing), the range from
// "Départ" to "En cours" shaded. It scrolls sideways, follows the current record and repaints
// only the columns that changed.
class Overview : public QScrollArea {
    Q_OBJECT

public:
    static constexpr int ColumnWidth = 12;
    static constexpr int StripHeight = 130;

    explicit Overview(QWidget* parent = nullptr);
    ~Overview() override;

    // Shows the editor's sequence now and whenever it, its marks, its colours or the
    // playback change.
    void follow(const SequenceEditor& editor, const Player& player);
    void showImage(const OverviewImage& image);
    const OverviewImage& image() const { return m_image; }

    // The drawn strip inside the scroll area: it takes the presses and the keys.
    QWidget* strip() const;
    // Draws the part `area` of the strip; the strip paints with it, the benchmark too.
    void paint(QPainter& painter, const QRect& area) const;
    // The column under x on the strip drawn at its design size, -1 off the columns.
    static int columnAt(int x, int columnCount);
    static QRect columnRect(int column);
    // The strip's magnification, and a column's place on the strip as shown.
    qreal scale() const { return m_scale; }
    QRect onStrip(int column) const;

signals:
    // A click on a record, or Left, Right, Home or End: show that record.
    void recordChosen(int record);
    // A Shift+click on a record: it becomes "Départ".
    void startAddressChosen(int record);
    // A right click anywhere on the strip: record the frame.
    void recordRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class OverviewStrip;
    void fitStrip();
    void press(int column, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void step(int key);
    int currentColumn() const;
    void repaintChanges(const OverviewImage& before);
    void prepareLamps();
    void followCurrent(const OverviewImage& before);
    void paintRecord(QPainter& painter, const QRect& rect, const OverviewColumn& column) const;

    OverviewStrip* m_strip;
    OverviewImage m_image;
    // A lit and an unlit lamp drawn once for the colours in force: thousands of lamps are
    // then copied, not drawn.
    QPixmap m_litLamp;
    QPixmap m_unlitLamp;
    qreal m_scale = 1.0;
};
