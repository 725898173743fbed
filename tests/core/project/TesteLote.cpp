// The batch sheet: its conventions found, its faults located, and a row sizing exactly as the base project
// with the row's keys written into it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "PastaTemporaria.h"
#include "platform/ArquivoIni.h"
#include "project/Lote.h"
#include "project/Projeto.h"

using namespace talvek;
using namespace talvek::teste;

namespace {

std::string Dados(const std::string& nome) { return std::string(TALVEK_DADOS_TESTE) + "/" + nome; }

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

struct CasoIdentidade {
    const char* base;
    std::string planilha;  // header and one row, as the user types them
};

struct Resultado {
    double Q, H, Hr;
};

// The base project with the row's keys written into it (the cells' own text), sized as "Calcular" does.
Resultado DoArquivo(const std::string& base, const TLote& lote, const PastaTemporaria& pasta) {
    const std::string caminho = pasta / "projeto.tvk";
    std::filesystem::copy_file(base, caminho, std::filesystem::copy_options::overwrite_existing);
    const TArquivoIni ini(caminho);
    const TLinhaPlanilha& linha = lote.Planilha.Linhas.front();
    for (std::size_t c = 0; c < linha.Campos.size(); ++c)
        if (!linha.Campos[c].empty())
            ini.EscreverTexto(lote.Colunas[c]->Secao, lote.Colunas[c]->Chave, linha.Campos[c]);
    TProjeto projeto;
    LerProjeto(caminho, projeto.Objetos());
    TCanalDrenagem& canal = projeto.CanalDrenagem;
    canal.Dimensionar(projeto.Terreno, projeto.Nimbal1.Precipitacao, projeto.Sistema);
    return {canal.Q(), canal.H(), AlturaRecomendada(canal.H(), canal.CDu())};
}

TEST(Lote, LinhaDimensionaComoOProjetoComAsMesmasChaves) {
    const CasoIdentidade casos[] = {
        {"Encosta3Triangular.tvk", "EH;VIB;St;Sm;Comprimento;nt;nc\n25;15;0,015;0.4;250;0,08;0,035\n"},
        {"Inundacao2Trapezio.tvk", "Bcanal;Z;TD;Bchuva;K;Tr;A;C;IndUso;CDu\n0,4;1,5;12;15;1100;25;0,19;0,82;1;1,3\n"},
        {"Lavoura3.tvk", "Tipo;TD;TipoCanal;Bcanal;Z;EV;Sc\n2;24;0;0,5;1;0,3;0,003\n"},
        {"Encosta3Trapezio.tvk", "IndUso;IndCond;IndTrat;St;EH\n1;3;1;0,02;35\n"},
    };
    PastaTemporaria pasta;
    for (const CasoIdentidade& caso : casos) {
        SCOPED_TRACE(caso.base);
        TProjeto projeto;
        LerProjeto(Dados(caso.base), projeto.Objetos(), TConversao::NaMemoria);
        const TCasoLote base = CasoDoProjeto(projeto);
        const TLote lote = PrepararLote(LerPlanilha(caso.planilha));
        const TResultadoLote linha = DimensionarLinha(base, lote, lote.Planilha.Linhas.front());
        ASSERT_EQ(linha.Erro, "");
        const Resultado arquivo = DoArquivo(Dados(caso.base), lote, pasta);
        EXPECT_GT(linha.Q, 0);
        EXPECT_EQ(linha.Q, arquivo.Q);
        EXPECT_EQ(linha.H, arquivo.H);
        EXPECT_EQ(linha.Hr, arquivo.Hr);
        // The row changed the design: the base alone gives another flow.
        const TLote vazio = PrepararLote(LerPlanilha("Nome\nbase\n"));
        EXPECT_NE(DimensionarLinha(base, vazio, vazio.Planilha.Linhas.front()).Q, linha.Q);
    }
}

}  // namespace
