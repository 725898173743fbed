// End-to-end runs of talvek-calc banco and idf.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "PastaTemporaria.h"
#include "rainfall/UnBD.h"

using talvek::teste::PastaTemporaria;

namespace {

struct Execucao {
    int codigo = -1;
    std::string saida;  // standard output and error together
};

std::string EntreAspas(const std::string& texto) {
    std::string resultado = "'";
    for (const char c : texto) resultado += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return resultado + "'";
}

Execucao Executar(const std::vector<std::string>& argumentos) {
    std::string comando = EntreAspas(TALVEK_CALC);
    for (const std::string& a : argumentos) comando += " " + EntreAspas(a);
    comando += " 2>&1";
    Execucao e;
    FILE* processo = popen(comando.c_str(), "r");
    if (!processo) return e;
    char bloco[4096];
    for (std::size_t n; (n = std::fread(bloco, 1, sizeof bloco, processo)) > 0;) e.saida.append(bloco, n);
    const int estado = pclose(processo);
    e.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
    return e;
}

double CampoNumerico(const std::string& json, const std::string& campo) {
    const std::size_t p = json.find("\"" + campo + "\":");
    return p == std::string::npos ? -1 : std::strtod(json.c_str() + p + campo.size() + 3, nullptr);
}

class ComandosBanco : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(pasta / "estacoes.csv") << "Estado;Nome;Latitude;Longitude;K;a;b;c;Autor\n"
                                                         "MG;Perto;-21;-45;1000;0.1;10;0.7;ANA\n"
                                                         "GO;Longe;-20;-47;2000;0.4;40;1;GRIDF-BR\n";
        std::ofstream(pasta / "localidades.csv") << "Estado;Nome;Latitude;Longitude\nMG;Lavras;-21.24;-45\n";
    }
    Execucao Banco() {
        return Executar({"banco", "--estacoes", pasta / "estacoes.csv", "--localidades",
                         pasta / "localidades.csv", "--saida", pasta / "dados"});
    }
    PastaTemporaria pasta;
};

TEST_F(ComandosBanco, BancoConstruidoRespondeAoIdf) {
    const Execucao banco = Banco();
    ASSERT_EQ(banco.codigo, 0) << banco.saida;
    EXPECT_NE(banco.saida.find("MG             1            1"), std::string::npos) << banco.saida;

    const Execucao exata = Executar({"idf", "--lat", "21°00'00\"", "--lon", "45°00'00\"", "--json", "--dados",
                                     pasta / "dados"});
    EXPECT_EQ(exata.codigo, 0);
    EXPECT_EQ(exata.saida, "{\"Nome\":\"Perto\",\"K\":1000,\"a\":0.1,\"b\":10,\"c\":0.7,\"Autor\":\"ANA\","
                           "\"Latitude\":\"21°00'00\\\"\",\"Longitude\":\"45°00'00\\\"\"}\n");

    // Distances 1° and 2°: weights 1 and 1/32.
    const Execucao interpolada =
        Executar({"idf", "--lat", "-20", "--lon", "-45", "--json", "--dados", pasta / "dados"});
    EXPECT_EQ(interpolada.codigo, 0);
    EXPECT_NEAR(CampoNumerico(interpolada.saida, "K"), (32 * 1000.0 + 2000) / 33, 1e-9) << interpolada.saida;
    EXPECT_NEAR(CampoNumerico(interpolada.saida, "b"), (32 * 10.0 + 40) / 33, 1e-12);
    EXPECT_NE(interpolada.saida.find("\"Autor\":\"Interpolação\",\"Latitude\":\"20°00'00\\\"\""), std::string::npos);
}

