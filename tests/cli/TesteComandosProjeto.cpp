// End-to-end runs of talvek-calc dimensionar, hidrograma and simular on the project files of tests/data.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "ExecucaoCalc.h"
#include "PastaTemporaria.h"
#include "platform/ArquivoIni.h"
#include "platform/Codificacao.h"

using namespace talvek;
using namespace talvek::teste;

namespace {

const char* const kErroDimensionamento = "Erro no dimensinamento dos canais";
const std::string kCausaSemTempo = "Tempo de drenagem = 0: deve ser maior que zero.";

std::string Dados(const std::string& nome) { return std::string(TALVEK_DADOS_TESTE) + "/" + nome; }

double Campo(const std::string& json, const std::string& campo) {
    const std::size_t p = json.find("\"" + campo + "\":");
    return p == std::string::npos ? NAN : std::strtod(json.c_str() + p + campo.size() + 3, nullptr);
}

// The numbers of a JSON text in order of appearance (the keys are not numbers).
std::vector<double> Numeros(const std::string& json) {
    std::vector<double> numeros;
    for (std::size_t i = 0; i < json.size();) {
        const char c = json[i];
        if (c == '-' || (c >= '0' && c <= '9')) {
            char* fim = nullptr;
            numeros.push_back(std::strtod(json.c_str() + i, &fim));
            i = fim - json.c_str();
        } else {
            ++i;
        }
    }
    return numeros;
}

// Manning's equation, Q (m³/s) · n / √Sc = A^(5/3) / P^(2/3), for the depth y (m) of either section.
double VazaoDeManning(bool triangular, double y, double n, double Sc, double St, double Sm, double B, double Z) {
    double A, P;
    if (triangular) {
        A = (1 / St + 1 / Sm) / 2 * y * y;
        P = (std::sqrt(1 + 1 / (St * St)) + std::sqrt(1 + 1 / (Sm * Sm))) * y;
    } else {
        A = y * (B + Z * y);
        P = B + 2 * y * std::sqrt(1 + Z * Z);
    }
    return std::pow(A, 5.0 / 3.0) / std::pow(P, 2.0 / 3.0) * std::sqrt(Sc) / n;
}

class ComandosProjeto : public ::testing::Test {
protected:
    ExecucaoCalc Executar(const std::vector<std::string>& argumentos) {
        return ExecutarCalc(argumentos, pasta / "erros.txt");
    }
    // A copy of a project of tests/data that the test may change.
    std::string Copia(const std::string& nome) {
        std::filesystem::copy_file(Dados(nome), pasta / nome);
        return pasta / nome;
    }
    PastaTemporaria pasta;
};

}  // namespace

TEST_F(ComandosProjeto, DimensionarOExemploDaDocumentacao) {
    const std::string projeto = Copia("Lavoura3.tvk");
    const ExecucaoCalc texto = Executar({"dimensionar", projeto});
    ASSERT_EQ(texto.codigo, 0) << texto.erros;
    EXPECT_NE(texto.saida.find("Sistema: Drenagem de Superfície sem Inundação Parcial\n"), std::string::npos);
    EXPECT_NE(texto.saida.find("Vazão (Q): "), std::string::npos) << texto.saida;

    const ExecucaoCalc json = Executar({"dimensionar", projeto, "--json"});
    ASSERT_EQ(json.codigo, 0);
    EXPECT_EQ(json.saida.rfind("{\"Tipo\":3,\"Q\":", 0), 0u) << json.saida;
    const double Q = Campo(json.saida, "Q"), H = Campo(json.saida, "H");
    // The sized depth put back into Manning's equation gives the flow (triangle St 0.02, Sm 0.418).
    EXPECT_NEAR(VazaoDeManning(true, H, 0.03, 0.002, 0.02, 0.418, 0, 0) * 1000, Q, 1e-6 * Q);
    EXPECT_NEAR(Campo(json.saida, "Hr"), 100 * H + 10, 1e-9);  // CDu 1
    EXPECT_EQ(Campo(json.saida, "EH"), 20);
    EXPECT_EQ(Campo(json.saida, "EV"), 0.4);
}

