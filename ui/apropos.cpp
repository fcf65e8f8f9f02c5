#include "ui/apropos.h"

#include "ui/couleurs.h"
#include "ui/images.h"
#include "ui/palette.h"
#include "ui/polices.h"
#include "ui/twips.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QTime>
#include <QTimer>

namespace vestrel {

namespace {

constexpr int LargeurClient = 5028;
constexpr int HauteurClient = 3372;

// The three small grey boxes along the bottom, each holding one label.
struct Case {
    const char *nomCadre;
    int gauche, haut, largeur, hauteur;
    const char *nomLabel;
    int labelGauche, labelHaut, labelLargeur, labelHauteur;
    const char *texte; // shown until the opening writes the real value
};
constexpr Case Cases[] = {
    {"Cadre_Version", 440, 3000, 430, 350, "Version", 50, 0, 285, 240, VESTREL_VERSION},
    {"Cadre_Date", 2850, 3000, 1150, 350, "Lbl_Date", 50, 0, 1140, 240, "XX/XX/XXXX"},
    {"Cadre_Heure", 4050, 3000, 920, 350, "Lbl_Heure", 50, 0, 1100, 435, "HH-MM-SS"},
};

// Where the about box opens, from the outer corner of the main window.
constexpr int DecalageLeft = 180;
constexpr int DecalageTop = 1250;

void colorer(QWidget *w, const QColor &fond)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, fond);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

BoiteApropos::BoiteApropos(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("apropos"));
    setWindowTitle(QStringLiteral(" A propos"));
    setModal(true);
    appliquerPalette(this);
    colorer(this, couleurs::Gris);
    setFixedSize(tailleTwips(LargeurClient, HauteurClient));

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("Picture1"));
    m_image->setGeometry(rectTwips(30, 30, 4965, 2910));
    colorer(m_image, couleurs::Blanc);
    m_image->setAlignment(Qt::AlignCenter);
    m_image->setPixmap(imageApropos(devicePixelRatioF()));
    m_image->setCursor(curseurMain());
    m_image->installEventFilter(this);

    auto *icone = new QLabel(this);
    icone->setObjectName(QStringLiteral("Image1"));
    icone->setGeometry(rectTwips(50, 3000, 350, 350));
    icone->setAlignment(Qt::AlignCenter);
    icone->setPixmap(imageDecor(devicePixelRatioF()));

    for (const Case &c : Cases) {
        auto *boite = new QWidget(this);
        boite->setObjectName(QLatin1String(c.nomCadre));
        boite->setGeometry(rectTwips(c.gauche, c.haut, c.largeur, c.hauteur));
        colorer(boite, couleurs::Gris);
        auto *label = new QLabel(QString::fromUtf8(c.texte), boite);
        label->setObjectName(QLatin1String(c.nomLabel));
        label->setGeometry(rectTwips(c.labelGauche, c.labelHaut, c.labelLargeur, c.labelHauteur));
        label->setFont(polices::comic());
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    // The date is that of the opening; only the time runs.
    findChild<QLabel *>(QStringLiteral("Lbl_Date"))
        ->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    m_heure = findChild<QLabel *>(QStringLiteral("Lbl_Heure"));
    afficherHeure();

    auto *horloge = new QTimer(this);
    horloge->setObjectName(QStringLiteral("Timer1"));
    horloge->setInterval(1000);
    connect(horloge, &QTimer::timeout, this, &BoiteApropos::afficherHeure);
    horloge->start();
}

void BoiteApropos::ouvrir(QWidget *fenetre)
{
    BoiteApropos boite(fenetre);
    boite.move(fenetre->pos() + pointTwips(DecalageLeft, DecalageTop));
    boite.exec();
}

QString BoiteApropos::formatHeure(const QLocale &locale)
{
    // The long format is the one that carries the seconds a running clock
    // needs; its time-zone field ("t") is left out.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString resultat;
    bool cite = false;
    for (const QChar c : format) {
        if (c == u'\'')
            cite = !cite;
        if (!cite && c == u't')
            continue;
        resultat += c;
    }
    return resultat.simplified();
}

void BoiteApropos::afficherHeure()
{
    const QLocale locale;
    m_heure->setText(locale.toString(QTime::currentTime(), formatHeure(locale)));
}

void BoiteApropos::keyPressEvent(QKeyEvent *event)
{
    // Escape and Enter close the box, as a click on the picture does.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool BoiteApropos::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == m_image) {
        if (event->type() == QEvent::MouseButtonPress)
            return true;
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto *souris = static_cast<QMouseEvent *>(event);
            if (m_image->rect().contains(souris->position().toPoint()))
                accept();
            return true;
        }
    }
    return QDialog::eventFilter(objet, event);
}

} // namespace vestrel
