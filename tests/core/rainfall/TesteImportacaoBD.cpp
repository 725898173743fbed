#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "PastaTemporaria.h"
#include "rainfall/ImportacaoBD.h"

using namespace talvek;
using talvek::teste::PastaTemporaria;

namespace {

constexpr int kMinas = 12, kSaoPaulo = 24, kTocantins = 26;
constexpr const char* kCabecalhoEstacoes = "Estado;Nome;Latitude;Longitude;K;a;b;c;Autor\n";
constexpr const char* kCabecalhoLocalidades = "Estado;Nome;Latitude;Longitude\n";

TGruposEstacoes EstacoesDoTexto(const std::string& texto) {
    std::istringstream entrada(texto);
    return LerCsvEstacoes(entrada, "estacoes.csv");
}

TEST(ImportacaoCsv, EstacoesLidasConvertidasEOrdenadasPorNome) {
    const TGruposEstacoes grupos = EstacoesDoTexto(
        "\xEF\xBB\xBF" "Estado;Nome;Latitude;Longitude;K;a;b;c;Autor\r\n"
        "MG;Uberaba;-19.75;-47.9;1000;0.1;10;0.8;ANA\r\n"
        "MG;\"Ecologia; Km 47\";19°45'00\";47°55'00\";1000,5;0,1;10;0,8;\r\n"
        "\r\n"
        "MG;Águas Vermelhas; -15.75 ; -41.5 ;2000;0.2;20;0.9;\"Geo \"\"Rio\"\"\"\r\n"
        "TO;Palmas;-10.1666667;-48.3333333;1500;0.15;15;0.85;INMET\r\n");
    ASSERT_EQ(grupos[kMinas].size(), 3u);
    EXPECT_EQ(grupos[kMinas][0], (TEstacao{"Águas Vermelhas", 2000, 0.2, 20, 0.9, "Geo \"Rio\"", "15°45'00\"", "41°30'00\""}));
    EXPECT_EQ(grupos[kMinas][1], (TEstacao{"Ecologia; Km 47", 1000.5, 0.1, 10, 0.8, "", "19°45'00\"", "47°55'00\""}));
    EXPECT_EQ(grupos[kMinas][2].Nome, "Uberaba");
    EXPECT_EQ(grupos[kMinas][2].Longitude, "47°53'59\"");  // 47.9 is 47°53'59.99…″: seconds truncated
    ASSERT_EQ(grupos[kTocantins].size(), 1u);
    EXPECT_EQ(grupos[kTocantins][0].Autor, "INMET");
    EXPECT_TRUE(grupos[kSaoPaulo].empty());
}

TEST(ImportacaoCsv, NomesIguaisGuardamAOrdemDaTabela) {
    const TGruposEstacoes grupos = EstacoesDoTexto(std::string(kCabecalhoEstacoes) +
                                                   "SP;Porto;-22;-45;1;0;0;0;segunda\n"
                                                   "SP;Porto;-23;-46;1;0;0;0;primeira\n"
                                                   "SP;Porto;-21;-44;1;0;0;0;terceira\n");
    ASSERT_EQ(grupos[kSaoPaulo].size(), 3u);
    EXPECT_EQ(grupos[kSaoPaulo][0].Autor, "segunda");
    EXPECT_EQ(grupos[kSaoPaulo][1].Autor, "primeira");
    EXPECT_EQ(grupos[kSaoPaulo][2].Autor, "terceira");
}

TEST(ImportacaoCsv, LinhaComDefeitoERecusadaComArquivoELinha) {
    struct Caso {
        std::string linha;
        const char* mensagem;
    };
    const std::string nome69(69, 'n');
    const Caso casos[] = {
        {"XX;Nome;-20;-45;1;0;0;0;A", "estado desconhecido \"XX\""},
        {"MG;;-20;-45;1;0;0;0;A", "nome vazio"},
        {"MG;" + nome69 + ";-20;-45;1;0;0;0;A", "com mais de 68 caracteres"},
        {"MG;Nome 日本;-20;-45;1;0;0;0;A", "caractere que o Windows-1252 não representa"},
        {"MG;Nome;-20;-45;1;0;0;0;" + std::string(31, 'a'), "com mais de 30 caracteres"},
        {"MG;Nome;2.8;-45;1;0;0;0;A", "latitude 2.8 fora do alcance"},
        {"MG;Nome;-20;-145;1;0;0;0;A", "longitude -145 fora do alcance"},
        {"MG;Nome;vinte;-45;1;0;0;0;A", "latitude \"vinte\" não é um número"},
        {"MG;Nome;20°00';-45;1;0;0;0;A", "não está na forma"},
        {"MG;Nome;-20;-45;0;0;0;0;A", "K deve ser maior que zero"},
        {"MG;Nome;-20;-45;1;-0.1;0;0;A", "a deve ser maior ou igual a zero"},
        {"MG;Nome;-20;-45;1;0;nan;0;A", "b \"nan\" não é um número"},
        {"MG;Nome;-20;-45;1;0;0;0", "esperados 9 campos, há 8"},
        {"MG;\"Nome;-20;-45;1;0;0;0;A", "aspas sem fechamento"},
        {"MG;Nome \xE3;-20;-45;1;0;0;0;A", "texto que não é UTF-8"},
    };
    for (const Caso& caso : casos) {
        try {
            EstacoesDoTexto(std::string(kCabecalhoEstacoes) + "MG;Boa;-20;-45;1;0;0;0;A\n" + caso.linha + "\n");
            ADD_FAILURE() << caso.linha;
        } catch (const Exception& e) {
            const std::string mensagem = e.what();
            EXPECT_EQ(mensagem.rfind("estacoes.csv, linha 3: ", 0), 0u) << mensagem;
            EXPECT_NE(mensagem.find(caso.mensagem), std::string::npos) << mensagem;
        }
    }
}

TEST(ImportacaoCsv, CabecalhoAusenteOuDiferenteERecusado) {
    for (const char* texto : {"", "\n\n", "Estado;Nome;Lat;Lon;K;a;b;c;Autor\nMG;X;-20;-45;1;0;0;0;A\n"})
        EXPECT_THROW(EstacoesDoTexto(texto), Exception) << texto;
    std::istringstream localidades("Estado;Nome;Latitude;Longitude;K;a;b;c;Autor\n");
    EXPECT_THROW(LerCsvLocalidades(localidades, "localidades.csv"), Exception);
}

// A state's count is a 16-bit number: one record more would wrap it and corrupt the file.
TEST(Gravacao, MaisDe65535RegistrosNumEstadoERecusado) {
    PastaTemporaria pasta;
    TGruposLocalidades grupos;
    grupos[kMinas].assign(formato_bd::kMaximoPorEstado + 1, TLocalidade{"L", "20°00'00\"", "45°00'00\""});
    const std::string caminho = pasta / formato_bd::kArquivoLocalidades;
    EXPECT_THROW(GravarLocalidades(caminho, grupos), Exception);
    EXPECT_FALSE(std::filesystem::exists(caminho));
    grupos[kMinas].pop_back();
    GravarLocalidades(caminho, grupos);
    TBDPrecipitacao banco(pasta.ComoPasta());
    banco.LerLocalidades(kMinas);
    EXPECT_EQ(banco.Localidades().size(), formato_bd::kMaximoPorEstado);
}

TEST(Gravacao, RegistroQueNaoCabeNoFormatoERecusado) {
    PastaTemporaria pasta;
    TGruposEstacoes grupos;
    grupos[0] = {TEstacao{"X", 1, 0, 0, 0, "", "20°00'00\"x", "45°00'00\""}};
    EXPECT_THROW(GravarEstacoes(pasta / formato_bd::kArquivoEstacoes, grupos), Exception);
}

TEST(Importacao, GravaOsDoisArquivosSoQuandoAsDuasTabelasSaoBoas) {
    PastaTemporaria pasta;
    const std::string estacoes = pasta / "estacoes.csv";
    const std::string localidades = pasta / "localidades.csv";
    std::ofstream(estacoes) << kCabecalhoEstacoes << "MG;Uberaba;-19.75;-47.9;1000;0.1;10;0.8;ANA\n";
    std::ofstream(localidades) << kCabecalhoLocalidades << "TO;Palmas;-10.1;-48.3\nTO;Gurupi;-11.7;-49.06\n"
                               << "MG;Uberaba;-19.75;-47.9\nXX;Erro;-1;-1\n";
    const std::string saida = pasta / "saida";
    EXPECT_THROW(ImportarBanco(estacoes, localidades, saida), Exception);
    EXPECT_FALSE(std::filesystem::exists(saida + "/" + formato_bd::kArquivoEstacoes));

    std::ofstream(localidades) << kCabecalhoLocalidades << "TO;Palmas;-10.1;-48.3\nTO;Gurupi;-11.7;-49.06\n";
    const TResumoImportacao resumo = ImportarBanco(estacoes, localidades, saida);
    EXPECT_EQ(resumo.Estacoes[kMinas], 1u);
    EXPECT_EQ(resumo.Localidades[kTocantins], 2u);
    TBDPrecipitacao banco(saida + "/");
    banco.LerEstacoes();
    banco.LerLocalidades(kTocantins);
    EXPECT_EQ(banco.Estacoes(kMinas).at(0).Nome, "Uberaba");
    EXPECT_EQ(banco.Localidades().at(0).Nome, "Gurupi");

    EXPECT_THROW(ImportarBanco(pasta / "nao-existe.csv", "", saida), EArquivoNaoExiste);
    EXPECT_THROW(ImportarBanco("", "", saida), Exception);
}

}  // namespace