TEST_F(ComandosProjeto, DimensionarCadaTipoDeSistema) {
    struct Caso {
        const char* projeto;
        int tipo;
        bool triangular;
        double St;
        double Q, tolQ;  // L/s; a tolerance of 0 checks Manning's equation instead of a stated value
        double H, tolH;  // m
    };
    const Caso casos[] = {
        // Partial flooding, worked values: rainfall excess 31.8138 mm on 100 m × 20 m, removed in 24 h.
        {"Inundacao2Triangular.tvk", 2, true, 0.02, 0.73643, 5e-6, 0.020198, 5e-7},
        {"Inundacao2Trapezio.tvk", 2, false, 0.02, 0.73643, 5e-6, 0.015784, 5e-7},
        // Without partial flooding: the routed peak of the worked 20 m hillslope.
        {"Encosta3Triangular.tvk", 3, true, 0.01, 0, 0, 0, 0},
        {"Encosta3Trapezio.tvk", 3, false, 0.01, 0, 0, 0, 0},
        {"SemEscoamento3.tvk", 3, true, 0.01, 0, 1e-15, 0, 1e-15},
    };
    const ExecucaoCalc seco = Executar({"dimensionar", Dados("SemEscoamento3.tvk"), "--json"});
    EXPECT_TRUE(seco.saida.substr(seco.saida.find("\"avisos\""))
                    .starts_with("\"avisos\":[\"Não há escoamento: a abstração inicial não é satisfeita antes do "
                                 "fim da chuva efetiva.\"],\"verificacao\":{"))
        << seco.saida;
    for (const Caso& caso : casos) {
        const ExecucaoCalc r = Executar({"dimensionar", Dados(caso.projeto), "--json"});
        ASSERT_EQ(r.codigo, 0) << caso.projeto << ": " << r.saida << r.erros;
        EXPECT_EQ(Campo(r.saida, "Tipo"), caso.tipo) << caso.projeto;
        const double Q = Campo(r.saida, "Q"), H = Campo(r.saida, "H");
        if (caso.tolQ > 0) {
            EXPECT_NEAR(Q, caso.Q, caso.tolQ) << caso.projeto;
            EXPECT_NEAR(H, caso.H, caso.tolH) << caso.projeto;
        } else {
            EXPECT_GT(Q, 1) << caso.projeto;
            EXPECT_NEAR(VazaoDeManning(caso.triangular, H, 0.03, 0.002, caso.St, 0.5, 0.5, 1) * 1000, Q, 1e-6 * Q)
                << caso.projeto;
        }
        EXPECT_NEAR(Campo(r.saida, "Hr"), std::sqrt(1.2) * 100 * H + 10, 1e-9) << caso.projeto;  // CDu 1.2
    }
}

// "verificacao" follows the keys of the results, which keep their order.
TEST_F(ComandosProjeto, DimensionarTrazAVerificacaoHidraulica) {
    const std::string projeto = Copia("Inundacao2Trapezio.tvk");
    const ExecucaoCalc sem = Executar({"dimensionar", projeto, "--json"});
    ASSERT_EQ(sem.codigo, 0) << sem.erros;
    const std::size_t inicio = sem.saida.find(",\"CDu\":");
    ASSERT_NE(inicio, std::string::npos);
    const std::string verificacao = sem.saida.substr(sem.saida.find(",\"verificacao\":{\"A\":", inicio));
    for (const char* chave : {"P", "R", "T", "V", "Froude", "tau", "escavacao_m3_m", "escavacao_m3_ha",
                              "comprimento_m_ha", "area_ocupada_pct"})
        EXPECT_FALSE(std::isnan(Campo(verificacao, chave))) << chave;
    EXPECT_NEAR(Campo(verificacao, "V") * Campo(verificacao, "A"), Campo(sem.saida, "Q") / 1000, 1e-15);
    EXPECT_NEAR(Campo(verificacao, "comprimento_m_ha"), 10000 / Campo(sem.saida, "EH"), 1e-9);
    EXPECT_NE(verificacao.find("\"Vadm\":null,\"tau_adm\":null,"), std::string::npos) << verificacao;
    EXPECT_NE(verificacao.find("\"avisos\":[]"), std::string::npos);

    TArquivoIni ini(projeto);
    ini.EscreverTexto("Verificacao", "Versao", "1");
    ini.EscreverInteiro("Verificacao", "IndMaterial", -1);
    ini.EscreverTexto("Verificacao", "Vadm", "0.05");
    const ExecucaoCalc com = Executar({"dimensionar", projeto, "--json"});
    ASSERT_EQ(com.codigo, 0) << com.erros;
    EXPECT_EQ(Campo(com.saida, "Vadm"), 0.05);
    EXPECT_NE(com.saida.find("\"avisos\":[\"Risco de erosão: V = 0"), std::string::npos) << com.saida;
}

