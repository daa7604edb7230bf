#include "window/widgets/HelpWindow.h"

#include "window/widgets/WindowPlacement.h"

#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& language, QWidget* mainWindow)
    : QDialog(mainWindow), m_page(new QTextBrowser) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Aide de LT840"));
    setModal(false);
    m_page->setOpenExternalLinks(true);
    m_page->setSource(QUrl(QStringLiteral("qrc:/help/%1/index.html").arg(language)));
    m_page->setAccessibleName(tr("Guide de l'utilisateur"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_page);
    resize(620, 680);
    new WindowPlacement(this, mainWindow, QStringLiteral("aide"));
}
