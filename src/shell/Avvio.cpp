#include "shell/Avvio.h"

#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Servizi.h"
#include "core/Unita.h"
#include "platform/Messaggi.h"
#include "platform/Testo.h"
#include "shell/Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <cmath>

namespace kelvra {

QPoint PosizioneLogo(QSize schermo, QSize picture) {
    // C++ integer division truncates toward zero, as the placement wants for a picture
    // larger than the screen.
    return {(schermo.width() - picture.width()) / 2, (schermo.height() - picture.height()) / 2};
}

QIcon IconaProgramma() {
    QIcon icona;
    for (int lato : {16, 32, 48, 256})
        icona.addFile(QStringLiteral(":/icona/kelvra-%1.png").arg(lato), QSize(lato, lato));
    return icona;
}

bool SequenzaAvvio(const std::string& cartella) {
    // Every window and message box, the first ones included, carries the program's title
    // and icon.
    ImpostaTitoloApplicazione(TITOLO_PRODOTTO);
    QApplication::setWindowIcon(IconaProgramma());
    if (cartella.empty())
        ImpostaPercorsoApplicazione();
    else
        ImpostaPercorsoApplicazione(cartella);

    if (!CaricaLingua()) return false;
    ImpostaCodicePagina(CodicePaginaLingua() == 1250 ? CodicePagina::Windows1250
                                                     : CodicePagina::Windows1252);

    PiGreco = 4.0 * std::atan(1.0);
    for (int p = 1; p <= MAX_PROGETTI; ++p) Progetti[p].ModificatoFile.fill(FALSO);
    NumeroProgetti = 1;
    ProgettoSelezionato = 1;

    LeggiFileIni();
    if (SistemaUnita == 0) ImpostaINIDefault();

    if (Ganci.CreaEditorGeometria)
        Ganci.CreaEditorGeometria();
    else
        ImpostaUnitaMisura(SistemaUnita);

    Progetto& p = Progetti[NumeroProgetti];
    p.GeometriaInserita = FALSO;
    p.MollaInserita = FALSO;
    p.AmmortizzatoreInserito = FALSO;
    p.TamponeInserito = FALSO;
    AggiornaStatoProgetto();
    return true;
}

QPixmap DisegnaLogo() {
    QPixmap logo(640, 480);
    QPainter pittore(&logo);
    pittore.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sfondo(0, 0, 0, 480);
    sfondo.setColorAt(0, QColor(18, 32, 64));
    sfondo.setColorAt(1, QColor(4, 8, 20));
    pittore.fillRect(logo.rect(), sfondo);

    // A rear wheel on its swingarm, with a rocker and the shock absorber, in the middle.
    pittore.translate(-60, 0);
    const QPointF perno(210, 300), asse(430, 270), attacco(300, 290), nodo(310, 340),
        vertice(260, 330), telaio(245, 360), occhio(245, 190);
    pittore.setPen(QPen(QColor(60, 70, 90), 18));
    pittore.setBrush(Qt::NoBrush);
    pittore.drawEllipse(asse, 120, 120);
    pittore.setPen(QPen(QColor(150, 160, 180), 4));
    pittore.drawEllipse(asse, 88, 88);
    pittore.drawEllipse(asse, 10, 10);

    pittore.setPen(QPen(QColor(230, 180, 40), 14, Qt::SolidLine, Qt::RoundCap));
    pittore.drawLine(perno, asse);
    pittore.setPen(QPen(QColor(200, 200, 210), 6, Qt::SolidLine, Qt::RoundCap));
    pittore.drawLine(attacco, nodo);
    pittore.drawLine(nodo, telaio);
    QPainterPath squadretta;
    squadretta.moveTo(nodo);
    squadretta.lineTo(vertice);
    squadretta.lineTo(telaio);
    squadretta.closeSubpath();
    pittore.setBrush(QColor(90, 100, 120));
    pittore.drawPath(squadretta);

    // The shock absorber with its spring.
    pittore.setPen(QPen(QColor(220, 40, 40), 10, Qt::SolidLine, Qt::RoundCap));
    pittore.drawLine(vertice, occhio);
    pittore.setPen(QPen(QColor(240, 240, 240), 3));
    const QPointF passo = (occhio - vertice) / 12.0;
    const QPointF normale(-passo.y() * 1.6, passo.x() * 1.6);
    QPointF precedente = vertice + passo * 5;
    for (int i = 6; i <= 11; ++i) {
        QPointF punto = vertice + passo * i + (i % 2 ? normale : -normale);
        pittore.drawLine(precedente, punto);
        precedente = punto;
    }
    pittore.setBrush(QColor(30, 30, 30));
    pittore.setPen(QPen(QColor(240, 240, 240), 2));
    for (const QPointF& p : {perno, occhio, telaio}) pittore.drawEllipse(p, 7, 7);

    QFont carattere("Sans Serif", 46, QFont::Black);
    carattere.setLetterSpacing(QFont::PercentageSpacing, 112);
    pittore.resetTransform();
    pittore.setFont(carattere);
    pittore.setPen(QColor(240, 240, 245));
    pittore.drawText(QRectF(0, 40, 640, 80), Qt::AlignCenter, TITOLO_PRODOTTO);
    pittore.setFont(QFont("Sans Serif", 20, QFont::Bold));
    pittore.setPen(QColor(230, 180, 40));
    pittore.drawText(QRectF(0, 110, 640, 40), Qt::AlignCenter, "3.0");
    pittore.end();
    return logo;
}

FrmLogo::FrmLogo(const std::string& cartella) : cartella_(cartella) {
    setObjectName("FrmLogo");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    PictureLogo = new QLabel(this);
    PictureLogo->setPixmap(DisegnaLogo());
    PictureLogo->resize(PictureLogo->pixmap().size());
    resize(PictureLogo->size());

    TimerLogo = new QTimer(this);
    TimerLogo->setInterval(300);
    connect(TimerLogo, &QTimer::timeout, this, &FrmLogo::TimerLogo_Timer);
    Form_Load();
    TimerLogo->start();
}

void FrmLogo::Form_Load() {
    // The window is the picture's size, so placing the window places the picture.
    QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!schermo) return;
    const QRect area = schermo->geometry();
    move(area.topLeft() + PosizioneLogo(area.size(), PictureLogo->size()));
}

void FrmLogo::TimerLogo_Timer() {
    if (avviato_) return;
    MostraCursoreAttesa();
    TimerLogo->stop();
    avviato_ = true;

    riuscito_ = SequenzaAvvio(cartella_);
    if (!riuscito_) {
        RipristinaCursore();
        hide();
        TerminaProgramma(1);
        return;
    }

    close(); // its unloading shows the main window
    RipristinaCursore();
}

void FrmLogo::Form_Unload() {
    MAIN::Mostra();
}

void FrmLogo::closeEvent(QCloseEvent* evento) {
    // Before the start-up has run there is nothing to hand over to: the splash stays.
    if (!avviato_) {
        evento->ignore();
        return;
    }
    evento->accept();
    if (riuscito_ && !scaricato_) {
        scaricato_ = true;
        Form_Unload();
    }
}

} // namespace kelvra