// The cause follows the words the calculator has always written: as "causa" beside "erro", or a second line.
TEST_F(ComandosProjeto, DimensionamentoQueFalhaSaiComCodigo2) {
    const std::pair<const char*, std::string> casos[] = {
        {"Falha2SemTempo.tvk", kCausaSemTempo},
        {"Falha3SemSecao.tvk", "Inclinação da parede do canal (Z) = 0: deve ser maior que zero."},
    };
    for (const auto& [projeto, causa] : casos) {
        const ExecucaoCalc json = Executar({"dimensionar", Dados(projeto), "--json"});
        EXPECT_EQ(json.codigo, 2) << projeto;
        EXPECT_EQ(json.saida, "{\"erro\":\"Erro no dimensinamento dos canais\",\"causa\":\"" + causa + "\"}\n")
            << projeto;
        const ExecucaoCalc texto = Executar({"dimensionar", Dados(projeto)});
        EXPECT_EQ(texto.codigo, 2) << projeto;
        EXPECT_EQ(texto.saida, "");
        EXPECT_EQ(texto.erros, std::string(kErroDimensionamento) + "\n" + causa + "\n") << projeto;
    }
}

// Every check of the desktop program's "Calcular" with its message and exit code 2; plausible but unusual
// values size, with their warnings.
TEST_F(ComandosProjeto, EntradasQueAJanelaRecusaSaemComCodigo2) {
    const struct {
        const char* linha;    // the line of Lavoura3.tvk
        const char* trocada;  // what the file holds instead
        std::string saida;    // of dimensionar --json
    } casos[] = {
        {"nc=0.03", "nc=0", "{\"erro\":\"Valor da rugosidade do canal inconsistente.\"}\n"},
        {"nt=0.1", "nt=-0.1", "{\"erro\":\"Valor da rugosidade do terreno inconsistente.\"}\n"},
        {"ValorSm=0.418", "ValorSm=-1", "{\"erro\":\"Valor da inclinação do murundum inconsistente.\"}\n"},
        {"Comprimento=300", "Comprimento=65000",
         "{\"erro\":\" O comprimento máximo permitido para o canal é de 1500 metros. \"}\n"},
        {"EH=20", "EH=30000", "{\"erro\":\" O espaçamento horizontal máximo permitido é de 1500 metros. \"}\n"},
        {"St=0.02", "St=0",
         "{\"erro\":\"Valor da declividade do terreno inconsistente.\",\"causa\":\"Declividade do terreno = 0: deve "
         "ser maior que zero.\"}\n"},
    };
    const std::string projeto = pasta / "entrada.tvk";
    for (const auto& caso : casos) {
        std::string conteudo = LerBytes(Dados("Lavoura3.tvk"));
        conteudo.replace(conteudo.find(std::string(caso.linha) + "\r"), std::string(caso.linha).size(), caso.trocada);
        GravarBytes(projeto, conteudo);
        const ExecucaoCalc json = Executar({"dimensionar", projeto, "--json"});
        EXPECT_EQ(json.codigo, 2) << caso.trocada;
        EXPECT_EQ(json.saida, caso.saida) << caso.trocada;
        for (const char* comando : {"relatorio", "simular"}) {
            std::vector<std::string> argumentos = {comando, projeto};
            if (std::string(comando) == "simular")
                argumentos.insert(argumentos.end(), {"--saida", "Q", "--entrada", "nt"});
            EXPECT_EQ(Executar(argumentos).codigo, 2) << comando << " " << caso.trocada;
        }
    }

    std::string conteudo = LerBytes(Dados("Lavoura3.tvk"));
    conteudo.replace(conteudo.find("nc=0.03\r"), 7, "nc=0.5");
    GravarBytes(projeto, conteudo);
    const ExecucaoCalc rugoso = Executar({"dimensionar", projeto, "--json"});
    EXPECT_EQ(rugoso.codigo, 0) << rugoso.saida;
    EXPECT_NE(rugoso.saida.find(
                  ",\"avisos\":[\"Rugosidade do canal = 0.5: fora da faixa usual, de 0.01 a 0.2.\"],\"verificacao\":{"),
              std::string::npos)
        << rugoso.saida;
    const ExecucaoCalc texto = Executar({"dimensionar", projeto});
    EXPECT_NE(texto.saida.find("\nAviso: Rugosidade do canal = 0.5: fora da faixa usual, de 0.01 a 0.2.\n"
                               "Verificação hidráulica\n"),
              std::string::npos)
        << texto.saida;
}

