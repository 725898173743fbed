// The checks before a sizing, shared by "Calcular" and talvek-calc, and the warnings on a finished design.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CanalExemplo.h"
#include "ChuvaExemplo.h"
#include "design/uAvisos.h"
#include "design/uVerificacaoEntradas.h"
#include "model/uTerreno.h"

using namespace talvek;

namespace {

// The worked triangular drain without partial flooding (a valid case), with its storm and field.
struct Caso {
    TCanalDrenagem canal = CanalExemplo(TTipoCanal::Triangular);
    TTerreno terreno;
    TPrecipitacaoExponencialNegativa chuva = ChuvaExemplo();
    TTipoSistema sistema = Sistema(3);
    Caso() {
        terreno.SetVIB(20);
        terreno.SetSt(0.01);
        terreno.nt.Valor = 0.1;
        canal.SetEV(0.2);
    }
};

using Mudanca = std::function<void(Caso&)>;
using Campo = TCampoEntrada;

}  // namespace

TEST(VerificacaoEntradas, APrimeiraEntradaQueFalhaComAMensagemDoCampo) {
    const auto nada = [](Caso&) {};
    const struct {
        const char* nome;
        Mudanca mudar;
        std::vector<Campo> vazios;  // fields left empty
        const char* mensagem;       // empty: the inputs pass
        const char* causa;
    } casos[] = {
        {"o exemplo", nada, {}, "", ""},
        {"rugosidade do canal nula", [](Caso& c) { c.canal.nc.Valor = 0; }, {},
         "Valor da rugosidade do canal inconsistente.", ""},
        {"rugosidade do terreno negativa", [](Caso& c) { c.terreno.nt.Valor = -0.1; }, {},
         "Valor da rugosidade do terreno inconsistente.", ""},
        {"com inundação a rugosidade do terreno não é lida",
         [](Caso& c) { c.sistema = Sistema(2); c.terreno.nt.Valor = 0; }, {}, "", ""},
        {"com inundação, sem tempo de drenagem", [](Caso& c) { c.sistema = Sistema(2); }, {Campo::Tempo},
         "Valor do tempo de drenagem inconsistente.", ""},
        {"parede do murundum negativa", [](Caso& c) { c.canal.Sm.Valor = -1; }, {},
         "Valor da inclinação do murundum inconsistente.", ""},
        {"declividade do canal negativa", [](Caso& c) { c.canal.SetSc(-0.002); }, {},
         "Valor da declividade do canal inconsistente.", ""},
        {"declividade do canal nula passa ao dimensionamento", [](Caso& c) { c.canal.SetSc(0); }, {}, "", ""},
        {"canal de 1501 m", [](Caso& c) { c.canal.SetComprimento(1501); }, {},
         " O comprimento máximo permitido para o canal é de 1500 metros. ", ""},
        {"canal de 1500 m", [](Caso& c) { c.canal.SetComprimento(1500); }, {}, "", ""},
        {"espaçamento de 1500,5 m", [](Caso& c) { c.canal.SetEH(1500.5); }, {},
         " O espaçamento horizontal máximo permitido é de 1500 metros. ", ""},
        {"terreno plano, espaçamentos vazios", [](Caso& c) { c.terreno.SetSt(0); }, {Campo::EV, Campo::EH},
         "Valor da declividade do terreno inconsistente.", "Declividade do terreno = 0: deve ser maior que zero."},
        {"o primeiro campo vazio pela ordem da página", nada, {Campo::VIB, Campo::Tr},
         "Valor do periodo de retorno inconsistente.", ""},
        {"trapézio sem base", [](Caso& c) { c.canal.TipoCanal.Tipo = TTipoCanal::Trapezoidal; }, {Campo::BaseSt},
         "Valor da base do canal inconsistente.", ""},
    };
    for (const auto& caso : casos) {
        Caso c;
        caso.mudar(c);
        TEntradasProjeto e = EntradasDoModelo(c.canal, c.terreno, c.chuva, c.sistema);
        for (const Campo campo : caso.vazios) e[campo].reset();
        const auto invalida = PrimeiraEntradaInvalida(e);
        EXPECT_EQ(invalida ? invalida->Mensagem : "", caso.mensagem) << caso.nome;
        EXPECT_EQ(invalida ? invalida->Causa : "", caso.causa) << caso.nome;
    }
}

