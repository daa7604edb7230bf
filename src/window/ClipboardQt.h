#pragma once

#include "editor/Plateforme.h"

#include <QObject>

// The desktop's clipboard. Whether it holds text is asked at every repaint, so it is kept
// up to date as the clipboard changes rather than fetched from its owner each time.
class ClipboardQt : public QObject, public IClipboard {
public:
    explicit ClipboardQt(QObject* parent = nullptr);
    bool contientTexte() override { return m_texte; }
    QString texte() override;
    void placer(const QString& texte) override;

private:
    bool m_texte = false;
};