// Guards against a storm parameter edited negative in the file being sized without a word: the desktop
// program refuses it on "Calcular", and so does every subcommand.
TEST_F(ComandosProjeto, ChuvaNegativaNoArquivoSaiComCodigo2EAMensagemDoCampo) {
    const struct {
        const char* chave;
        const char* mensagem;
    } casos[] = {
        {"Tr", "O valor do tempo de retorno (Tr) deve ser maior que zero."},
        {"K", "O valor do parâmetro \"K\" deve ser maior que zero."},
        {"A", "O valor do parâmetro \"a\" deve ser maior que zero."},
        {"B", "O valor do parâmetro \"b\" deve ser maior que zero."},
        {"C", "O valor do parâmetro \"c\" deve ser maior que zero."},
    };
    const std::string projeto = Copia("Lavoura3.tvk");
    for (const auto& caso : casos) {
        std::filesystem::copy_file(Dados("Lavoura3.tvk"), projeto, std::filesystem::copy_options::overwrite_existing);
        TArquivoIni(projeto).EscreverReal("PREC_EXPONENCIAL_NEGATIVA", caso.chave, -0.5);
        const std::vector<std::vector<std::string>> chamadas = {
            {"dimensionar", projeto},
            {"hidrograma", projeto},
            {"simular", projeto, "--saida", "Q", "--entrada", "Comp"},
        };
        for (const auto& chamada : chamadas) {
            const ExecucaoCalc r = Executar(chamada);
            EXPECT_EQ(r.codigo, 2) << chamada[0] << " " << caso.chave;
            EXPECT_EQ(r.saida, "") << chamada[0] << " " << caso.chave;
            EXPECT_EQ(r.erros, std::string(caso.mensagem) + "\n") << chamada[0] << " " << caso.chave;
        }
        const ExecucaoCalc json = Executar({"dimensionar", projeto, "--json"});
        EXPECT_EQ(json.codigo, 2) << caso.chave;
        EXPECT_TRUE(json.saida.starts_with("{\"erro\":\"O valor d")) << json.saida;
    }
}

TEST_F(ComandosProjeto, ProjetoQueNaoAbreSaiComCodigo3) {
    for (const std::string& projeto : {Dados("CanalInexistente.tvk"), pasta / "falta.tvk"}) {
        for (const char* comando : {"dimensionar", "hidrograma"}) {
            const ExecucaoCalc r = Executar({comando, projeto});
            EXPECT_EQ(r.codigo, 3) << comando << " " << projeto;
            EXPECT_EQ(r.erros, "Não foi possível abrir o arquivo " + projeto + ".\n");
        }
        const ExecucaoCalc json = Executar({"simular", projeto, "--saida", "Q", "--entrada", "Comp", "--json"});
        EXPECT_EQ(json.codigo, 3);
        EXPECT_EQ(json.saida, "{\"erro\":\"Não foi possível abrir o arquivo " + projeto + ".\"}\n");
    }
}

TEST_F(ComandosProjeto, GravarPoeOsResultadosNoProjeto) {
    const std::string projeto = Copia("Encosta3Triangular.tvk");
    const std::string identificacaoAntes = TArquivoIni(projeto).LerTexto("IDENTIFICACAO", "Nome", "-");
    const ExecucaoCalc r = Executar({"dimensionar", projeto, "--json", "--gravar"});
    ASSERT_EQ(r.codigo, 0) << r.erros;
    const TArquivoIni ini(projeto);  // reals are stored with 15 significant digits
    for (const auto& [secao, chave] : {std::pair{"Canal", "H"}, std::pair{"Canal", "Hr"}, std::pair{"CanalGradiente", "Q"}}) {
        const double valor = Campo(r.saida, chave);
        EXPECT_NEAR(ini.LerReal(secao, chave, -1), valor, 1e-14 * valor) << chave;
    }
    EXPECT_EQ(ini.LerTexto("IDENTIFICACAO", "Nome", "-"), identificacaoAntes);

    const std::string antes = LerBytes(projeto);
    std::filesystem::permissions(projeto, std::filesystem::perms::owner_read);
    const ExecucaoCalc somenteLeitura = Executar({"dimensionar", projeto, "--gravar"});
    EXPECT_EQ(somenteLeitura.codigo, 3);
    EXPECT_NE(somenteLeitura.erros.find("somente leitura"), std::string::npos) << somenteLeitura.erros;
    EXPECT_EQ(LerBytes(projeto), antes);
}

TEST_F(ComandosProjeto, ArgumentosInvalidosSaemComCodigo1EOUso) {
    const std::string projeto = Dados("Encosta3Triangular.tvk");
    const std::vector<std::vector<std::string>> casos = {
        {"dimensionar"},
        {"dimensionar", projeto, "--xml"},
        {"dimensionar", projeto, projeto},
        {"hidrograma", projeto, "--json", "--csv"},
        {"simular", projeto, "--saida", "Q"},
        {"simular", projeto, "--saida", "V", "--entrada", "Comp"},
        {"simular", projeto, "--saida", "Q", "--entrada", "Largura"},
        {"simular", projeto, "--saida", "Q", "--entrada"},
    };
    for (const std::vector<std::string>& argumentos : casos) {
        const ExecucaoCalc r = Executar(argumentos);
        EXPECT_EQ(r.codigo, 1) << argumentos.back();
        EXPECT_NE(r.erros.find("Uso: talvek-calc " + argumentos[0] + " PROJETO.tvk"), std::string::npos) << r.erros;
    }
    for (const char* comando : {"dimensionar", "hidrograma", "simular"}) {
        const ExecucaoCalc ajuda = Executar({comando, "--help"});
        EXPECT_EQ(ajuda.codigo, 0);
        EXPECT_EQ(ajuda.saida.rfind(std::string("Uso: talvek-calc ") + comando + " PROJETO.tvk", 0), 0u) << ajuda.saida;
    }
}

