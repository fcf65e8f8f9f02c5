#include "app/principale.h"
#include "tests/aide_modale.h"
#include "ui/langue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

using namespace vestrel;

// The program speaks French whatever the locale it runs under (the test
// runs under LC_ALL=C): Qt's own dialogs and the dates it writes.
class TestLangue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void dateFrancaise_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
    }
    void dateFrancaise()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        const QDateTime moment(QDate(2026, 12, 8), QTime(22, 18, 28));
        QCOMPARE(texteDateHeure(moment), QStringLiteral("mardi 8 décembre 2026 à 22:18"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // "Exporter…" opens Qt's file dialog: its buttons and labels are French.
    void dialogueFrancais()
    {
        QVERIFY(installerTraductionQt(qApp));
        Principale f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QStringList boutons;
        QString regarder;
        quandModal(&f, [&] {
            auto *dialogue = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialogue)
                return;
            for (const QAbstractButton *b : dialogue->findChild<QDialogButtonBox *>()->buttons())
                boutons << b->text().remove(QLatin1Char('&'));
            if (const auto *l = dialogue->findChild<QLabel *>(QStringLiteral("lookInLabel")))
                regarder = l->text();
            dialogue->reject();
        });
        auto *diametre = f.findChild<QLineEdit *>(QStringLiteral("Diametre"));
        diametre->setFocus();
        QTest::keyClick(diametre, Qt::Key_E, Qt::ControlModifier);
        boutons.sort();
        QCOMPARE(boutons, (QStringList{QStringLiteral("Annuler"), QStringLiteral("Enregistrer")}));
        QCOMPARE(regarder, QStringLiteral("Voir dans :"));
    }
};

QTEST_MAIN(TestLangue)
#include "test_langue.moc"
