// The batch sheet: its conventions found and its faults located, and the columns of the batch.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "project/Lote.h"

using namespace talvek;

namespace {

struct CasoFormato {
    const char* descricao;
    std::string bytes;
    char separador;
    char decimal;
    TCodificacaoPlanilha codificacao;
    const char* quebra;
    const char* primeiroCampo;  // of the first record, as UTF-8
    std::size_t linhaDoUltimo;  // file line where the last record starts
    double ultimoValor;         // second field of the last record
};

TEST(Planilha, ReconheceSeparadorDecimalCodificacaoEQuebra) {
    using C = TCodificacaoPlanilha;
    const CasoFormato casos[] = {
        {"vírgula, ponto decimal, UTF-8, LF", "Nome,EH\nTalhão,20.5\n", ',', '.', C::Utf8, "\n", "Talhão", 2, 20.5},
        {"ponto e vírgula, vírgula decimal, BOM, CRLF", "\xEF\xBB\xBFNome;EH\r\nTalhão;20,5\r\n", ';', ',',
         C::Utf8ComBom, "\r\n", "Talhão", 2, 20.5},
        {"ponto e vírgula com ponto decimal, Windows-1252", "Nome;EH\r\nTalh\xE3o 3.1;7\r\nB;20.5\r\n", ';', '.',
         C::Windows1252, "\r\n", "Talhão 3.1", 3, 20.5},
        {"ponto e vírgula sem decimais: vírgula", "Nome;EH\nA;20\n", ';', ',', C::Utf8, "\n", "A", 2, 20},
        {"campos entre aspas com separador e vírgula decimal", "\"Nome\",\"EH\"\n\"Talhão, norte\",\"20,5\"\n", ',',
         '.', C::Utf8, "\n", "Talhão, norte", 2, 20.5},
        {"aspas dobradas, quebra dentro do campo, linha em branco, sem quebra final",
         "Nome;EH\n\"a \"\"b\"\"\nc\";1\n\n;;\nx;2,5", ';', ',', C::Utf8, "\n", "a \"b\"\nc", 6, 2.5},
        {"campos a mais vazios são ignorados", "Nome,EH\nA,3,,\n", ',', '.', C::Utf8, "\n", "A", 2, 3},
    };
    for (const CasoFormato& caso : casos) {
        SCOPED_TRACE(caso.descricao);
        const TPlanilha p = LerPlanilha(caso.bytes);
        EXPECT_EQ(p.Formato.Separador, caso.separador);
        EXPECT_EQ(p.Formato.Decimal, caso.decimal);
        EXPECT_EQ(p.Formato.Codificacao, caso.codificacao);
        EXPECT_EQ(p.Formato.Quebra, caso.quebra);
        ASSERT_EQ(p.Cabecalho, (std::vector<std::string>{"Nome", "EH"}));
        ASSERT_FALSE(p.Linhas.empty());
        EXPECT_EQ(p.Linhas.front().Campos.front(), caso.primeiroCampo);
        EXPECT_EQ(p.Linhas.back().Numero, caso.linhaDoUltimo);
        ASSERT_EQ(p.Linhas.back().Campos.size(), 2u);
        EXPECT_EQ(NumeroDoCampo(p.Linhas.back().Campos[1]), caso.ultimoValor);
        // Written back in its own conventions, the sheet reads the same.
        std::vector<std::vector<std::string>> linhas{p.Cabecalho};
        for (const TLinhaPlanilha& l : p.Linhas) linhas.push_back(l.Campos);
        const TPlanilha relida = LerPlanilha(EscreverPlanilha(linhas, p.Formato));
        EXPECT_EQ(relida.Formato.Separador, caso.separador);
        EXPECT_EQ(relida.Formato.Codificacao, caso.codificacao);
        ASSERT_EQ(relida.Linhas.size(), p.Linhas.size());
        for (std::size_t i = 0; i < p.Linhas.size(); ++i) EXPECT_EQ(relida.Linhas[i].Campos, p.Linhas[i].Campos);
    }
}

TEST(Planilha, NumeroEscritoNoDecimalDaPlanilhaRelêExato) {
    const TFormatoPlanilha virgula{';', ','};
    EXPECT_EQ(CampoDoNumero(0.1 + 0.2, virgula), "0,30000000000000004");
    EXPECT_EQ(NumeroDoCampo(CampoDoNumero(0.1 + 0.2, virgula)), 0.1 + 0.2);
    EXPECT_EQ(CampoDoNumero(45.5, TFormatoPlanilha{}), "45.5");
}

TEST(Planilha, FalhasComLinhaEColuna) {
    const struct {
        std::string bytes;
        const char* mensagem;
    } casos[] = {
        {"", "linha 1, coluna 1: a planilha está vazia"},
        {"Nome;EH\nA;\"20\n", "linha 2, coluna 2: as aspas abertas no campo não se fecham"},
        {"Nome;EH\n\"A\"x;20\n", "linha 2, coluna 1: há texto depois das aspas que fecham o campo"},
        {"Nome,EH\nA,20\nB,20,5\n", "linha 3, coluna 3: a linha tem mais campos que o cabeçalho (2)"},
        {"\nNome;EH;B\nA;20;1\n", "linha 2, coluna 3: coluna desconhecida: 'B'"},
        {"Nome;EH;;\n", "linha 1, coluna 3: coluna sem nome"},
        {"EH;Nome;eh\n", "linha 1, coluna 3: a coluna 'EH' já é a coluna 1"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.bytes);
        try {
            PrepararLote(LerPlanilha(caso.bytes));
            ADD_FAILURE() << "a planilha foi aceita";
        } catch (const EPlanilha& e) {
            EXPECT_STREQ(e.what(), caso.mensagem);
        }
    }
}

// Every column names a key of the project file's sections, and no two the same key.
TEST(Lote, CadaColunaUmaChaveDistintaDoArquivo) {
    const std::vector<std::string> secoes{"IDENTIFICACAO", "TipoSistema", "PREC_EXPONENCIAL_NEGATIVA", "Cobertura",
                                          "Terreno",       "Canal",       "CanalGradiente",            "CanalDrenagem",
                                          "Verificacao"};
    std::vector<std::string> vistas;
    for (const TColunaLote& coluna : ColunasLote()) {
        EXPECT_NE(std::find(secoes.begin(), secoes.end(), coluna.Secao), secoes.end()) << coluna.Nome;
        const std::string chave = std::string(coluna.Secao) + "/" + coluna.Chave;
        EXPECT_EQ(std::find(vistas.begin(), vistas.end(), chave), vistas.end()) << chave;
        vistas.push_back(chave);
        EXPECT_EQ(coluna.Aplicar == nullptr, coluna.Tipo == TTipoColuna::Texto) << coluna.Nome;
    }
}

}  // namespace