TEST_F(ComandosProjeto, HidrogramaDaEncostaDoExemplo) {
    // The worked 20 m hillslope: starts at (0.38686 min, 0), peaks at ≈ 0.66123 L/s per metre at ≈ 6.3869 min.
    const ExecucaoCalc json = Executar({"hidrograma", Dados("Encosta3Triangular.tvk"), "--json"});
    ASSERT_EQ(json.codigo, 0) << json.erros;
    ASSERT_EQ(json.saida.rfind("{\"pontos\":[[", 0), 0u);
    const std::vector<double> n = Numeros(json.saida);
    ASSERT_EQ(n.size() % 2, 0u);
    const std::size_t pontos = n.size() / 2;
    EXPECT_GT(pontos, 200u);
    EXPECT_LT(pontos, 240u);
    EXPECT_NEAR(n[0], 0.38686, 5e-6);
    EXPECT_EQ(n[1], 0);
    std::size_t pico = 0;
    for (std::size_t i = 0; i < pontos; ++i)
        if (n[2 * i + 1] > n[2 * pico + 1]) pico = i;
    EXPECT_NEAR(n[2 * pico], 6.3869, 5e-5);
    EXPECT_NEAR(n[2 * pico + 1], 0.66123, 5e-6);

    const ExecucaoCalc csv = Executar({"hidrograma", Dados("Encosta3Triangular.tvk"), "--csv"});
    EXPECT_EQ(csv.saida.rfind("t,q\n", 0), 0u);
    EXPECT_EQ(std::count(csv.saida.begin(), csv.saida.end(), '\n'), static_cast<long>(pontos) + 1);
    const ExecucaoCalc texto = Executar({"hidrograma", Dados("Encosta3Triangular.tvk")});
    EXPECT_EQ(texto.saida.rfind("t (min)\tq (L/s/m)\n", 0), 0u);
    EXPECT_EQ(std::count(texto.saida.begin(), texto.saida.end(), '\n'), static_cast<long>(pontos) + 1);

    const ExecucaoCalc seco = Executar({"hidrograma", Dados("SemEscoamento3.tvk"), "--json"});
    EXPECT_EQ(seco.codigo, 0);
    EXPECT_EQ(seco.saida, "{\"pontos\":[]}\n");
}

TEST_F(ComandosProjeto, SimularComprimentoReproduzODimensionamento) {
    const std::string projeto = Dados("Encosta3Trapezio.tvk");
    const ExecucaoCalc json = Executar({"simular", projeto, "--saida", "Q", "--entrada", "Comp", "--json"});
    ASSERT_EQ(json.codigo, 0) << json.erros;
    EXPECT_EQ(json.saida.rfind("{\"linhas\":[{\"x\":50,\"Q\":", 0), 0u) << json.saida;
    EXPECT_EQ(json.saida.find("erro"), std::string::npos);
    const std::vector<double> n = Numeros(json.saida);
    ASSERT_EQ(n.size(), 21u * 4);
    EXPECT_EQ(n[4 * 20], 1050);
    // Row 1 is the project's own length, 100 m: the series gives the design's flow and height.
    const ExecucaoCalc projetado = Executar({"dimensionar", projeto, "--json"});
    EXPECT_EQ(n[4], 100);
    EXPECT_NEAR(n[5], Campo(projetado.saida, "Q"), 1e-9 * n[5]);
    EXPECT_NEAR(n[6], 100 * Campo(projetado.saida, "H"), 1e-9 * n[6]);
    EXPECT_NEAR(n[7], Campo(projetado.saida, "Hr"), 1e-9 * n[7]);

    const ExecucaoCalc texto = Executar({"simular", projeto, "--saida", "Hr", "--entrada", "nc"});
    ASSERT_EQ(texto.codigo, 0);
    EXPECT_EQ(texto.saida.rfind("Rugosidade do canal (10E-2)\tAltura recomendada (cm)\n1.0\t", 0), 0u) << texto.saida;
    EXPECT_EQ(std::count(texto.saida.begin(), texto.saida.end(), '\n'), 22);
    const ExecucaoCalc csv = Executar({"simular", projeto, "--saida", "H", "--entrada", "VIB", "--csv"});
    EXPECT_EQ(csv.saida.rfind("x,Q,H,Hr\n5,", 0), 0u) << csv.saida;
    // The rows, each with its own hillslope, are the same to the last digit on one thread or on eight.
    for (const char* threads : {"1", "8"})
        EXPECT_EQ(Executar({"simular", projeto, "--saida", "H", "--entrada", "VIB", "--csv", "--threads", threads}).saida,
                  csv.saida)
            << threads;
}

