#include "platform/Dialoghi.h"

#include "core/Azzeramento.h"
#include "platform/Stampante.h"
#include "platform/SuperficieQt.h"
#include "platform/Testo.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>
#include <QUrl>
#include <memory>

namespace kelvra {

namespace {

QString Percorso(const std::string& percorso) {
    return QFile::decodeName(percorso.c_str());
}
std::string Percorso(const QString& percorso) {
    return QFile::encodeName(percorso).toStdString();
}

// The folder and name a file dialog opens on.
QString Partenza(const RichiestaFile& r) {
    if (r.cartella.empty()) return Percorso(r.nome);
    if (r.nome.empty()) return Percorso(r.cartella);
    return QDir(Percorso(r.cartella)).filePath(Percorso(r.nome));
}

// Ends a local event loop when the window it watches is hidden or closed.
class FiltroChiusura : public QObject {
  public:
    explicit FiltroChiusura(QEventLoop* ciclo) : ciclo_(ciclo) {}
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Hide || evento->type() == QEvent::Close) ciclo_->quit();
        return QObject::eventFilter(oggetto, evento);
    }

  private:
    QEventLoop* ciclo_;
};

class DialoghiReali : public RispondenteDialoghi {
  public:
    std::string ApriFile(const RichiestaFile& r) override {
        const QString scelto = QFileDialog::getOpenFileName(
            QApplication::activeWindow(), DaAnsi(r.titolo), Partenza(r), FiltroQt(r.filtro));
        return Percorso(scelto);
    }
    std::string SalvaFile(const RichiestaFile& r) override {
        const QString scelto = QFileDialog::getSaveFileName(
            QApplication::activeWindow(), DaAnsi(r.titolo), Partenza(r), FiltroQt(r.filtro));
        return Percorso(scelto);
    }
    SceltaColore ScegliColore(long iniziale) override {
        const QColor scelto =
            QColorDialog::getColor(ColoreQt(iniziale), QApplication::activeWindow());
        if (!scelto.isValid()) return {iniziale, true};
        return {NumeroColore(scelto), false};
    }
    bool ImpostaStampante() override {
        QPrintDialog dialogo(&StampanteImpostata(), QApplication::activeWindow());
        return dialogo.exec() == QDialog::Accepted;
    }
    bool StampantePresente() override {
        return !QPrinterInfo::defaultPrinter().isNull() ||
               !QPrinterInfo::availablePrinterNames().isEmpty();
    }
    bool Stampa(const QImage& immagine, const std::string& titolo) override {
        return DisegnaPagina(StampanteImpostata(), immagine, titolo);
    }
    bool StampaPagine(const std::vector<QImage>& pagine, const std::string& titolo) override {
        return DisegnaPagine(StampanteImpostata(), pagine, titolo);
    }
    int MostraModale(QWidget* finestra) override {
        if (!finestra) return 0;
        if (auto* dialogo = qobject_cast<QDialog*>(finestra)) return dialogo->exec();
        // A plain window: shown application-modal, and a local event loop runs until it is
        // hidden, closed or destroyed.
        if (!finestra->isWindow()) finestra->setWindowFlag(Qt::Window, true);
        finestra->setWindowModality(Qt::ApplicationModal);
        QEventLoop ciclo;
        FiltroChiusura filtro(&ciclo);
        QPointer<QWidget> guardia(finestra);
        finestra->installEventFilter(&filtro);
        QObject::connect(finestra, &QObject::destroyed, &ciclo, &QEventLoop::quit);
        finestra->show();
        if (finestra->isVisible()) ciclo.exec(QEventLoop::DialogExec);
        if (guardia) guardia->removeEventFilter(&filtro);
        return 0;
    }
    bool ApriDocumento(const std::string& percorso) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(Percorso(percorso)));
    }
};

DialoghiReali dialoghiReali;
RispondenteDialoghi* rispondente = &dialoghiReali;

} // namespace

bool RispondenteDialoghi::StampaPagine(const std::vector<QImage>& pagine,
                                       const std::string& titolo) {
    bool stampate = true;
    for (const QImage& pagina : pagine) stampate = Stampa(pagina, titolo) && stampate;
    return stampate;
}

RispondenteDialoghi* ImpostaRispondenteDialoghi(RispondenteDialoghi* nuovo) {
    RispondenteDialoghi* vecchio = rispondente == &dialoghiReali ? nullptr : rispondente;
    rispondente = nuovo ? nuovo : &dialoghiReali;
    return vecchio;
}

std::string DialogoApriFile(const RichiestaFile& richiesta) {
    return rispondente->ApriFile(richiesta);
}
std::string DialogoSalvaFile(const RichiestaFile& richiesta) {
    return rispondente->SalvaFile(richiesta);
}
SceltaColore DialogoColore(long iniziale) {
    return rispondente->ScegliColore(iniziale);
}
bool DialogoImpostaStampante() {
    return rispondente->ImpostaStampante();
}
bool StampantePresente() {
    return rispondente->StampantePresente();
}
bool StampaImmagine(const QImage& immagine, const std::string& titolo) {
    // A PDF file chosen in the set-up is written here and read back, whoever answers the
    // dialogs; only a page for a printer goes to the respondent.
    if (!FileStampa().isEmpty()) return StampaSuFile(immagine, titolo);
    return rispondente->Stampa(immagine, titolo);
}
bool StampaDocumento(const std::vector<QImage>& pagine, const std::string& titolo) {
    if (!FileStampa().isEmpty()) return StampaSuFile(pagine, titolo);
    return rispondente->StampaPagine(pagine, titolo);
}
int MostraModale(QWidget* finestra) {
    return rispondente->MostraModale(finestra);
}
bool ApriDocumento(const std::string& percorso) {
    return rispondente->ApriDocumento(percorso);
}

namespace {
std::unique_ptr<QPrinter> stampante;
// Start-up state: the desktop's default printer, no output file.
[[maybe_unused]] const bool StampanteAzzerabile = RegistraAzzeramento([] { stampante.reset(); });
} // namespace

QPrinter& StampanteImpostata() {
    if (!stampante) stampante = std::make_unique<QPrinter>();
    return *stampante;
}

QString FiltroQt(const std::string& filtro) {
    if (filtro.empty()) return {};
    const QStringList parti = DaAnsi(filtro).split(QLatin1Char('|'));
    QStringList voci;
    for (qsizetype i = 0; i < parti.size(); i += 2) {
        QString descrizione = parti[i].trimmed();
        QString modelli = i + 1 < parti.size() ? parti[i + 1].trimmed() : QString();
        if (modelli.isEmpty()) modelli = QStringLiteral("*");
        modelli = modelli.replace(QLatin1Char(';'), QLatin1Char(' ')).simplified();
        // A description that already ends with its patterns ("Project (*.kvp)") shows them
        // once: the toolkit's patterns take their place.
        const qsizetype aperta = descrizione.lastIndexOf(QLatin1Char('('));
        if (aperta >= 0 && descrizione.endsWith(QLatin1Char(')'))) {
            QString dentro = descrizione.mid(aperta + 1, descrizione.size() - aperta - 2);
            if (dentro.replace(QLatin1Char(';'), QLatin1Char(' ')).simplified() == modelli)
                descrizione = descrizione.left(aperta).trimmed();
        }
        voci.append(descrizione + QStringLiteral(" (") + modelli + QLatin1Char(')'));
    }
    return voci.join(QStringLiteral(";;"));
}

} // namespace kelvra
