// End-to-end runs of talvek-calc lote: the same bytes on any number of threads, and sheets with a bad row,
// a bad column and comma decimals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExecucaoCalc.h"
#include "PastaTemporaria.h"

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
        if (caso.codigo == 3) EXPECT_EQ(e.saida, "");
    }
}

TEST(Lote, ArgumentosESaidaEmArquivo) {
    PastaTemporaria pasta;
    const std::string exemplo = Dados("lote-exemplo.csv");
    const std::string base = Dados("Lavoura3.tvk");
    EXPECT_EQ(ExecutarCalc({"lote"}, pasta / "e.txt").codigo, 1);
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