TEST_F(ComandosProjeto, SimularQueFalhaOuForaDoSistemaSaiComCodigo2) {
    const ExecucaoCalc falha =
        Executar({"simular", Dados("Falha3SemSecao.tvk"), "--saida", "Q", "--entrada", "St", "--json"});
    EXPECT_EQ(falha.codigo, 2);
    const std::string causa = "Inclinação da parede do canal (Z) = 0: deve ser maior que zero.";
    EXPECT_EQ(falha.saida,
              "{\"linhas\":[],\"erro\":\"Erro no dimensinamento dos canais\",\"causa\":\"" + causa + "\"}\n");
    const ExecucaoCalc texto = Executar({"simular", Dados("Falha3SemSecao.tvk"), "--saida", "Q", "--entrada", "St"});
    EXPECT_EQ(texto.codigo, 2);
    EXPECT_EQ(texto.erros, std::string(kErroDimensionamento) + "\n" + causa + "\n");

    const ExecucaoCalc tipo2 = Executar({"simular", Dados("Inundacao2Trapezio.tvk"), "--saida", "Q", "--entrada", "Comp"});
    EXPECT_EQ(tipo2.codigo, 2);
    EXPECT_NE(tipo2.erros.find("sem Inundação Parcial"), std::string::npos) << tipo2.erros;
}

// The report is that of a fresh sizing (not of the results stored in the file), with the user's texts
// escaped; --saida writes the same text with the byte-order mark browsers need for UTF-8.
TEST_F(ComandosProjeto, RelatorioDoProjetoDimensionado) {
    const std::string projeto = Copia("Lavoura3.tvk");
    TArquivoIni(projeto).EscreverTexto("IDENTIFICACAO", "Nome", "Lavoura <3> & Cia");
    const std::string antes = LerBytes(projeto);
    const ExecucaoCalc r = Executar({"relatorio", projeto});
    ASSERT_EQ(r.codigo, 0) << r.erros;
    EXPECT_EQ(r.erros, "");
    EXPECT_TRUE(r.saida.starts_with("<HTML>"));
    EXPECT_TRUE(r.saida.ends_with("</BODY></HTML>\n"));
    EXPECT_NE(r.saida.find("<TITLE>Dimensionamento de Sistemas de Drenagem sem Inundação Parcial</TITLE>"),
              std::string::npos);
    EXPECT_NE(r.saida.find("<B>Vazão: </B>122.2 L/s"), std::string::npos) << "Q of the sizing, not the file's 45.6";
    EXPECT_NE(r.saida.find("<B>Altura recomendada: </B>23.7 cm"), std::string::npos);
    EXPECT_NE(r.saida.find("Lavoura &lt;3&gt; &amp; Cia"), std::string::npos);
    EXPECT_NE(r.saida.find("Talvek2/Cabecalho.jpg"), std::string::npos) << "the header picture of the program";
    EXPECT_EQ(LerBytes(projeto), antes) << "the report writes nothing into the project";

    const std::string arquivo = pasta / "relatorio.html";
    ASSERT_EQ(Executar({"relatorio", projeto, "--saida", arquivo}).codigo, 0);
    EXPECT_EQ(LerBytes(arquivo), "\xEF\xBB\xBF" + r.saida);
}

TEST_F(ComandosProjeto, RelatorioQueNaoPodeSerFeito) {
    const struct {
        std::vector<std::string> argumentos;
        int codigo;
        std::string erros;
    } casos[] = {
        {{"relatorio", Dados("Falha2SemTempo.tvk")},
         2,
         std::string(kErroDimensionamento) + "\n" + kCausaSemTempo + "\n"},
        {{"relatorio", Dados("CanalInexistente.tvk")}, 3,
         "Não foi possível abrir o arquivo " + Dados("CanalInexistente.tvk") + ".\n"},
        {{"relatorio", Dados("Lavoura3.tvk"), "--saida", "/pasta-que-nao-existe/r.html"}, 3,
         "Erro ao gravar o arquivo /pasta-que-nao-existe/r.html: a pasta não existe.\n"},
        {{"relatorio"}, 1,
         "talvek-calc relatorio: falta o arquivo do projeto\nUso: talvek-calc relatorio PROJETO.tvk "
         "[--saida RELATORIO.html]\n"},
    };
    for (const auto& caso : casos) {
        const ExecucaoCalc r = Executar(caso.argumentos);
        EXPECT_EQ(r.codigo, caso.codigo) << caso.argumentos.back();
        EXPECT_EQ(r.saida, "") << caso.argumentos.back();
        EXPECT_EQ(r.erros, caso.erros) << caso.argumentos.back();
    }
}

