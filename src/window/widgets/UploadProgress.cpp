#include "window/widgets/UploadProgress.h"

#include "board/BoardSession.h"
#include "window/widgets/Twips.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

UploadProgress::UploadProgress(BoardSession& session, QWidget* parent)
    : QWidget(parent), m_bar(new QProgressBar(this)),
      m_stop(new QPushButton(tr("&Arrêter"), this)) {
    m_bar->setObjectName(QStringLiteral("uploadProgressBar"));
    m_bar->setAccessibleName(tr("Programmation"));
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(px(225));
    m_stop->setObjectName(QStringLiteral("stopUploadButton"));
    m_stop->setAccessibleName(tr("Arrêter"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_bar, 1, Qt::AlignVCenter);
    row->addWidget(m_stop);
    // A shortcut of a hidden widget does not act: Escape is taken only while the bar shows.
    auto* escape = new QShortcut(Qt::Key_Escape, this);
    connect(escape, &QShortcut::activated, &session, &BoardSession::stop);
    connect(m_stop, &QPushButton::clicked, &session, &BoardSession::stop);
    connect(&session, &BoardSession::uploadingChanged, this, &QWidget::setVisible);
    connect(&session, &BoardSession::uploadProgress, this, &UploadProgress::showProgress);
    hide();
}

void UploadProgress::showProgress(int blocksSent, int blocks) {
    m_bar->setRange(0, blocks);
    m_bar->setValue(qBound(0, blocksSent, blocks));
}
