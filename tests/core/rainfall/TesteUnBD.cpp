#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "PastaTemporaria.h"
#include "platform/Regional.h"
#include "rainfall/ImportacaoBD.h"
#include "rainfall/UnBD.h"

using namespace talvek;
using talvek::teste::PastaTemporaria;

namespace {

constexpr int kBahia = 4, kGoias = 8, kMinas = 12, kSantaCatarina = 23, kTocantins = 26;

TEstacao Estacao(const std::string& nome, const std::string& latitude, const std::string& longitude, double k,
                 double a, double b, double c, const std::string& autor = "ANA") {
    return {nome, k, a, b, c, autor, latitude, longitude};
}

// A database of small groups written by the builder into a temporary folder.
class BancoDeTeste : public ::testing::Test {
protected:
    void GravarEstacoesDe(const TGruposEstacoes& grupos) {
        GravarEstacoes(pasta / formato_bd::kArquivoEstacoes, grupos);
    }
    void GravarLocalidadesDe(const TGruposLocalidades& grupos) {
        GravarLocalidades(pasta / formato_bd::kArquivoLocalidades, grupos);
    }
    TBDPrecipitacao BancoComEstacoes(const TGruposEstacoes& grupos) {
        GravarEstacoesDe(grupos);
        TBDPrecipitacao banco(pasta.ComoPasta());
        banco.LerEstacoes();
        return banco;
    }