// --detalhes lists every station of the set with its share of the weights 1 and 1/32 and its distance
// (1° of latitude, 111.2 km), and warns that the nearest one is far.
TEST_F(ComandosBanco, DetalhesDaInterpolacao) {
    ASSERT_EQ(Banco().codigo, 0);
    const Execucao e =
        Executar({"idf", "--lat", "-20", "--lon", "-45", "--json", "--detalhes", "--dados", pasta / "dados"});
    EXPECT_EQ(e.codigo, 0) << e.saida;
    const std::size_t perto = e.saida.find("{\"Nome\":\"Perto\",\"Estado\":\"MG\",\"Latitude\":\"21°00'00\\\"\"");
    const std::size_t longe = e.saida.find("{\"Nome\":\"Longe\",\"Estado\":\"GO\"");
    ASSERT_NE(perto, std::string::npos) << e.saida;
    ASSERT_NE(longe, std::string::npos) << e.saida;
    EXPECT_LT(perto, longe);
    EXPECT_NEAR(CampoNumerico(e.saida.substr(perto), "Peso"), 32.0 / 33, 1e-15);
    EXPECT_NEAR(CampoNumerico(e.saida.substr(longe), "Peso"), 1.0 / 33, 1e-15);
    EXPECT_NEAR(CampoNumerico(e.saida.substr(perto), "DistanciaKm"), 111.19, 0.01);
    EXPECT_NE(e.saida.find(",\"avisos\":[\"A estação mais próxima (Perto) está a 111 km: a equação interpolada "
                           "pode não representar o local.\""),
              std::string::npos)
        << e.saida;
    const Execucao texto = Executar({"idf", "--lat", "-20", "--lon", "-45", "--dados", pasta / "dados"});
    EXPECT_NE(texto.saida.find("\nAviso: A estação mais próxima (Perto) está a 111 km"), std::string::npos)
        << texto.saida;
}

// Typed parameters: the worked storm K 1000, a 0.2, b 10, c 0.8 gives 144.270 mm/h in 10 min at Tr 10 years
// and 52.957 mm in 60 min.
TEST(ComandosIdf, TabelaDeParametrosDigitados) {
    const Execucao e = Executar({"idf", "--K", "1000", "--a", "0.2", "--b", "10", "--c", "0.8", "--tabela", "--json"});
    EXPECT_EQ(e.codigo, 0) << e.saida;
    const std::string inicio = "{\"K\":1000,\"a\":0.2,\"b\":10,\"c\":0.8,\"tabela\":{\"duracoes_min\":"
                               "[5,10,15,30,60,120,360,720,1440],\"Tr\":[2,5,10,25,50,100],\"intensidades_mm_h\":[[";
    ASSERT_EQ(e.saida.rfind(inicio, 0), 0u) << e.saida;
    // The third row (Tr 10), second column (10 min), of each matrix.
    const auto valor = [&](const std::string& matriz, int coluna) {
        std::size_t p = e.saida.find("\"" + matriz + "\":[[");
        for (int linha = 0; linha < 2; ++linha) p = e.saida.find('[', p + 3);
        p = e.saida.find('[', p + 1);
        for (int c = 0; c < coluna; ++c) p = e.saida.find(',', p + 1);
        return std::strtod(e.saida.c_str() + p + 1, nullptr);
    };
    EXPECT_NEAR(valor("intensidades_mm_h", 1), 144.270, 5e-4);
    EXPECT_NEAR(valor("laminas_mm", 4), 52.957, 5e-4);
}

TEST_F(ComandosBanco, TabelaComDefeitoNaoGravaNada) {
    std::ofstream(pasta / "localidades.csv") << "Estado;Nome;Latitude;Longitude\nMG;Lavras;21.24;-45\n";
    const Execucao banco = Banco();
    EXPECT_EQ(banco.codigo, 1);
    EXPECT_NE(banco.saida.find("localidades.csv, linha 2: latitude 21.24 fora do alcance"), std::string::npos)
        << banco.saida;
    EXPECT_FALSE(std::filesystem::exists(pasta / "dados"));
}

// A database that is missing, damaged or cannot be written is a file problem: exit code 3.
TEST_F(ComandosBanco, BancoQueNaoAbreOuNaoPodeSerGravadoSaiComCodigo3) {
    ASSERT_EQ(Banco().codigo, 0);
    const std::string estacoes = pasta / "dados/Estados_Nim21.bin";
    std::filesystem::resize_file(estacoes, 100);
    const Execucao corrompido = Executar({"idf", "--lat", "-20", "--lon", "-45", "--json", "--dados", pasta / "dados"});
    EXPECT_EQ(corrompido.codigo, 3);
    EXPECT_NE(corrompido.saida.find("{\"erro\":\"O arquivo " + estacoes + " está incompleto ou corrompido.\"}\n"),
              std::string::npos) << corrompido.saida;
    EXPECT_NE(corrompido.saida.find("talvek-calc: O arquivo " + estacoes + " está incompleto"), std::string::npos)
        << "the message on standard error as well";

    std::filesystem::permissions(estacoes, std::filesystem::perms::owner_read);
    const Execucao protegido = Banco();
    EXPECT_EQ(protegido.codigo, 3);
    EXPECT_NE(protegido.saida.find("Erro ao gravar o arquivo " + estacoes + ": o arquivo é somente leitura."),
              std::string::npos) << protegido.saida;
    EXPECT_EQ(std::filesystem::file_size(estacoes), 100u);
}

