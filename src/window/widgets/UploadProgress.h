#pragma once

#include <QWidget>

class BoardSession;
class QProgressBar;
class QPushButton;

// Where the record navigator is while an upload runs: the progress bar and "Arrêter", which
// ends the upload after the block on the line. Escape anywhere in the window does the same,
// and only while the upload runs: the rest of the time Escape keeps its other meanings.
class UploadProgress : public QWidget {
    Q_OBJECT

public:
    UploadProgress(BoardSession& session, QWidget* parent);

    QProgressBar* bar() const { return m_bar; }
    QPushButton* stopButton() const { return m_stop; }

private:
    void showProgress(int blocksSent, int blocks);

    QProgressBar* m_bar;
    QPushButton* m_stop;
};
