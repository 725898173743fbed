#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/Excecoes.h"
#include "platform/Progresso.h"

using namespace talvek;

namespace {

struct EventosContados : IProgresso {
    int eventos = 0;
    void CursorOcupado(bool) override {}
    void ProcessarEventos() override { ++eventos; }
};

}  // namespace

// The window's events run once per 250 000 node updates, however the updates fall into time steps.
TEST(ContadorAtualizacoes, EventosACadaQuartoDeMilhaoDeAtualizacoes) {
    const struct {
        std::vector<std::int64_t> passos;  // nodes of each time step
        int eventos;
    } casos[] = {
        {{249'999}, 0},
        {{250'000}, 1},
        {{100'000, 100'000, 49'999}, 0},
        {{100'000, 100'000, 50'000}, 1},
        {{100'000, 100'000, 100'000, 100'000, 100'000}, 1},  // the count restarts at each pump
        {{100'000, 100'000, 100'000, 100'000, 100'000, 100'000}, 2},
        {{1'000'000}, 1},
        {{1'000'000, 1}, 1},
    };
    for (const auto& caso : casos) {
        EventosContados progresso;
        TContadorAtualizacoes contador(&progresso);
        for (std::int64_t nos : caso.passos) contador.Somar(nos);
        EXPECT_EQ(progresso.eventos, caso.eventos) << caso.passos.size() << " steps";
    }
}

TEST(ContadorAtualizacoes, PassarDoLimiteFalhaComMensagem) {
    TContadorAtualizacoes contador(nullptr);  // no window: nothing to pump
    contador.Somar(TContadorAtualizacoes::kMaximoAtualizacoes - 1);
    contador.Somar(1);  // exactly the limit passes
    try {
        contador.Somar(1);
        ADD_FAILURE() << "the limit was passed silently";
    } catch (const EAritmetica&) {
        ADD_FAILURE() << "an arithmetic fault would be swallowed by the hillslope";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "O cálculo excedeu o limite de 200 milhões de passos da malha (faixa ou canal longos demais).");
    }
}