    PastaTemporaria pasta;
};

TEST_F(BancoDeTeste, EstacoesVoltamComoGravadasIncluindoGruposVazios) {
    TGruposEstacoes grupos;
    grupos[0] = {Estacao("Rio Branco", "09°58'00\"", "67°48'00\"", 1000, 0.1, 10, 0.8, "GRIDF-BR")};
    grupos[kMinas] = {Estacao("Araçuaí", "16°52'00\"", "42°04'00\"", 3450, 0.225, 58.409, 0.947),
                      Estacao("Belo Horizonte", "19°55'00\"", "43°56'00\"", 1447.87, 0.1, 20, 0.84)};
    grupos[kTocantins] = {Estacao(std::string(68, 'x'), "10°10'00\"", "48°20'00\"", 1, 0, 0, 0, std::string(30, 'k'))};
    const TBDPrecipitacao banco = BancoComEstacoes(grupos);
    for (int estado = 0; estado < kNumeroEstados; ++estado) EXPECT_EQ(banco.Estacoes(estado), grupos[estado]) << estado;
}

TEST_F(BancoDeTeste, LocalidadesDoPrimeiroDoUltimoEDeUmEstadoSemRegistros) {
    TGruposLocalidades grupos;
    grupos[0] = {{"Brasiléia", "11°00'00\"", "68°44'00\""}, {"Xapuri", "10°39'00\"", "68°30'00\""}};
    grupos[kMinas] = {{"Uberaba", "19°44'00\"", "47°55'00\""}};
    grupos[kTocantins] = {{"Palmas", "10°10'00\"", "48°20'00\""}};
    GravarLocalidadesDe(grupos);
    TBDPrecipitacao banco(pasta.ComoPasta());
    for (int estado : {0, kMinas, kTocantins, kBahia}) {
        banco.LerLocalidades(estado);
        EXPECT_EQ(banco.Localidades(), grupos[estado]) << estado;
    }
}

TEST_F(BancoDeTeste, ArquivoAusenteDaNomeAoCaminhoComoConstruido) {
    const std::string pastaDados = PastaDadosCompartilhada(pasta / "Talvek2/Talvek2");
    EXPECT_EQ(pastaDados, pasta.Caminho().generic_string() + "/Talvek2/../Arquivos Comuns/");
    TBDPrecipitacao banco(pastaDados);
    try {
        banco.LerEstacoes();
        FAIL();
    } catch (const EArquivoNaoExiste& e) {
        EXPECT_STREQ(e.what(), ("O arquivo " + pastaDados + "Estados_Nim21.bin não existe.").c_str());
    }
    EXPECT_THROW(banco.LerLocalidades(0), EArquivoNaoExiste);
}

TEST(PastaDados, CaminhoRelativoDoExecutavelViraAbsoluto) {
    const std::string pasta = PastaDadosCompartilhada("Talvek2/./Talvek2");
    EXPECT_EQ(pasta, (std::filesystem::current_path() / "Talvek2").generic_string() + "/../Arquivos Comuns/");
}

// Damaged files are refused whole: no read past the end, and the records read before stay in place.
TEST_F(BancoDeTeste, ArquivoTruncadoOuCorrompidoERecusadoSemPerderOQueFoiLido) {
    TGruposEstacoes grupos;
    grupos[kBahia] = {Estacao("Salvador", "12°58'00\"", "38°30'00\"", 1000, 0.1, 10, 0.8),
                      Estacao("Barreiras", "12°09'00\"", "45°00'00\"", 900, 0.12, 12, 0.75)};
    TBDPrecipitacao banco = BancoComEstacoes(grupos);
    const std::string caminho = banco.CaminhoEstacoes();
    std::vector<char> bom(std::filesystem::file_size(caminho));
    std::ifstream(caminho, std::ios::binary).read(bom.data(), static_cast<std::streamsize>(bom.size()));
    const std::size_t inicioBahia = 1 + 2 * kBahia + 2;  // leading byte, four empty counts, Bahia's count

    auto comAlteracao = [&](auto alterar) {
        std::vector<char> bytes = bom;
        alterar(bytes);
        std::ofstream(caminho, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    };
    const std::vector<std::pair<const char*, std::function<void(std::vector<char>&)>>> danos = {
        {"vazio", [](auto& b) { b.clear(); }},
        {"só o byte inicial", [](auto& b) { b.resize(1); }},
        {"contagem pela metade", [](auto& b) { b.resize(2); }},
        {"registro pela metade", [&](auto& b) { b.resize(inicioBahia + 100); }},
        {"um byte a menos", [](auto& b) { b.pop_back(); }},
        {"um byte a mais", [](auto& b) { b.push_back(0); }},
        {"nome maior que a capacidade", [&](auto& b) { b[inicioBahia] = 69; }},
        {"K que não é número", [&](auto& b) { std::fill_n(b.begin() + inicioBahia + 69, 8, '\xFF'); }},
        {"contagem maior que o arquivo", [&](auto& b) { b[inicioBahia - 2] = 3; }},
    };
    for (const auto& [nome, dano] : danos) {
        comAlteracao(dano);
        try {
            banco.LerEstacoes();
            ADD_FAILURE() << nome;
        } catch (const EArquivoInvalido& e) {
            EXPECT_STREQ(e.what(), ("O arquivo " + caminho + " está incompleto ou corrompido.").c_str()) << nome;
        }
        EXPECT_EQ(banco.Estacoes(kBahia), grupos[kBahia]) << nome;
    }
}

TEST_F(BancoDeTeste, LocalidadesDeArquivoTruncadoSaoRecusadasQualquerQueSejaOEstado) {
    TGruposLocalidades grupos;
    grupos[0] = {{"Xapuri", "10°39'00\"", "68°30'00\""}};
    grupos[kTocantins] = {{"Palmas", "10°10'00\"", "48°20'00\""}};
    GravarLocalidadesDe(grupos);
    TBDPrecipitacao banco(pasta.ComoPasta());
    banco.LerLocalidades(0);
    std::filesystem::resize_file(banco.CaminhoLocalidades(), std::filesystem::file_size(banco.CaminhoLocalidades()) - 1);
    EXPECT_THROW(banco.LerLocalidades(0), EArquivoInvalido);
    EXPECT_THROW(banco.LerLocalidades(kTocantins), EArquivoInvalido);
    EXPECT_EQ(banco.Localidades(), grupos[0]);
}

TEST(Estado, IndicesValidosENomes) {
    TEstado estado;
    EXPECT_EQ(estado.Indice(), 0);
    EXPECT_EQ(estado.Nome(), "Acre");
    estado.SetIndice(26);
    EXPECT_EQ(estado.Nome(), "Tocantins");
    for (int invalido : {-1, 27}) {
        try {
            estado.SetIndice(invalido);
            ADD_FAILURE() << invalido;
        } catch (const ENumeroEstado& e) {
            EXPECT_EQ(std::string(e.what()), " Não existe estado com índice igual a " + std::to_string(invalido));
        }
        EXPECT_EQ(estado.Indice(), 26);
    }
    estado.SetIndice(0);
    EXPECT_EQ(estado.Indice(), 0);
    TBDPrecipitacao banco("/");
    EXPECT_THROW(banco.Estacoes(27), ENumeroEstado);
    EXPECT_THROW(banco.LerLocalidades(-1), ENumeroEstado);
}

TEST(Coordenadas, TextoParaGraus) {
    struct Caso {
        const char* texto;
        double graus;
    };
    const Caso casos[] = {
        {"20°30'00\"", 20.5},
        {"00°00'36\"", 0.01},
        {" 5° 6' 9 \"", 5 + (6 + 9 / 60.0) / 60},
        {"22x49y36z", 22 + (49 + 36 / 60.0) / 60},  // separators are never examined
    };
    for (const char separador : {'.', ','}) {
        RegionalTemporario regional({separador, ' ', '/', "dd/mm/yyyy"});
        for (const Caso& caso : casos) EXPECT_DOUBLE_EQ(CoordenadaParaGraus(caso.texto), caso.graus) << caso.texto;
    }
    for (const char* invalido : {"ab°30'00\"", "20°3x'00\"", "20°30'", ""})
        EXPECT_THROW(CoordenadaParaGraus(invalido), Exception) << invalido;
}

TEST(Coordenadas, GrausParaTextoTruncaOsSegundos) {
    EXPECT_EQ(TextoCoordenada(20.5), "20°30'00\"");
    EXPECT_EQ(TextoCoordenada(0), "00°00'00\"");
    EXPECT_EQ(TextoCoordenada(22.82694444), "22°49'36\"");  // 36.99998″ is cut, not rounded
    EXPECT_EQ(TextoCoordenada(9.999), "09°59'56\"");
    EXPECT_THROW(TextoCoordenada(-1), Exception);
    EXPECT_THROW(TextoCoordenada(100), Exception);
}

TEST(OrdemDosNomes, AcentosEMaiusculasNaoContam) {
    const std::vector<std::string> ordenados = {"Água Boa", "Alfenas", "Araxá", "araxá", "Ébano", "Eldorado",
                                                "Itaú", "Itaúna", "São José", "São José do Rio Preto", "Sao Paulo"};
    for (std::size_t i = 0; i < ordenados.size(); ++i)
        for (std::size_t j = 0; j < ordenados.size(); ++j)
            EXPECT_EQ(NomeAntes(ordenados[i], ordenados[j]), i < j) << ordenados[i] << " / " << ordenados[j];
}

// ---- Interpolation ---------------------------------------------------------------------------

TEST_F(BancoDeTeste, PontoDeUmaEstacaoDevolveOProprioRegistro) {
    TGruposEstacoes grupos;
    grupos[kMinas] = {Estacao("Longe", "15°00'00\"", "45°00'00\"", 2000, 0.2, 20, 0.9),
                      Estacao("Aqui", "20°00'00\"", "44°00'00\"", 1000, 0.1, 10, 0.8, "INMET")};
    const TBDPrecipitacao banco = BancoComEstacoes(grupos);
    EXPECT_EQ(banco.Interpolar("20°00'00\"", "44°00'00\""), grupos[kMinas][1]);
    // Same point written with other separators: the station itself rather than an infinite weight.
    EXPECT_EQ(banco.Interpolar("20 00 00 ", "44-00-00."), grupos[kMinas][1]);
}

TEST_F(BancoDeTeste, PesosUmEUmTrintaEDoisAvosNaDistanciaUmEDois) {
    TGruposEstacoes grupos;
    const TEstacao perto = Estacao("Perto", "21°00'00\"", "45°00'00\"", 1000, 0.1, 10, 0.7);
    const TEstacao longe = Estacao("Longe", "20°00'00\"", "47°00'00\"", 2000, 0.4, 40, 1.0);
    grupos[kGoias] = {longe};
    grupos[kTocantins] = {perto};
    const TBDPrecipitacao banco = BancoComEstacoes(grupos);
    const TEstacao r = banco.Interpolar("20°00'00\"", "45°00'00\"");
    auto media = [](double p1, double p2) { return (32 * p1 + p2) / 33; };
    EXPECT_NEAR(r.K, media(perto.K, longe.K), 1e-9);
    EXPECT_NEAR(r.A, media(perto.A, longe.A), 1e-15);
    EXPECT_NEAR(r.B, media(perto.B, longe.B), 1e-12);
    EXPECT_NEAR(r.C, media(perto.C, longe.C), 1e-15);
    EXPECT_EQ(r.Nome, "");
    EXPECT_EQ(r.Autor, "Interpolação");
    EXPECT_EQ(r.Latitude, "20°00'00\"");
    EXPECT_EQ(r.Longitude, "45°00'00\"");
}

TEST_F(BancoDeTeste, GrauLesteOesteValeOMesmoQueGrauNorteSul) {
    TGruposEstacoes grupos;
    grupos[kBahia] = {Estacao("Norte", "11°00'00\"", "40°00'00\"", 1000, 0.1, 10, 0.6),
                      Estacao("Oeste", "12°00'00\"", "41°00'00\"", 3000, 0.3, 30, 1.0)};
    const TEstacao r = BancoComEstacoes(grupos).Interpolar("12°00'00\"", "40°00'00\"");
    EXPECT_NEAR(r.K, 2000, 1e-9);
    EXPECT_NEAR(r.C, 0.8, 1e-15);
}

TEST_F(BancoDeTeste, EstadoForaDoConjuntoNaoEntraNaInterpolacao) {
    TGruposEstacoes grupos;
    // A Santa Catarina station stands exactly at the query point, yet only the set's stations count.
    grupos[kSantaCatarina] = {Estacao("Florianópolis", "27°36'00\"", "48°30'00\"", 9999, 0.9, 99, 2)};
    grupos[kMinas] = {Estacao("Uma", "20°00'00\"", "44°00'00\"", 1000, 0.1, 10, 0.8)};
    const TEstacao r = BancoComEstacoes(grupos).Interpolar("27°36'00\"", "48°30'00\"");
    EXPECT_EQ(r.Autor, "Interpolação");
    EXPECT_NEAR(r.K, 1000, 1e-9);
    EXPECT_NEAR(r.B, 10, 1e-12);
}

TEST_F(BancoDeTeste, ConjuntoVazioDaZerosECortaOsTextosEmNoveCaracteres) {
    TGruposEstacoes grupos;
    grupos[kSantaCatarina] = {Estacao("Florianópolis", "27°36'00\"", "48°30'00\"", 9999, 0.9, 99, 2)};
    const TEstacao r = BancoComEstacoes(grupos).Interpolar("27°36'00\" S", "48°30'00\" O");
    EXPECT_EQ(r, (TEstacao{"", 0, 0, 0, 0, "Interpolação", "27°36'00\"", "48°30'00\""}));
}

TEST_F(BancoDeTeste, CoordenadaInvalidaNaoDaResultado) {
    TGruposEstacoes grupos;
    grupos[kMinas] = {Estacao("Uma", "20°00'00\"", "44°00'00\"", 1000, 0.1, 10, 0.8)};
    const TBDPrecipitacao banco = BancoComEstacoes(grupos);
    EXPECT_THROW(banco.Interpolar("2x°00'00\"", "44°00'00\""), Exception);
}

}  // namespace