// The warnings of a finished run, each naming the value and its usual range; the reason of a zero flow first.
TEST(VerificacaoEntradas, AvisosDeValoresForaDoUsualEDeEscoamentoNulo) {
    const struct {
        const char* nome;
        Mudanca mudar;
        std::vector<std::string> avisos;
    } casos[] = {
        {"o exemplo", [](Caso&) {}, {}},
        {"rugosidade do canal 0,5", [](Caso& c) { c.canal.nc.Valor = 0.5; },
         {"Rugosidade do canal = 0.5: fora da faixa usual, de 0.01 a 0.2."}},
        {"rugosidade do terreno 0,005", [](Caso& c) { c.terreno.nt.Valor = 0.005; },
         {"Rugosidade do terreno = 0.005: fora da faixa usual, de 0.01 a 0.8."}},
        {"trapézio largo e aberto, terreno íngreme, com inundação",
         [](Caso& c) {
             c.sistema = Sistema(2);
             c.canal.TipoCanal.Tipo = TTipoCanal::Trapezoidal;
             c.canal.SetB(1e24);
             c.canal.Z.Valor = 12;
             c.terreno.SetSt(0.35);
         },
         {"Inverso da declividade das faces laterais (Z) = 12: acima do usual, até 10.",
          "Base do canal = 1E24 m: acima do usual, até 10 m.",
          "Declividade do terreno = 0.35 m/m: acima do usual, até 0.3 m/m."}},
        {"chuva de 1000 anos, canal curto, drenos juntos",
         [](Caso& c) {
             c.chuva.SetTr(1000);
             c.canal.SetComprimento(5);
             c.canal.SetEH(1.5);
         },
         {"Período de retorno = 1000 anos: acima do usual, até 500 anos.",
          "Comprimento do canal = 5 m: abaixo do usual, a partir de 10 m.",
          "Espaçamento horizontal = 1.5 m: abaixo do usual, a partir de 2 m."}},
        {"sem escoamento, VIB 400 mm/h", [](Caso& c) { c.terreno.SetVIB(400); },
         {"Não há escoamento: a intensidade da chuva não supera a VIB.",
          "VIB = 400 mm/h: acima do usual, até 300 mm/h."}},
        {"sem escoamento, com inundação", [](Caso& c) { c.sistema = Sistema(2); c.terreno.SetVIB(260); },
         {"Não há escoamento: a intensidade da chuva não supera a VIB."}},
        {"abstração maior que a chuva efetiva",
         [](Caso& c) {  // the cover of SemEscoamento3.tvk: a long abstraction on a soil of 45 mm/h
             c.terreno.Cobertura.UsoTerra.Indice = 4;
             c.terreno.Cobertura.CondicaoHidrologica.Indice = 3;
             c.terreno.Cobertura.Tratamento.Indice = 2;
             c.terreno.SetVIB(45);
         },
         {"Não há escoamento: a abstração inicial não é satisfeita antes do fim da chuva efetiva."}},
    };
    for (const auto& caso : casos) {
        Caso c;
        caso.mudar(c);
        try {
            c.canal.Dimensionar(c.terreno, c.chuva, c.sistema);
        } catch (const EDimensionamento& e) {
            ADD_FAILURE() << caso.nome << ": " << e.Causa();
        }
        EXPECT_EQ(AvisosDimensionamento(c.canal, c.terreno, c.chuva, c.sistema), caso.avisos) << caso.nome;
    }
}