// Twenty runs at once of the subcommands that only read, on a project of the earlier layout. Regression:
// each run converted the file on disk key by key, and together they lost Tr and K from it.
TEST_F(ComandosProjeto, VinteLeiturasAoMesmoTempoNaoTocamNoProjetoDoLeiauteAnterior) {
    const std::string projeto = Copia("Inundacao2LeiauteAnterior.tvk");
    const std::string antes = LerBytes(projeto);
    std::vector<ExecucaoIniciada> iniciadas;
    for (int i = 0; i < 20; ++i)
        iniciadas.push_back(IniciarCalc({i % 2 ? "hidrograma" : "dimensionar", projeto, "--json"},
                                        pasta / ("erros" + std::to_string(i) + ".txt")));
    std::vector<ExecucaoCalc> execucoes;
    for (const ExecucaoIniciada& iniciada : iniciadas) execucoes.push_back(TerminarCalc(iniciada));
    EXPECT_EQ(LerBytes(projeto), antes) << "a subcommand that only reads writes nothing";
    for (std::size_t i = 0; i < execucoes.size(); ++i) {
        EXPECT_EQ(execucoes[i].codigo, 0) << execucoes[i].erros;
        EXPECT_EQ(execucoes[i].saida, execucoes[i % 2].saida) << "every run reads the same project";
    }
    EXPECT_NEAR(Campo(execucoes[0].saida, "Q"), 0.73643, 5e-6) << "the storm of the earlier layout is read";
}

// Twenty `dimensionar --gravar` at once on a project of the earlier layout: each holds the file's lock from
// its read to its one replacement of the file, which ends as one run's result. Regression: 2 to 5 rounds in
// 30 left keys of two runs mixed.
TEST_F(ComandosProjeto, VinteGravacoesAoMesmoTempoTerminamNoResultadoDeUma) {
    const std::string projeto = Copia("Inundacao2LeiauteAnterior.tvk");
    const std::string sozinho = pasta / "sozinho.tvk";
    std::filesystem::copy_file(projeto, sozinho);
    ASSERT_EQ(Executar({"dimensionar", sozinho, "--gravar"}).codigo, 0);
    std::vector<ExecucaoIniciada> iniciadas;
    for (int i = 0; i < 20; ++i)
        iniciadas.push_back(IniciarCalc({"dimensionar", projeto, "--gravar"}, pasta / ("erros" + std::to_string(i))));
    for (const ExecucaoIniciada& iniciada : iniciadas) {
        const ExecucaoCalc r = TerminarCalc(iniciada);
        EXPECT_EQ(r.codigo, 0) << r.erros;
    }
    EXPECT_EQ(LerBytes(projeto), LerBytes(sozinho));
    const ExecucaoCalc relido = Executar({"dimensionar", projeto, "--json"});
    EXPECT_EQ(relido.codigo, 0) << "the file parses";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.Caminho()), std::filesystem::directory_iterator()),
              2 + 20 + 1) << "the two projects, the error files; no temporary or lock file";
}

// The disk fills at every byte between the old file's size and the new one's while `--gravar` saves the
// results and the conversion of the earlier layout: the file is always the old one or the new one.
TEST_F(ComandosProjeto, DiscoCheioEmQualquerByteDoGravarDeixaOProjetoAntigoOuONovo) {
    const std::string projeto = Copia("Inundacao2LeiauteAnterior.tvk");
    const std::string antigo = LerBytes(projeto);
    ASSERT_EQ(Executar({"dimensionar", projeto, "--gravar"}).codigo, 0);
    const std::string novo = LerBytes(projeto);
    ASSERT_GT(novo.size(), antigo.size());
    for (std::size_t limite = antigo.size(); limite <= novo.size(); ++limite) {
        GravarBytes(projeto, antigo);
        const ExecucaoCalc r = ExecutarCalcComDiscoCheio({"dimensionar", projeto, "--gravar"}, limite);
        if (limite == novo.size()) {
            EXPECT_EQ(r.codigo, 0) << r.erros;
            EXPECT_EQ(LerBytes(projeto), novo);
        } else {
            EXPECT_EQ(r.codigo, 3) << limite;
            EXPECT_EQ(r.erros, "Erro ao gravar o arquivo " + projeto + ": o arquivo excede o tamanho permitido.\n");
            EXPECT_EQ(LerBytes(projeto), antigo) << limite << " bytes";
        }
    }
}

