#include "window/platform/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

bool clipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

} // namespace

QtClipboard::QtClipboard(QObject* parent) : QObject(parent), m_hasText(clipboardHasText()) {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { m_hasText = clipboardHasText(); });
}

QString QtClipboard::text() {
    return QGuiApplication::clipboard()->text();
}

void QtClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    m_hasText = !text.isEmpty();
}
