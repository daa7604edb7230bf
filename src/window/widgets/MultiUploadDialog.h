#pragma once

#include "board/MultiBoardUpload.h"

#include <QDialog>
#include <QList>

class IClock;
class IPortEnumerator;
class QCheckBox;
class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class SequenceEditor;

// "Programmer plusieurs cartes": the serial adapters present, each with a check box, a
// progress bar and a status; the ticked ones are remembered in the user's settings. The
// current sequence goes into every ticked board at once, then one line sums up. Escape and
// "Arrêter" stop the uploads between two blocks; closing the dialog stops them and closes it
// once they have ended.
class MultiUploadDialog : public QDialog {
    Q_OBJECT

public:
    MultiUploadDialog(const SequenceEditor& editor, IPortEnumerator& ports,
                      MultiBoardUpload::LineMaker makeLine, IClock& clock, QWidget* parent);

    // Lists the adapters present afresh and shows the dialog, window-modal.
    void open() override;
    void reject() override;

    // The adapters listed, in their order.
    int adapterCount() const { return int(m_rows.size()); }
    QCheckBox* adapterCheck(int adapter) const { return m_rows.at(adapter).check; }
    QLabel* adapterStatus(int adapter) const { return m_rows.at(adapter).status; }
    QProgressBar* adapterBar(int adapter) const { return m_rows.at(adapter).bar; }
    QLabel* summary() const { return m_summary; }
    QPushButton* startButton() const { return m_start; }
    QPushButton* stopButton() const { return m_stop; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Row {
        QString device;
        QCheckBox* check;
        QProgressBar* bar;
        QLabel* status;
    };

    void listAdapters();
    void rememberTicks() const;
    void start();
    void showRunning(bool running);
    void showProgress(int board, int blocksSent, int blocks);
    void showEnded(int board);
    void finish();
    bool running() const { return m_upload != nullptr; }

    const SequenceEditor& m_editor;
    IPortEnumerator& m_ports;
    MultiBoardUpload::LineMaker m_makeLine;
    IClock& m_clock;
    QList<Row> m_rows;
    QList<int> m_boardRows;               // the row of each board of the upload under way
    MultiBoardUpload* m_upload = nullptr; // one per start, released once it has ended
    QGridLayout* m_grid;
    QLabel* m_none;
    QLabel* m_summary;
    QPushButton* m_start;
    QPushButton* m_stop;
    bool m_closeWhenEnded = false;
};
