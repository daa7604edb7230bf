#pragma once

#include "editing/Platform.h"

#include <QObject>

// The desktop's clipboard. Whether it holds text is asked whenever the Édition commands are
// greyed, so it is kept up to date as the clipboard changes rather than fetched each time.
class QtClipboard : public QObject, public IClipboard {
    Q_OBJECT

public:
    explicit QtClipboard(QObject* parent = nullptr);
    bool hasText() override { return m_hasText; }
    QString text() override;
    void setText(const QString& text) override;

private:
    bool m_hasText = false;
};
