#include "window/ClipboardQt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

bool contientTexte() {
    const QMimeData* donnees = QGuiApplication::clipboard()->mimeData();
    return donnees && donnees->hasText();
}

} // namespace

ClipboardQt::ClipboardQt(QObject* parent) : QObject(parent), m_texte(::contientTexte()) {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { m_texte = ::contientTexte(); });
}

QString ClipboardQt::texte() {
    return QGuiApplication::clipboard()->text();
}

void ClipboardQt::placer(const QString& texte) {
    QGuiApplication::clipboard()->setText(texte);
    m_texte = !texte.isEmpty();
}
