#include "i18n/Language.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// The interface's language from the user's choice and the desktop's; the English translation
// carried inside the program.
class TstLanguage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settings.path())); }

    void language_data() {
        QTest::addColumn<Language>("choice");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("expected");
        QTest::newRow("French desktop") << Language::Desktop << u"fr_FR"_s << u"fr"_s;
        QTest::newRow("Canadian French desktop") << Language::Desktop << u"fr_CA"_s << u"fr"_s;
        QTest::newRow("English desktop") << Language::Desktop << u"en_GB"_s << u"en"_s;
        QTest::newRow("German desktop: French") << Language::Desktop << u"de_DE"_s << u"fr"_s;
        QTest::newRow("C locale: French") << Language::Desktop << u"C"_s << u"fr"_s;
        QTest::newRow("French chosen") << Language::French << u"en_US"_s << u"fr"_s;
        QTest::newRow("English chosen") << Language::English << u"fr_FR"_s << u"en"_s;
    }
    void language() {
        QFETCH(Language, choice);
        QFETCH(QString, desktop);
        chooseLanguage(choice);
        QCOMPARE(chosenLanguage(), choice);
        QTEST(interfaceLanguage(chosenLanguage(), QLocale(desktop)), "expected");
    }

    // Last: a translator once installed stays. French needs none; English is carried inside.
    void translations() {
        const char* text = "Fichier non disponible ! ";
        installTranslations(*QCoreApplication::instance(), u"fr"_s);
        QCOMPARE(QCoreApplication::translate("FileCommands", text), QString::fromUtf8(text));
        installTranslations(*QCoreApplication::instance(), u"en"_s);
        QCOMPARE(QCoreApplication::translate("FileCommands", text), u"File not available! "_s);
    }

private:
    QTemporaryDir m_settings;
};

QTEST_GUILESS_MAIN(TstLanguage)
#include "tst_language.moc"
