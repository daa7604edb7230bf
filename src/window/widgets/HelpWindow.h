#pragma once

#include <QDialog>

class QTextBrowser;

// "Aide": the user's guide, an illustrated page shipped inside the program in each language
// of the interface, in a window of its own beside the editor; links to sections stay inside
// it, other links open outside.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    // `language` names the page's: "fr" or "en".
    HelpWindow(const QString& language, QWidget* mainWindow);

    QTextBrowser* page() const { return m_page; }

private:
    QTextBrowser* m_page;
};