// Regression: a table of its header alone exited 0 and wrote an empty stations file over the real one.
TEST_F(ComandosBanco, TabelaSoComOCabecalhoNaoEsvaziaOBanco) {
    ASSERT_EQ(Banco().codigo, 0);
    const std::string antes = talvek::teste::LerBytes(pasta / "dados/Estados_Nim21.bin");
    std::ofstream(pasta / "vazia.csv") << "Estado;Nome;Latitude;Longitude;K;a;b;c;Autor\n";
    const Execucao e = Executar({"banco", "--estacoes", pasta / "vazia.csv", "--saida", pasta / "dados"});
    EXPECT_EQ(e.codigo, 1);
    EXPECT_NE(e.saida.find("vazia.csv: a tabela não tem nenhuma linha de dados, só o cabeçalho."), std::string::npos)
        << e.saida;
    EXPECT_EQ(talvek::teste::LerBytes(pasta / "dados/Estados_Nim21.bin"), antes);
}

TEST(ComandosIdf, ArgumentosErradosOuCoordenadaForaDoAlcance) {
    struct Caso {
        std::vector<std::string> argumentos;
        int codigo;
        const char* mensagem;
    };
    const Caso casos[] = {
        {{"idf", "--lat", "-20"}, 1, "faltam --lat e --lon"},
        {{"idf", "--lat", "-20", "--lon", "-45", "--cor", "azul"}, 1, "opção desconhecida: --cor"},
        {{"idf", "--lat", "2.8", "--lon", "-60.7"}, 1, "Latitude 2.8 fora do alcance"},
        {{"idf", "--lat", "22°54'", "--lon", "43°12'00\""}, 1, "não está na forma"},
        {{"idf", "--lat", "-20", "--lon", "-45", "--dados", "/pasta/que/nao/existe"}, 3,
         "O arquivo /pasta/que/nao/existe/Estados_Nim21.bin não existe."},
        {{"banco", "--estacoes", "x.csv"}, 1, "falta --saida"},
        {{"idf", "--K", "1000", "--a", "0.2", "--b", "10", "--c", "0.8"}, 1, "só servem com --tabela"},
        {{"idf", "--K", "1000", "--a", "0.2", "--tabela"}, 1, "faltam --K, --a, --b e --c"},
        {{"idf", "--K", "1000", "--a", "0.2", "--b", "10", "--c", "0.8", "--tabela", "--lat", "-20"}, 1,
         "não se combinam"},
        {{"idf", "--K", "1000", "--a", "-0.2", "--b", "10", "--c", "0.8", "--tabela"}, 1,
         "O valor do parâmetro \"a\" deve ser maior que zero."},
        {{"idf", "--K", "x", "--a", "0.2", "--b", "10", "--c", "0.8", "--tabela"}, 1, "K \"x\" não é um número."},
        {{"idf", "--K", "0", "--a", "0.2", "--b", "10", "--c", "0.8", "--tabela"}, 1,
         "O valor do parâmetro \"K\" deve ser maior que zero."},
    };
    for (const Caso& caso : casos) {
        const Execucao e = Executar(caso.argumentos);
        EXPECT_EQ(e.codigo, caso.codigo) << e.saida;
        EXPECT_NE(e.saida.find(caso.mensagem), std::string::npos) << e.saida;
    }
}

// The shipped database, from the data folder beside talvek-calc in the build tree.
TEST(ComandosIdf, CidadesReaisNoBancoDistribuido) {
    talvek::TBDPrecipitacao banco(TALVEK_ARQUIVOS_COMUNS);
    banco.LerEstacoes();
    const talvek::TEstacao& estacao = banco.Estacoes(12).at(0);
    const Execucao exata = Executar({"idf", "--lat", estacao.Latitude, "--lon", estacao.Longitude, "--json"});
    EXPECT_EQ(exata.codigo, 0) << exata.saida;
    EXPECT_NE(exata.saida.find("{\"Nome\":\"" + estacao.Nome + "\""), std::string::npos) << exata.saida;

    for (const auto& [latitude, longitude] : {std::pair{"-27.5954", "-48.548"}, {"-10.18", "-48.33"}}) {
        const Execucao e = Executar({"idf", "--lat", latitude, "--lon", longitude, "--json"});
        EXPECT_EQ(e.codigo, 0) << e.saida;
        EXPECT_NE(e.saida.find("\"Autor\":\"Interpolação\""), std::string::npos) << e.saida;
        EXPECT_GT(CampoNumerico(e.saida, "K"), 0) << e.saida;
    }
}

}  // namespace
