#include "tests/fiab/coherence.h"

#include "app/outils.h"
#include "calcul/ajustement.h"
#include "tables/ecarts.h"
#include "calcul/nombres.h"
#include "tables/offerts.h"
#include "ui/couleurs.h"
#include "ui/etiquette_nombre.h"
#include "ui/schema.h"
#include "ui/textes.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <charconv>
#include <cmath>
#include <utility>

using vestrel::Cote;

namespace fiab {

namespace {

struct NomsCote {
    const char *liste, *classeBarre, *sup, *inf, *max, *min;
};
constexpr NomsCote Noms[] = {
    {"Aj_Alesage", "Aj_Ale", "Af_Ec_Sup_Al", "Af_Ec_Inf_Al", "Res_Al_Max", "Res_Al_Min"},
    {"Aj_Arbre", "Aj_Arb", "Af_Ec_Sup_Ar", "Af_Ec_Inf_Ar", "Res_Ar_Max", "Res_Ar_Min"},
};

const char *const BoitesLibres[] = {"Dia1", "Ec_Sup_Dia1", "Ec_Inf_Dia1", "Dia2", "Ec_Sup_Dia2", "Ec_Inf_Dia2"};
constexpr std::pair<const char *, vestrel::Filtre> BoitesNombres[] = {
    {"Diametre", vestrel::Filtre::Diametre},   {"Dia1", vestrel::Filtre::Taille},
    {"Ec_Sup_Dia1", vestrel::Filtre::Ecart},   {"Ec_Inf_Dia1", vestrel::Filtre::Ecart},
    {"Dia2", vestrel::Filtre::Taille},         {"Ec_Sup_Dia2", vestrel::Filtre::Ecart},
    {"Ec_Inf_Dia2", vestrel::Filtre::Ecart},
};

template <class T = QLabel>
T *enfant(const vestrel::Principale &f, const char *nom)
{
    return f.findChild<T *>(QLatin1String(nom));
}

QString texte(const vestrel::Principale &f, const char *nom)
{
    // The whole number, also where the label had to end it with "…".
    const QLabel *l = enfant(f, nom);
    return l ? vestrel::nombreDe(l) : QStringLiteral("<missing %1>").arg(QLatin1String(nom));
}

struct Verificateur {
    const vestrel::Principale &f;
    QStringList problemes;

    void signaler(const QString &p) { problemes << p; }

    // A shown number: empty, or a plain number text that reads back whole.
    std::optional<double> nombre(const char *nom, bool jeu = false)
    {
        const QString t = texte(f, nom);
        if (t.isEmpty())
            return std::nullopt;
        const auto v = lireAffiche(t);
        const QString sep = QRegularExpression::escape(QLocale().decimalPoint());
        const QRegularExpression forme(jeu ? QStringLiteral("^-?[0-9]+%1[0-9]{4}$").arg(sep)
                                           : QStringLiteral("^-?[0-9]+(%1[0-9]+)?$").arg(sep));
        const QString lu = QString(t).replace(QLocale().negativeSign(), QStringLiteral("-"));
        // A zero is never shown with a minus sign.
        if (!v || !forme.match(lu).hasMatch() || (*v == 0 && lu.startsWith(u'-')))
            signaler(QStringLiteral("%1 shows \"%2\", which is no plain number text").arg(QLatin1String(nom), t));
        return v;
    }

    void egal(const char *nom, const QString &attendu, const QString &pourquoi)
    {
        const QString t = texte(f, nom);
        if (t != attendu)
            signaler(QStringLiteral("%1 shows \"%2\", expected \"%3\" (%4)")
                         .arg(QLatin1String(nom), t, attendu, pourquoi));
    }

    void couleurJeu()
    {
        const auto M = lireAffiche(texte(f, "J_Max"));
        const auto m = lireAffiche(texte(f, "J_Min"));
        if (!M || !m)
            return;
        QColor attendue = vestrel::couleurs::Incertain;
        switch (vestrel::natureAjustement(*M, *m)) {
        case vestrel::Nature::Serrage: attendue = vestrel::couleurs::Serrage; break;
        case vestrel::Nature::Jeu: attendue = vestrel::couleurs::Jeu; break;
        case vestrel::Nature::Incertain: break;
        }
        for (const char *nom : {"J_Max", "J_Min"}) {
            const QColor c = enfant(f, nom)->palette().color(QPalette::WindowText);
            if (c != attendue)
                signaler(QStringLiteral("%1 is coloured %2, expected %3 for M=%4 m=%5")
                             .arg(QLatin1String(nom), c.name(), attendue.name())
                             .arg(*M)
                             .arg(*m));
        }
    }