// An existing FIFO or device given to --saida is written into, never replaced by a regular file (as root,
// --saida /dev/null replaced the system's /dev/null).
TEST_F(ComandosProjeto, RelatorioNumFifoOuDispositivoEscreveNeleSemSubstituir) {
    namespace fs = std::filesystem;
    const std::string projeto = Dados("Lavoura3.tvk");
    const std::string relatorio = "\xEF\xBB\xBF" + Executar({"relatorio", projeto}).saida;
    const std::string fifo = pasta / "fifo.html";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const int leitor = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leitor, 0);
    const ExecucaoCalc r = Executar({"relatorio", projeto, "--saida", fifo});
    EXPECT_EQ(r.codigo, 0) << r.erros;
    std::string lido(relatorio.size() + 1, '\0');
    lido.resize(std::max<ssize_t>(0, ::read(leitor, lido.data(), lido.size())));
    ::close(leitor);
    EXPECT_EQ(lido, relatorio);
    EXPECT_TRUE(fs::is_fifo(fifo));

    const ExecucaoCalc semLeitor = Executar({"relatorio", projeto, "--saida", fifo});
    EXPECT_EQ(semLeitor.codigo, 3);
    EXPECT_EQ(semLeitor.erros, "Erro ao gravar o arquivo " + fifo + ": nenhum programa está lendo o FIFO.\n");
    EXPECT_TRUE(fs::is_fifo(fifo));

    if (::geteuid() != 0) GTEST_SKIP() << "only root makes a device node";
    const std::string nulo = pasta / "nulo";
    ASSERT_EQ(::mknod(nulo.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);  // the null device
    EXPECT_EQ(Executar({"relatorio", projeto, "--saida", nulo}).codigo, 0);
    EXPECT_TRUE(fs::is_character_file(nulo));
}

// Exit codes as README promises them; with --json, the failure on standard error as well; JSON always
// UTF-8; a field of the input quoted by its first 80 characters.
TEST_F(ComandosProjeto, CodigosDeSaidaEMensagensComoOReadmePromete) {
    const std::string semUtf8 = pasta / "proj\xFF\xFE.tvk";
    const std::string opcaoLonga = "--" + std::string(100'000, 'x');
    const struct {
        std::vector<std::string> argumentos;
        int codigo;
        std::string saida;
        std::string erros;  // the start of standard error
    } casos[] = {
        {{}, 1, "", "talvek-calc — calculadora em lote do Talvek 2.0\n\nUso: talvek-calc <comando> [opções]\n"},
        {{"calcular"}, 1, "", "talvek-calc: comando desconhecido: calcular\n"},
        {{"dimensionar", Dados("Falha2SemTempo.tvk"), "--json"}, 2,
         "{\"erro\":\"Erro no dimensinamento dos canais\",\"causa\":\"" + kCausaSemTempo + "\"}\n",
         std::string(kErroDimensionamento) + "\n" + kCausaSemTempo + "\n"},
        {{"dimensionar", semUtf8, "--json"}, 3,
         "{\"erro\":\"Não foi possível abrir o arquivo " + pasta / "proj\xEF\xBF\xBD\xEF\xBF\xBD.tvk" + ".\"}\n",
         "Não foi possível abrir o arquivo " + semUtf8 + ".\n"},
        {{"dimensionar", Dados("Lavoura3.tvk"), opcaoLonga}, 1, "",
         "talvek-calc dimensionar: opção desconhecida: --" + std::string(78, 'x') + "…\nUso: "},
        {{"dimensionar", Dados("Lavoura3.tvk"), "--threads", "0"}, 1, "",
         "talvek-calc dimensionar: --threads deve ser um número inteiro de 1 a 256: 0\nUso: "},
        {{"simular", Dados("Lavoura3.tvk"), "--threads"}, 1, "", "talvek-calc simular: falta o valor de --threads\n"},
    };
    for (const auto& caso : casos) {
        const ExecucaoCalc r = Executar(caso.argumentos);
        const std::string nome = caso.argumentos.empty() ? "(nada)" : caso.argumentos[0];
        EXPECT_EQ(r.codigo, caso.codigo) << nome;
        EXPECT_EQ(r.saida, caso.saida) << nome;
        EXPECT_TRUE(r.erros.starts_with(caso.erros)) << nome << ": " << r.erros.substr(0, 300);
        EXPECT_TRUE(EUtf8Valido(r.saida)) << nome;
        EXPECT_LT(r.erros.size(), 2000u) << nome;
    }
}
