// A respondent for the common dialogs that tests install: every dialog is answered from a
// queue filled in advance and recorded, and nothing is ever shown. An empty queue gives
// the answer of a user who cancels (no file, colour cancelled, set-up cancelled) and a
// modal window with no answer queued is closed at once with result 0.
#pragma once

#include "platform/Dialoghi.h"

#include <QImage>
#include <QPointer>
#include <QPrinter>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kelvra {

class RisposteDialoghi : public RispondenteDialoghi {
  public:
    RisposteDialoghi() { precedente_ = ImpostaRispondenteDialoghi(this); }
    ~RisposteDialoghi() override { ImpostaRispondenteDialoghi(precedente_); }
    RisposteDialoghi(const RisposteDialoghi&) = delete;
    RisposteDialoghi& operator=(const RisposteDialoghi&) = delete;

    // Answers, used in order.
    std::deque<std::string> fileDaAprire;
    std::deque<std::string> fileDaSalvare;
    std::deque<SceltaColore> colori;
    std::deque<bool> impostazioniStampante;
    // The PDF file an accepted set-up names, one per accepted set-up while any are queued.
    std::deque<QString> fileStampa;
    bool stampantePresente = true;
    bool documentoApribile = true;
    bool stampaRiuscita = true;
    // Each modal window shown is handed to the next function, in place of the user: it may
    // fill the window's boxes and press its buttons; its return value is the result code.
    std::deque<std::function<int(QWidget*)>> modali;

    // What was asked.
    std::vector<RichiestaFile> richiesteApri;
    std::vector<RichiestaFile> richiesteSalva;
    std::vector<long> coloriIniziali;
    int richiesteStampante = 0;
    std::vector<QPointer<QWidget>> finestreModali;
    std::vector<QString> classiModali; // class names of the modal windows, in order
    std::vector<std::string> documentiAperti;
    struct PaginaStampata {
        QImage immagine;
        std::string titolo;
    };
    std::vector<PaginaStampata> stampe;

    void RispondiModale(std::function<int(QWidget*)> risposta) {
        modali.push_back(std::move(risposta));
    }

    std::string ApriFile(const RichiestaFile& richiesta) override {
        richiesteApri.push_back(richiesta);
        return Prendi(fileDaAprire, std::string{});
    }
    std::string SalvaFile(const RichiestaFile& richiesta) override {
        richiesteSalva.push_back(richiesta);
        return Prendi(fileDaSalvare, std::string{});
    }
    SceltaColore ScegliColore(long iniziale) override {
        coloriIniziali.push_back(iniziale);
        return Prendi(colori, SceltaColore{iniziale, true});
    }
    bool ImpostaStampante() override {
        ++richiesteStampante;
        const bool accettata = Prendi(impostazioniStampante, false);
        if (accettata && !fileStampa.empty()) {
            StampanteImpostata().setOutputFormat(QPrinter::PdfFormat);
            StampanteImpostata().setOutputFileName(Prendi(fileStampa, QString()));
        }
        return accettata;
    }
    bool StampantePresente() override { return stampantePresente; }
    bool Stampa(const QImage& immagine, const std::string& titolo) override {
        stampe.push_back({immagine, titolo});
        return stampaRiuscita;
    }
    int MostraModale(QWidget* finestra) override {
        finestreModali.emplace_back(finestra);
        classiModali.push_back(finestra ? QString::fromLatin1(finestra->metaObject()->className())
                                        : QString());
        if (modali.empty()) return 0;
        auto risposta = std::move(modali.front());
        modali.pop_front();
        return risposta ? risposta(finestra) : 0;
    }
    bool ApriDocumento(const std::string& percorso) override {
        documentiAperti.push_back(percorso);
        return documentoApribile;
    }

  private:
    template <class T> static T Prendi(std::deque<T>& coda, T altrimenti) {
        if (coda.empty()) return altrimenti;
        T r = std::move(coda.front());
        coda.pop_front();
        return r;
    }
    RispondenteDialoghi* precedente_ = nullptr;
};

} // namespace kelvra