    // Clearance texts of the fit rule, in the locale's notation.
    static std::pair<QString, QString> jeux(double alMax, double alMin, double arMax, double arMin)
    {
        const vestrel::Jeux j = vestrel::calculerJeux(alMax, alMin, arMax, arMin);
        return {vestrel::texteJeuLocal(j.max.valeur), vestrel::texteJeuLocal(j.min.valeur)};
    }

    void cote(Cote c, int methode, Origine origine, const std::optional<vestrel::ValeursLibres> &libres,
              bool libresSaisis)
    {
        const NomsCote &n = Noms[static_cast<int>(c)];
        const vestrel::EtatAjustement &e = f.etat();
        const double d = f.etat().Dia_Nominal;
        const auto sup = nombre(n.sup), inf = nombre(n.inf);
        const auto max = nombre(n.max), min = nombre(n.min);
        const std::string &classeEtat = c == Cote::Alesage ? e.Cl_Alesage : e.Cl_Arbre;
        const QString cote = QLatin1String(c == Cote::Alesage ? "bore" : "shaft");

        if (sup.has_value() != inf.has_value())
            signaler(QStringLiteral("%1: one deviation label is empty, the other is not").arg(cote));

        // The class the user sees for this side.
        std::optional<QString> classe;
        if (methode == 0) {
            const auto *liste = enfant<QComboBox>(f, n.liste);
            if (liste->currentIndex() >= 0) {
                classe = liste->itemText(liste->currentIndex());
                if (liste->currentText() != *classe)
                    signaler(QStringLiteral("%1 list: item \"%2\" selected but its text shows \"%3\"")
                                 .arg(cote, *classe, liste->currentText()));
                if (QString::fromStdString(classeEtat) != *classe)
                    signaler(QStringLiteral("%1 list shows \"%2\" but the fit state holds \"%3\"")
                                 .arg(cote, *classe, QString::fromStdString(classeEtat)));
                if (!sup)
                    signaler(QStringLiteral("%1 list shows \"%2\" but no deviations are shown").arg(cote, *classe));
            } else if (!liste->currentText().isEmpty()
                       && liste->lineEdit()->palette().color(QPalette::Base) != vestrel::couleurs::SaisieInconnue) {
                signaler(QStringLiteral("%1 list shows \"%2\", which is no item, without the red background")
                             .arg(cote, liste->currentText()));
            }
            if (!classe) // nothing selected: the numbers are those of the fit state
                classe = QString::fromStdString(classeEtat);
        } else if (methode == 1) {
            classe = texte(f, n.classeBarre);
            if (*classe != QString::fromStdString(classeEtat))
                signaler(QStringLiteral("%1 toolbar class shows \"%2\" but the fit state holds \"%3\"")
                             .arg(cote, *classe, QString::fromStdString(classeEtat)));
        }

        if (methode != 2 && sup && classe) {
            const auto ecarts = vestrel::chercherEcarts(c, classe->toStdString(), d, f.etat().systeme);
            if (!ecarts)
                signaler(QStringLiteral("%1: deviations %2 / %3 shown for class \"%4\", which has none at %5 mm")
                             .arg(cote, texte(f, n.sup), texte(f, n.inf), *classe)
                             .arg(d));
            else if (*sup != ecarts->sup || *inf != ecarts->inf)
                signaler(QStringLiteral("%1: deviations %2 / %3 shown for \"%4\" at %5 mm, the tables give %6 / %7")
                             .arg(cote, texte(f, n.sup), texte(f, n.inf), *classe)
                             .arg(d)
                             .arg(vestrel::texteNombreLocal(ecarts->sup), vestrel::texteNombreLocal(ecarts->inf)));
        }

        if (max.has_value() != min.has_value())
            signaler(QStringLiteral("%1: one size label is empty, the other is not").arg(cote));
        if (origine == Origine::Libre) {
            if (!libresSaisis) {
                if (max)
                    signaler(QStringLiteral("%1: sizes shown while a free box holds no number").arg(cote));
                return;
            }
            if (!libres)
                return;
            const vestrel::ValeursLibres &l = *libres;
            // An upper deviation below the lower one shows no sizes.
            if (inverse(c, l)) {
                egal(n.max, QString(), QStringLiteral("free calculator, upper deviation below the lower"));
                egal(n.min, QString(), QStringLiteral("free calculator, upper deviation below the lower"));
                return;
            }
            const double tMax = c == Cote::Alesage ? l.Val_Dia1 + l.Val_Ec_Sup_Dia1 : l.Val_Dia2 + l.Val_Ec_Sup_Dia2;
            const double tMin = c == Cote::Alesage ? l.Val_Ec_Inf_Dia1 + l.Val_Dia1 : l.Val_Dia2 + l.Val_Ec_Inf_Dia2;
            egal(n.max, vestrel::texteNombreLocal(tMax), QStringLiteral("free calculator"));
            egal(n.min, vestrel::texteNombreLocal(tMin), QStringLiteral("free calculator"));
            return;
        }
        if (max && !sup)
            signaler(QStringLiteral("%1: sizes %2 / %3 shown without deviations").arg(cote, texte(f, n.max), texte(f, n.min)));
        if (sup && !max)
            signaler(QStringLiteral("%1: deviations shown without sizes").arg(cote));
        if (max && sup) {
            egal(n.max, vestrel::texteNombreLocal(d + *sup), QStringLiteral("diameter + upper deviation shown"));
            egal(n.min, vestrel::texteNombreLocal(d + *inf), QStringLiteral("diameter + lower deviation shown"));
        }
    }

