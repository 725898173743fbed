// End-to-end runs of talvek-calc lote: the same bytes on any number of threads, and sheets with a bad row,
// a bad column and comma decimals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExecucaoCalc.h"
#include "PastaTemporaria.h"
#include "platform/ArquivoIni.h"

using namespace talvek;
using namespace talvek::teste;

namespace {

std::string Dados(const std::string& nome) { return std::string(TALVEK_DADOS_TESTE) + "/" + nome; }

std::vector<std::string> Linhas(const std::string& texto) {
    std::vector<std::string> linhas;
    for (std::size_t i = 0, fim; i < texto.size(); i = fim + 1) {
        fim = texto.find('\n', i);
        if (fim == std::string::npos) fim = texto.size();
        linhas.push_back(texto.substr(i, fim - i));
    }
    return linhas;
}

// Varied rows of both system types and both sections, so the threads interleave long and short designs.
std::string PlanilhaVariada() {
    std::string planilha = "Nome;Tipo;EH;VIB;St;Comprimento;TipoCanal;Bcanal;Z;TD;nc\n";
    for (int i = 0; i < 24; ++i)
        planilha += "T" + std::to_string(i) + ";" + (i % 4 == 3 ? "2" : "3") + ";" + std::to_string(15 + i % 7 * 3) +
                    ";" + std::to_string(5 + i % 5 * 4) + ";0," + std::to_string(10 + i % 6 * 5) + ";" +
                    std::to_string(120 + i * 17) + ";" + (i % 2 ? "0;0,4;1" : "1;;") + ";24;" +
                    (i == 11 ? "0" : "0,03") + "\n";
    return planilha;
}

TEST(Lote, MesmosBytesCom1_2E8Threads) {
    PastaTemporaria pasta;
    const std::string planilha = pasta / "variada.csv";
    GravarBytes(planilha, PlanilhaVariada());
    for (const char* formato : {"", "--json"}) {
        SCOPED_TRACE(formato);
        std::vector<ExecucaoCalc> execucoes;
        for (const char* threads : {"1", "2", "8"}) {
            std::vector<std::string> argumentos{"lote", planilha, "--projeto", Dados("Lavoura3.tvk"), "--threads",
                                                threads};
            if (*formato) argumentos.push_back(formato);
            execucoes.push_back(ExecutarCalc(argumentos, pasta / "erros.txt"));
        }
        EXPECT_EQ(execucoes[0].codigo, 2);  // the row with nc 0
        EXPECT_GT(execucoes[0].saida.size(), 1000u);
        for (const ExecucaoCalc& e : execucoes) {
            EXPECT_EQ(e.codigo, execucoes[0].codigo);
            EXPECT_EQ(e.saida, execucoes[0].saida);
            EXPECT_EQ(e.erros, execucoes[0].erros);
        }
    }
}

// The text of a JSON number after "chave":, as it stands.
std::string NumeroJson(const std::string& json, const std::string& chave) {
    const std::size_t inicio = json.find("\"" + chave + "\":");
    if (inicio == std::string::npos) return "ausente";
    const std::size_t valor = inicio + chave.size() + 3;
    return json.substr(valor, json.find_first_of(",}", valor) - valor);
}

struct Chave {
    const char* secao;
    const char* chave;
    const char* valor;
};

struct CasoIdentidade {
    const char* base;
    std::string planilha;  // header and one row
    std::vector<Chave> chaves;  // the same values, where the project file keeps them
};

// A row gives, to the last digit, what dimensionar gives for the base with the row's keys written into it.
TEST(Lote, LinhaIgualAoProjetoComAsMesmasChaves) {
    const CasoIdentidade casos[] = {
        {"Encosta3Triangular.tvk",
         "EH;VIB;St;Sm;Comprimento;nt;nc\n25;15;0,015;0.4;250;0,08;0,035\n",
         {{"CanalDrenagem", "EH", "25"}, {"Terreno", "VIB", "15"}, {"Terreno", "St", "0.015"},
          {"Canal", "ValorSm", "0.4"}, {"CanalGradiente", "Comprimento", "250"}, {"Terreno", "nt", "0.08"},
          {"CanalGradiente", "nc", "0.035"}}},
        {"Inundacao2Trapezio.tvk",
         "Bcanal;Z;TD;Bchuva;K;Tr;A;C;IndUso;CDu\n0,4;1,5;12;15;1100;25;0,19;0,82;1;1,3\n",
         {{"Canal", "B", "0.4"}, {"Canal", "ValorZ", "1.5"}, {"CanalDrenagem", "TD", "12"},
          {"PREC_EXPONENCIAL_NEGATIVA", "B", "15"}, {"PREC_EXPONENCIAL_NEGATIVA", "K", "1100"},
          {"PREC_EXPONENCIAL_NEGATIVA", "Tr", "25"}, {"PREC_EXPONENCIAL_NEGATIVA", "A", "0.19"},
          {"PREC_EXPONENCIAL_NEGATIVA", "C", "0.82"}, {"Cobertura", "IndUso", "1"}, {"Canal", "CDu", "1.3"}}},
        {"Lavoura3.tvk",
         "Tipo,TD,TipoCanal,Bcanal,Z,EV,Sc\n2,24,0,0.5,1,0.3,0.003\n",
         {{"TipoSistema", "Tipo", "2"}, {"CanalDrenagem", "TD", "24"}, {"Canal", "TipoCanal", "0"},
          {"Canal", "B", "0.5"}, {"Canal", "ValorZ", "1"}, {"CanalDrenagem", "EV", "0.3"},
          {"CanalGradiente", "Sc", "0.003"}}},
        {"Encosta3Trapezio.tvk",
         "IndUso;IndCond;IndTrat;St;EH;IndMaterial;Vadm\n1;3;1;0,02;35;-1;0,6\n",
         {{"Cobertura", "IndUso", "1"}, {"Cobertura", "IndCond", "3"}, {"Cobertura", "IndTrat", "1"},
          {"Terreno", "St", "0.02"}, {"CanalDrenagem", "EH", "35"}, {"Verificacao", "Versao", "1"},
          {"Verificacao", "IndMaterial", "-1"}, {"Verificacao", "Vadm", "0.6"}}},
    };
    PastaTemporaria pasta;
    for (const CasoIdentidade& caso : casos) {
        SCOPED_TRACE(caso.base);
        GravarBytes(pasta / "linha.csv", caso.planilha);
        const ExecucaoCalc lote =
            ExecutarCalc({"lote", pasta / "linha.csv", "--projeto", Dados(caso.base), "--json"}, pasta / "e.txt");
        ASSERT_EQ(lote.codigo, 0) << lote.erros;
        const std::string projeto = pasta / "projeto.tvk";
        GravarBytes(projeto, LerBytes(Dados(caso.base)));
        for (const Chave& chave : caso.chaves) TArquivoIni(projeto).EscreverTexto(chave.secao, chave.chave, chave.valor);
        const ExecucaoCalc dimensionar = ExecutarCalc({"dimensionar", projeto, "--json"}, pasta / "e.txt");
        ASSERT_EQ(dimensionar.codigo, 0) << dimensionar.erros;
        for (const char* chave : {"Q", "H", "Hr", "V", "Vadm", "escavacao_m3_m"})
            EXPECT_EQ(NumeroJson(lote.saida, chave), NumeroJson(dimensionar.saida, chave)) << chave;
        // The row changed the design: the base alone sizes otherwise.
        const ExecucaoCalc base = ExecutarCalc({"dimensionar", Dados(caso.base), "--json"}, pasta / "e.txt");
        EXPECT_NE(NumeroJson(base.saida, "Q"), NumeroJson(lote.saida, "Q"));
    }
}

TEST(Lote, ExemploComProjetoBase) {
    PastaTemporaria pasta;
    const ExecucaoCalc e =
        ExecutarCalc({"lote", Dados("lote-exemplo.csv"), "--projeto", Dados("Lavoura3.tvk")}, pasta / "erros.txt");
    EXPECT_EQ(e.codigo, 0) << e.erros;
    const std::vector<std::string> linhas = Linhas(e.saida);
    ASSERT_EQ(linhas.size(), 6u);  // header and five plots
    EXPECT_TRUE(linhas[0].starts_with("Nome;Tipo;EH;VIB;St;Comprimento;TipoCanal;Bcanal;Z;TD;Q (L/s);H (cm);Hr (cm);"))
        << linhas[0];
    EXPECT_TRUE(linhas[0].ends_with(";erro\r")) << "the sheet's CRLF is kept";
    EXPECT_TRUE(linhas[4].starts_with("Várzea 4 (arroz);2;40;2;0,005;500;0;0,5;1,5;24;")) << linhas[4];
}

struct CasoPlanilha {
    const char* descricao;
    std::string planilha;
    int codigo;
    std::vector<std::string> erros;   // lines stderr holds
    std::vector<std::string> saida;   // texts stdout holds
};

TEST(Lote, PlanilhasComLinhaRuimColunaRuimEVirgulaDecimal) {
    const CasoPlanilha casos[] = {
        {"vírgula decimal, uma linha não numérica e uma que a verificação recusa",
         "Nome;EH;VIB;nc\r\nA;20;10;0,03\r\nB;abc;10;0,03\r\nC;22;10;0\r\nD;30,5;12,5;0,035\r\n",
         2,
         {"linha 3, coluna 2 (EH): 'abc' não é um valor numérico válido.",
          "linha 4: Valor da rugosidade do canal inconsistente.", "2 de 4 linhas não foram dimensionadas."},
         {"\r\nB;abc;10;0,03;;;;;;;;;;;;;linha 3, coluna 2 (EH): 'abc' não é um valor numérico válido.\r\n",
          "\r\nD;30,5;12,5;0,035;"}},
        {"uma classe fora da faixa e um comprimento não inteiro",
         "Nome,IndUso,Comprimento\nA,7,100\nB,1,250.5\nC,1,250\n",
         2,
         {"linha 2, coluna 2 (IndUso): o valor deve estar entre 0 e 5.",
          "linha 3, coluna 3 (Comprimento): '250.5' não é um número inteiro."},
         {"\nC,1,250,"}},
        {"coluna desconhecida", "Nome;EH;Bx\nA;20;1\n", 3,
         {"coluna.csv: linha 1, coluna 3: coluna desconhecida: 'Bx'"}, {}},
        {"vírgula decimal numa planilha separada por vírgulas", "Nome,EH\nA,20\nB,20,5\n", 3,
         {"coluna.csv: linha 3, coluna 3: a linha tem mais campos que o cabeçalho (2)"}, {}},
    };
    PastaTemporaria pasta;
    for (const CasoPlanilha& caso : casos) {
        SCOPED_TRACE(caso.descricao);
        const std::string planilha = pasta / "coluna.csv";
        GravarBytes(planilha, caso.planilha);
        const ExecucaoCalc e = ExecutarCalc({"lote", planilha, "--projeto", Dados("Lavoura3.tvk"), "--threads", "2"},
                                            pasta / "erros.txt");
        EXPECT_EQ(e.codigo, caso.codigo);
        for (const std::string& linha : caso.erros) EXPECT_NE(e.erros.find(linha + "\n"), std::string::npos) << e.erros;
        for (const std::string& texto : caso.saida) EXPECT_NE(e.saida.find(texto), std::string::npos) << e.saida;
        if (caso.codigo == 3) {
            EXPECT_EQ(e.saida, "");
        }
    }
}

TEST(Lote, ArgumentosESaidaEmArquivo) {
    PastaTemporaria pasta;
    const std::string exemplo = Dados("lote-exemplo.csv");
    const std::string base = Dados("Lavoura3.tvk");
    const ExecucaoCalc semPlanilha = ExecutarCalc({"lote", "--projeto", base}, pasta / "e.txt");
    EXPECT_EQ(semPlanilha.codigo, 1);
    EXPECT_TRUE(semPlanilha.erros.starts_with("talvek-calc lote: falta a planilha\nUso: talvek-calc lote PLANILHA.csv"))
        << semPlanilha.erros;
    EXPECT_EQ(ExecutarCalc({"lote", exemplo, "--projeto"}, pasta / "e.txt").codigo, 1);
    EXPECT_EQ(ExecutarCalc({"lote", exemplo, "--csv"}, pasta / "e.txt").codigo, 1);
    EXPECT_EQ(ExecutarCalc({"lote", pasta / "nenhuma.csv"}, pasta / "e.txt").codigo, 3);
    EXPECT_EQ(ExecutarCalc({"lote", exemplo, "--projeto", pasta / "nenhum.tvk"}, pasta / "e.txt").codigo, 3);

    const ExecucaoCalc padrao = ExecutarCalc({"lote", exemplo, "--projeto", base}, pasta / "e.txt");
    const ExecucaoCalc arquivo =
        ExecutarCalc({"lote", exemplo, "--projeto", base, "--saida", pasta / "r.csv"}, pasta / "e.txt");
    EXPECT_EQ(arquivo.codigo, 0);
    EXPECT_EQ(arquivo.saida, "");
    EXPECT_EQ(LerBytes(pasta / "r.csv"), padrao.saida);
    // Without a base every value must come from the sheet: a new project sizes nothing.
    const ExecucaoCalc semBase = ExecutarCalc({"lote", exemplo, "--json"}, pasta / "e.txt");
    EXPECT_EQ(semBase.codigo, 2);
    EXPECT_EQ(semBase.saida.find("\"Q\""), std::string::npos) << semBase.saida;
    EXPECT_NE(semBase.saida.find("{\"linha\":2,\"Nome\":\"Talhão 1 (soja)\",\"Tipo\":3,\"EH\":20,"), std::string::npos)
        << semBase.saida;
}

}  // namespace
