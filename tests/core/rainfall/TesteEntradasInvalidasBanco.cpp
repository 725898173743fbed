// Database files built by other tools, and tables with faults given to `talvek-calc banco`. Each test is a
// row of tests/ENTRADAS_INVALIDAS.md: what the user is told, and what stays on disk.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "PastaTemporaria.h"
#include "rainfall/ImportacaoBD.h"
#include "rainfall/UnBD.h"

using namespace talvek;
using talvek::teste::PastaTemporaria;

namespace {

constexpr int kAcre = 0, kMinas = 12, kTocantins = 26;

std::string Bytes(const std::string& caminho) {
    std::ifstream entrada(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

void Gravar(const std::string& caminho, const std::string& bytes) {
    std::ofstream(caminho, std::ios::binary | std::ios::trunc) << bytes;
}

std::string Double(double valor) {
    std::string bytes(8, '\0');
    std::memcpy(bytes.data(), &valor, 8);  // little-endian, as the files are
    return bytes;
}

std::string Danificado(std::string bytes, std::size_t posicao, const std::string& novos) {
    return bytes.replace(posicao, novos.size(), novos);
}

std::string Corrompido(const std::string& caminho) { return "O arquivo " + caminho + " está incompleto ou corrompido."; }

}  // namespace

// Rows: counts that promise more records than the file holds, a text length byte above its field's capacity,
// NaN or infinite parameters in a station record.
TEST(EntradasInvalidas, BancoDanificadoERecusadoSemPerderOQueFoiLidoNemTocarNoArquivo) {
    PastaTemporaria pasta;
    TBDPrecipitacao banco(pasta.ComoPasta());
    TGruposEstacoes estacoes;
    estacoes[kMinas] = {{"Lavras", 1234.5, 0.18, 12, 0.85, "CHUVAS", "21°14'00\"", "45°00'00\""}};
    GravarEstacoes(banco.CaminhoEstacoes(), estacoes);
    TGruposLocalidades localidades;
    localidades[kAcre] = {{"Xapuri", "10°39'00\"", "68°30'00\""}};
    localidades[kTocantins] = {{"Palmas", "10°10'00\"", "48°20'00\""}};
    GravarLocalidades(banco.CaminhoLocalidades(), localidades);
    banco.LerEstacoes();
    banco.LerLocalidades(kTocantins);
    const std::string estacoesBoas = Bytes(banco.CaminhoEstacoes());
    const std::string localidadesBoas = Bytes(banco.CaminhoLocalidades());

    // Offsets: a leading byte, then a 16-bit count per state before its records.
    const std::size_t contagemMinas = 1 + 2 * kMinas;
    const std::size_t lavras = contagemMinas + 2;
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    struct Dano {
        const char* nome;
        std::string bytes;
    };
    const Dano estacoesDanificadas[] = {
        {"contagem maior que o arquivo", Danificado(estacoesBoas, contagemMinas, "\x02")},
        {"contagem de 65535 registros", Danificado(estacoesBoas, contagemMinas, "\xFF\xFF")},
        {"nome com 69 caracteres", Danificado(estacoesBoas, lavras, "\x45")},
        {"autor com 31 caracteres", Danificado(estacoesBoas, lavras + 101, "\x1F")},
        {"latitude com 10 caracteres", Danificado(estacoesBoas, lavras + 132, "\x0A")},
        {"longitude com 255 caracteres", Danificado(estacoesBoas, lavras + 142, "\xFF")},
        {"K NaN", Danificado(estacoesBoas, lavras + 69, Double(nan))},
        {"a infinito", Danificado(estacoesBoas, lavras + 77, Double(inf))},
        {"b menos infinito", Danificado(estacoesBoas, lavras + 85, Double(-inf))},
        {"c NaN", Danificado(estacoesBoas, lavras + 93, Double(-nan))},
        {"vazio", ""},
        {"bytes a mais", estacoesBoas + "x"},
    };
    for (const Dano& dano : estacoesDanificadas) {
        Gravar(banco.CaminhoEstacoes(), dano.bytes);
        try {
            banco.LerEstacoes();
            ADD_FAILURE() << dano.nome;
        } catch (const EArquivoInvalido& e) {
            EXPECT_EQ(e.what(), Corrompido(banco.CaminhoEstacoes())) << dano.nome;
        }
        EXPECT_EQ(banco.Estacoes(kMinas), estacoes[kMinas]) << dano.nome;
        EXPECT_EQ(Bytes(banco.CaminhoEstacoes()), dano.bytes) << dano.nome;
    }

    // Every group is checked, whichever state is asked for.
    const Dano localidadesDanificadas[] = {
        {"contagem do Acre maior que o arquivo", Danificado(localidadesBoas, 1, "\x09")},
        {"nome de Palmas com 70 caracteres", Danificado(localidadesBoas, localidadesBoas.size() - 89, "\x46")},
        {"latitude de Palmas com 12 caracteres", Danificado(localidadesBoas, localidadesBoas.size() - 20, "\x0C")},
        {"um byte a menos", localidadesBoas.substr(0, localidadesBoas.size() - 1)},
    };
    for (const Dano& dano : localidadesDanificadas) {
        Gravar(banco.CaminhoLocalidades(), dano.bytes);
        try {
            banco.LerLocalidades(kTocantins);
            ADD_FAILURE() << dano.nome;
        } catch (const EArquivoInvalido& e) {
            EXPECT_EQ(e.what(), Corrompido(banco.CaminhoLocalidades())) << dano.nome;
        }
        EXPECT_EQ(banco.Localidades(), localidades[kTocantins]) << dano.nome;
        EXPECT_EQ(Bytes(banco.CaminhoLocalidades()), dano.bytes) << dano.nome;
    }
}

// Row: coordinates of a station that are not numbers (the file itself is sound).
TEST(EntradasInvalidas, CoordenadaDeEstacaoQueNaoENumeroSoImpedeAInterpolacao) {
    PastaTemporaria pasta;
    TBDPrecipitacao banco(pasta.ComoPasta());
    TGruposEstacoes estacoes;
    estacoes[kMinas] = {{"Lavras", 1234.5, 0.18, 12, 0.85, "CHUVAS", "2x°14'00\"", "45°00'00\""}};
    GravarEstacoes(banco.CaminhoEstacoes(), estacoes);
    ASSERT_NO_THROW(banco.LerEstacoes());
    EXPECT_EQ(banco.Estacoes(kMinas), estacoes[kMinas]) << "the station can still be chosen from its list";
    try {
        banco.Interpolar("21°00'00\"", "45°00'00\"");
        ADD_FAILURE() << "interpolated over a station without a position";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "'2x' não é um valor numérico válido.");
    }
}

// A database folder whose two files hold known bytes, to show that a failed build leaves them alone.
struct BancoExistente {
    explicit BancoExistente(const PastaTemporaria& temporaria) : pasta(temporaria / "banco") {
        std::filesystem::create_directories(pasta);
        Gravar(estacoes, "estações de antes");
        Gravar(localidades, "localidades de antes");
    }
    std::string pasta;
    std::string estacoes = pasta + "/" + formato_bd::kArquivoEstacoes;
    std::string localidades = pasta + "/" + formato_bd::kArquivoLocalidades;
};

// Rows: tables given to `talvek-calc banco` with a fault in one line, or not a table at all.
TEST(EntradasInvalidas, TabelaComDefeitoNaoTocaNoBancoExistente) {
    struct Caso {
        std::string tabela;
        bool estacoes;
        std::string falha;  // what the message says after the table's name
    };
    const std::string e = "Estado;Nome;Latitude;Longitude;K;a;b;c;Autor\n";
    const std::string l = "Estado;Nome;Latitude;Longitude\n";
    const Caso casos[] = {
        {e + "MG;Lavras;-21.2333;-45;1234.5;0.18;12;0.85;CHUVAS\nXX;Nada;-1;-1;1;1;1;1;A\n", true,
         ", linha 3: estado desconhecido \"XX\"."},
        {e + "MG;\"Lavras;-21;-45;1;1;1;1;A\n", true, ", linha 2: aspas sem fechamento."},
        {e + "MG;Lavras;-21;-45;nan;1;1;1;A\n", true, ", linha 2: K \"nan\" não é um número."},
        {e + "MG;Lavras;-21;-45;1;1e400;1;1;A\n", true, ", linha 2: a \"1e400\" não é um número."},
        {e + "MG;Lavras;-21;-45;0;1;1;1;A\n", true, ", linha 2: K deve ser maior que zero."},
        {e + "MG;Lavras;-21;-45;1;1;-1;1;A\n", true, ", linha 2: b deve ser maior ou igual a zero."},
        {e + "MG;Lavras;21;-45;1;1;1;1;A\n", true,
         ", linha 2: latitude 21 fora do alcance: só latitudes ao sul e longitudes a oeste (negativas)."},
        {e + "MG;" + std::string(69, 'N') + ";-21;-45;1;1;1;1;A\n", true,
         ", linha 2: nome \"" + std::string(69, 'N') + "\" com mais de 68 caracteres."},
        {l + "MG;\xE6\x97\xA5;-21;-45\n", false,
         ", linha 2: nome \"\xE6\x97\xA5\" com caractere que o Windows-1252 não representa."},
        {l + "MG;S\xE3o Jo\xE3o;-21;-45\n", false, ", linha 2: texto que não é UTF-8."},
        {l + "MG;Lavras;-21\n", false, ", linha 2: esperados 4 campos, há 3."},
        {"\x89PNG\r\n\x1A\n", false, ", linha 1: texto que não é UTF-8."},
        {"Nome;Estado\n", false, ", linha 1: o cabeçalho deve ser \"Estado;Nome;Latitude;Longitude\"."},
        {"", true, ", linha 0: o cabeçalho deve ser \"Estado;Nome;Latitude;Longitude;K;a;b;c;Autor\"."},
        // Regression: a table of its header alone wrote an empty database over the real one.
        {e, true, ": a tabela não tem nenhuma linha de dados, só o cabeçalho."},
        {l + "\r\n  \r\n", false, ": a tabela não tem nenhuma linha de dados, só o cabeçalho."},
        // A field of megabytes is quoted by its first 80 characters.
        {e + "MG;" + std::string(1'000'000, 'N') + ";-21;-45;1;1;1;1;A\n", true,
         ", linha 2: nome \"" + std::string(80, 'N') + "…\" com mais de 68 caracteres."},
    };
    PastaTemporaria pasta;
    const BancoExistente existente(pasta);
    const std::string& banco = existente.pasta;
    const std::string& arquivoEstacoes = existente.estacoes;
    const std::string& arquivoLocalidades = existente.localidades;
    const std::string tabela = pasta / "tabela.csv";
    for (const Caso& caso : casos) {
        Gravar(tabela, caso.tabela);
        try {
            ImportarBanco(caso.estacoes ? tabela : "", caso.estacoes ? "" : tabela, banco);
            ADD_FAILURE() << caso.falha;
        } catch (const Exception& erro) {
            EXPECT_EQ(erro.what(), tabela + caso.falha);
        }
        EXPECT_EQ(Bytes(arquivoEstacoes), "estações de antes") << caso.falha;
        EXPECT_EQ(Bytes(arquivoLocalidades), "localidades de antes") << caso.falha;
    }
}

// Row: the localities file cannot be replaced (read-only) while the stations file can. Regression: the
// stations were written first and stayed, new, beside the old localities.
TEST(EntradasInvalidas, BancoQueNaoPodeSerGravadoInteiroNaoMudaNenhumArquivo) {
    PastaTemporaria pasta;
    const BancoExistente existente(pasta);
    const std::string& banco = existente.pasta;
    const std::string& arquivoEstacoes = existente.estacoes;
    const std::string& arquivoLocalidades = existente.localidades;
    std::filesystem::permissions(arquivoLocalidades, std::filesystem::perms::owner_read);
    const std::string estacoes = pasta / "estacoes.csv";
    const std::string localidades = pasta / "localidades.csv";
    Gravar(estacoes, "Estado;Nome;Latitude;Longitude;K;a;b;c;Autor\nMG;Lavras;-21.2333;-45;1234.5;0.18;12;0.85;A\n");
    Gravar(localidades, "Estado;Nome;Latitude;Longitude\nMG;Lavras;-21.2333;-45\n");
    try {
        ImportarBanco(estacoes, localidades, banco);
        ADD_FAILURE() << "the import must fail";
    } catch (const Exception& erro) {
        EXPECT_EQ(erro.what(), "Erro ao gravar o arquivo " + arquivoLocalidades + ": o arquivo é somente leitura.");
    }
    EXPECT_EQ(Bytes(arquivoEstacoes), "estações de antes");
    EXPECT_EQ(Bytes(arquivoLocalidades), "localidades de antes");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(banco), std::filesystem::directory_iterator()), 2)
        << "no temporary file is left";
}