    static bool inverse(Cote c, const vestrel::ValeursLibres &l)
    {
        return c == Cote::Alesage ? l.Val_Ec_Sup_Dia1 < l.Val_Ec_Inf_Dia1 : l.Val_Ec_Sup_Dia2 < l.Val_Ec_Inf_Dia2;
    }

    void jeux(bool libre, const std::optional<vestrel::ValeursLibres> &libres, bool libresSaisis)
    {
        // The free calculator with a side's deviations reversed: one line
        // says which (the bore's first), and no clearance shows.
        QString message;
        if (libre && libres && libresSaisis) {
            for (const Cote c : {Cote::Alesage, Cote::Arbre})
                if (message.isEmpty() && inverse(c, *libres))
                    message = QStringLiteral("L'écart supérieur de %1 est inférieur à l'écart inférieur")
                                  .arg(c == Cote::Alesage ? QStringLiteral("l'alésage") : QStringLiteral("l'arbre"));
        }
        if (!libre || (libres && libresSaisis))
            egal("Res_Message", message, QStringLiteral("the line of reversed deviations"));
        if (!message.isEmpty()) {
            egal("J_Max", QString(), QStringLiteral("no clearance with reversed deviations"));
            egal("J_Min", QString(), QStringLiteral("no clearance with reversed deviations"));
            return;
        }
        const auto M = nombre("J_Max", true), m = nombre("J_Min", true);
        if (M.has_value() != m.has_value())
            signaler(QStringLiteral("one clearance label is empty, the other is not"));
        if (!M || !m)
            return;
        if (libre && !libresSaisis) {
            signaler(QStringLiteral("clearances shown while a free box holds no number"));
            return;
        }
        if (libre) {
            if (!libres)
                return;
            const vestrel::ValeursLibres &l = *libres;
            const auto [jMax, jMin] = jeux(l.Val_Dia1 + l.Val_Ec_Sup_Dia1, l.Val_Ec_Inf_Dia1 + l.Val_Dia1,
                                           l.Val_Dia2 + l.Val_Ec_Sup_Dia2, l.Val_Dia2 + l.Val_Ec_Inf_Dia2);
            egal("J_Max", jMax, QStringLiteral("free calculator"));
            egal("J_Min", jMin, QStringLiteral("free calculator"));
        } else {
            const auto alMax = lireAffiche(texte(f, "Res_Al_Max")), alMin = lireAffiche(texte(f, "Res_Al_Min"));
            const auto arMax = lireAffiche(texte(f, "Res_Ar_Max")), arMin = lireAffiche(texte(f, "Res_Ar_Min"));
            if (!alMax || !alMin || !arMax || !arMin) {
                signaler(QStringLiteral("clearances %1 / %2 shown without the four sizes")
                             .arg(texte(f, "J_Max"), texte(f, "J_Min")));
                return;
            }
            const auto [jMax, jMin] = jeux(*alMax, *alMin, *arMax, *arMin);
            egal("J_Max", jMax, QStringLiteral("bore max - shaft min as shown"));
            egal("J_Min", jMin, QStringLiteral("bore min - shaft max as shown"));
        }
        couleurJeu();
    }

