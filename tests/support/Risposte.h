// Test helpers: message boxes answered from a queue and recorded, beeps counted, and the
// project tables brought back to their start-up state around every test.
#pragma once

#include "core/Azzeramento.h"
#include "core/Progetti.h"
#include "core/Seams.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kelvra::test {

struct MessaggioMostrato {
    std::string testo;
    int stile = 0;
    std::string titolo;
};

// Installs itself as the message-box and beep handler for its lifetime. Answers come from
// `risposte` in order; when none is queued the box gets the answer that changes nothing.
class Risposte {
  public:
    Risposte() {
        ImpostaGestoreMessaggio([this](const std::string& t, int s, const std::string& ti) {
            mostrati.push_back({t, s, ti});
            if (risposte.empty()) return RispostaPrudente(s);
            int r = risposte.front();
            risposte.pop_front();
            return r;
        });
        ImpostaGestoreBeep([this] { ++beep; });
    }
    ~Risposte() {
        ImpostaGestoreMessaggio({});
        ImpostaGestoreBeep({});
    }
    Risposte(const Risposte&) = delete;
    Risposte& operator=(const Risposte&) = delete;

    void Rispondi(int risposta) { risposte.push_back(risposta); }

    std::vector<MessaggioMostrato> mostrati;
    std::deque<int> risposte;
    int beep = 0;
};

// Base fixture: the program in its start-up state around every case, recorded dialogs.
class TabelleAzzerate : public ::testing::Test {
  protected:
    void SetUp() override { AzzeraProgramma(); }
    void TearDown() override { AzzeraProgramma(); }
    Risposte dialoghi;
};

} // namespace kelvra::test
