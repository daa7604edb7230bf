#include "i18n/Language.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TstLanguage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settings.path())); }

    // "choice (Desktop, French, English)|desktop locale|language": French unless English.
    void language_data() {
        QTest::addColumn<QStringList>("c");
        for (const char* c :
             {"0|fr_FR|fr", "0|fr_CA|fr", "0|en_GB|en", "0|de_DE|fr", "1|en_US|fr", "2|fr_FR|en"})
            QTest::newRow(c) << QString::fromLatin1(c).split(u'|');
    }
    void language() {
        QFETCH(QStringList, c);
        chooseLanguage(Language(c[0].toInt()));
        QCOMPARE(chosenLanguage(), Language(c[0].toInt()));
        QCOMPARE(interfaceLanguage(chosenLanguage(), QLocale(c[1])), c[2]);
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