    void listes()
    {
        for (const Cote c : {Cote::Alesage, Cote::Arbre}) {
            const auto *liste = enfant<QComboBox>(f, Noms[static_cast<int>(c)].liste);
            const auto offertes = vestrel::classesOffertes(c, f.etat().Dia_Nominal, f.etat().systeme);
            bool pareil = liste->count() == static_cast<int>(offertes.size());
            for (int i = 0; pareil && i < liste->count(); ++i)
                pareil = liste->itemText(i).toStdString() == offertes[static_cast<std::size_t>(i)];
            if (!pareil)
                signaler(QStringLiteral("%1 holds %2 items, not the %3 classes offered at %4 mm")
                             .arg(QLatin1String(Noms[static_cast<int>(c)].liste))
                             .arg(liste->count())
                             .arg(offertes.size())
                             .arg(f.etat().Dia_Nominal));
        }
    }
};

} // namespace

void Suivi::calculLibre(const vestrel::Principale &f)
{
    origine = {Origine::Libre, Origine::Libre};
    libres = f.valeursLibres();
    libresSaisis = true;
    for (const char *nom : BoitesLibres)
        libresSaisis = libresSaisis && vestrel::nombreSaisi(enfant<QLineEdit>(f, nom)->text().toStdString());
}

std::optional<double> lireAffiche(const QString &texte)
{
    QString t = texte;
    t.replace(QLocale().decimalPoint(), QStringLiteral("."));
    t.replace(QLocale().negativeSign(), QStringLiteral("-"));
    const std::string s = t.toStdString();
    const bool negatif = s.starts_with('-');
    double v = 0;
    const char *debut = s.data() + (negatif ? 1 : 0), *fin = s.data() + s.size();
    if (debut == fin || *debut == '+' || *debut == '-')
        return std::nullopt;
    const auto [p, erreur] = std::from_chars(debut, fin, v, std::chars_format::fixed);
    if (erreur != std::errc() || p != fin || !std::isfinite(v))
        return std::nullopt;
    return negatif ? -v : v;
}

QStringList incoherences(const vestrel::Principale &f, const Suivi &suivi)
{
    Verificateur v{f, {}};
    const vestrel::EtatAjustement &e = f.etat();
    const int methode = e.Methode_Selection;
    const auto *diametre = enfant<QLineEdit>(f, "Diametre");
    const double lu = vestrel::lireSaisie(diametre->text());
    if (e.Dia_Nominal != lu && !(std::isnan(e.Dia_Nominal) && std::isnan(lu)))
        v.signaler(QStringLiteral("Dia_Nominal is %1 but the diameter box \"%2\" reads %3")
                       .arg(e.Dia_Nominal)
                       .arg(diametre->text().left(60))
                       .arg(lu));
    if (methode < 0 || methode > 2) {
        v.signaler(QStringLiteral("Methode_Selection is %1").arg(methode));
        return v.problemes;
    }
    const auto *option = f.findChild<QRadioButton *>(QStringLiteral("Ch_opt(%1)").arg(methode));
    if (!option || !option->isChecked())
        v.signaler(QStringLiteral("method %1 without its option button checked").arg(methode));

    // In "Libre" every result comes from the free values.
    const bool libre = methode == 2;
    std::array<Origine, 2> origine = suivi.origine;
    if (libre)
        origine = {Origine::Libre, Origine::Libre};
    v.cote(Cote::Alesage, methode, origine[0], suivi.libres, suivi.libresSaisis);
    v.cote(Cote::Arbre, methode, origine[1], suivi.libres, suivi.libresSaisis);
    v.jeux(origine[0] == Origine::Libre && origine[1] == Origine::Libre, suivi.libres, suivi.libresSaisis);
    // Every number box holds what can form a number, however it was filled.
    for (const auto &[nom, filtre] : BoitesNombres) {
        const QString t = enfant<QLineEdit>(f, nom)->text();
        if (!vestrel::formeNombre(filtre, t.toStdString()))
            v.signaler(QStringLiteral("%1 holds \"%2\", which cannot form a number").arg(QLatin1String(nom), t.left(60)));
    }
    // Two classes chosen in the lists always show their clearances.
    if (methode == 0 && texte(f, "J_Max").isEmpty()) {
        const auto *al = enfant<QComboBox>(f, "Aj_Alesage");
        const auto *ar = enfant<QComboBox>(f, "Aj_Arbre");
        if (al->currentIndex() >= 0 && ar->currentIndex() >= 0)
            v.signaler(QStringLiteral("\"%1\" and \"%2\" are chosen but no clearance is shown")
                           .arg(al->currentText(), ar->currentText()));
    }
    if (methode == 0)
        v.listes();
    if (const QString schema = incoherenceSchema(f); !schema.isEmpty())
        v.signaler(schema);
    return v.problemes;
}

QString incoherenceSchema(const vestrel::Principale &f)
{
    const vestrel::Schema *s = f.outils() ? f.outils()->schema() : nullptr;
    if (!s || !s->isVisible())
        return {};
    if (!(s->ajustement() == f.affichage()))
        return QStringLiteral("the diagram draws another fit than the window shows");
    const QString d = s->accessibleDescription();
    for (const char *nom : {"J_Max", "J_Min"}) {
        const QString t = texte(f, nom);
        if (t.isEmpty())
            continue;
        QLocale l;
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        const double v = l.toDouble(t) * 1000;
        // Past 15 digits the text would need an exponent, which the
        // diagram never writes.
        if (std::abs(v) >= 1e15)
            continue;
        const QString um = l.toString(v, 'g', 15).replace(u'-', QChar(0x2212));
        if (!d.contains(um + QString::fromUtf8(" µm")))
            return QStringLiteral("%1 \"%2\" (%3 µm) is not in the diagram's \"%4\"").arg(nom, t, um, d);
    }
    if (f.etat().Methode_Selection != 2) {
        for (const Cote c : {Cote::Alesage, Cote::Arbre}) {
            const QString classe = QString::fromStdString(vestrel::classeDe(f.etat(), c));
            if (f.ecartsAJour(c) && !d.contains(classe))
                return QStringLiteral("class %1 is not in the diagram's \"%2\"").arg(classe, d);
        }
    }
    return {};
}

Fermeur::Fermeur()
{
    // Each box is closed from the event loop of its own exec(), as soon as
    // it shows; the timer is a safety net for a box shown some other way.
    qApp->installEventFilter(this);
    m_minuterie.setInterval(50);
    QObject::connect(&m_minuterie, &QTimer::timeout, this, [this] {
        for (QWidget *w : QApplication::topLevelWidgets())
            fermer(w);
    });
    m_minuterie.start();
}

Fermeur::~Fermeur()
{
    qApp->removeEventFilter(this);
}

bool Fermeur::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::Show && objet->isWidgetType() && static_cast<QWidget *>(objet)->isWindow()) {
        QPointer<QWidget> w = static_cast<QWidget *>(objet);
        QTimer::singleShot(0, this, [this, w] {
            if (w)
                fermer(w);
        });
    }
    return QObject::eventFilter(objet, event);
}

void Fermeur::fermer(QWidget *w)
{
    if (!w->isVisible())
        return;
    if (auto *boite = qobject_cast<QMessageBox *>(w); boite && boite->windowTitle() == u"Vestrel") {
        ++avertissements;
        boite->done(QMessageBox::Ok);
    } else if (w->objectName() == u"apropos") {
        ++aPropos;
        // As a user does: a click on the picture closes the box.
        if (auto *image = w->findChild<QWidget *>(QStringLiteral("Picture1")))
            QTest::mouseClick(image, Qt::LeftButton);
        if (w->isVisible())
            static_cast<QDialog *>(w)->reject();
    }
}

} // namespace fiab
