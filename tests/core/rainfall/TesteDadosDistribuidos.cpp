// Checks of the shipped database and maps in "data/Arquivos Comuns" against the program's own frames,
// colours and citation table.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "PastaTemporaria.h"
#include "rainfall/Citacoes.h"
#include "rainfall/ImportacaoBD.h"
#include "rainfall/MapasEstados.h"
#include "rainfall/UnBD.h"

using namespace talvek;

namespace {

const std::string kDados = TALVEK_ARQUIVOS_COMUNS;
const std::string kTabelas = TALVEK_TABELAS_BANCO;

std::vector<unsigned char> Bytes(const std::string& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
}

// An uncompressed 8- or 24-bit BMP picture, top row first.
struct Figura {
    int largura = 0, altura = 0;
    std::vector<TCor> pixels;
    TCor Pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * largura + x]; }
};

Figura LerBmp(const std::string& caminho) {
    const std::vector<unsigned char> b = Bytes(caminho);
    auto u32 = [&](std::size_t i) { return uint32_t(b.at(i)) | uint32_t(b.at(i + 1)) << 8 | uint32_t(b.at(i + 2)) << 16 | uint32_t(b.at(i + 3)) << 24; };
    auto u16 = [&](std::size_t i) { return uint16_t(b.at(i) | b.at(i + 1) << 8); };
    Figura f;
    f.largura = static_cast<int>(u32(18));
    f.altura = static_cast<int>(u32(22));
    const int bits = u16(28);
    EXPECT_TRUE((bits == 8 || bits == 24) && u32(30) == 0) << caminho;
    const std::size_t inicio = u32(10), paleta = 14 + u32(14);
    const std::size_t bytesLinha = (static_cast<std::size_t>(f.largura) * bits / 8 + 3) / 4 * 4;
    for (int y = 0; y < f.altura; ++y) {
        const std::size_t linha = inicio + static_cast<std::size_t>(f.altura - 1 - y) * bytesLinha;
        for (int x = 0; x < f.largura; ++x) {
            const std::size_t p = bits == 8 ? paleta + 4 * std::size_t{b.at(linha + x)} : linha + 3 * std::size_t(x);
            f.pixels.push_back({b.at(p + 2), b.at(p + 1), b.at(p)});
        }
    }
    return f;
}

// Whether the pixel of a point, as the query dialog rounds it, is the state's blue: the dialog shows the
// marker of a station or locality only there.
bool NoAzul(const Figura& mapa, const TQuadroMapa& quadro, const std::string& latitude, const std::string& longitude) {
    const TPontoMapa p = CoordenadasParaPixel(quadro, CoordenadaParaGraus(latitude), CoordenadaParaGraus(longitude));
    const long x = std::lround(p.X), y = std::lround(p.Y);
    return x >= 0 && y >= 0 && x < mapa.largura && y < mapa.altura &&
           mapa.Pixel(static_cast<int>(x), static_cast<int>(y)) == kAzulEstado;
}

TEST(DadosDistribuidos, EstacoesELocalidadesDosEstadosComMapaCaemNoAzul) {
    TBDPrecipitacao banco(kDados);
    banco.LerEstacoes();
    for (int estado = 0; estado < kNumeroEstados; ++estado) {
        const std::optional<TQuadroMapa> quadro = QuadroDoEstado(estado);
        ASSERT_EQ(quadro.has_value(), kEstados[estado].Mapa);
        if (!quadro) continue;
        const Figura mapa = LerBmp(kDados + kEstados[estado].Sigla + ".bmp");
        ASSERT_EQ(mapa.largura, kLadoMapa);
        ASSERT_EQ(mapa.altura, kLadoMapa);
        banco.LerLocalidades(estado);
        ASSERT_FALSE(banco.Estacoes(estado).empty()) << kEstados[estado].Sigla;
        ASSERT_FALSE(banco.Localidades().empty()) << kEstados[estado].Sigla;
        for (const TEstacao& e : banco.Estacoes(estado))
            EXPECT_TRUE(NoAzul(mapa, *quadro, e.Latitude, e.Longitude)) << kEstados[estado].Sigla << ' ' << e.Nome;
        for (const TLocalidade& l : banco.Localidades())
            EXPECT_TRUE(NoAzul(mapa, *quadro, l.Latitude, l.Longitude)) << kEstados[estado].Sigla << ' ' << l.Nome;
    }
}

TEST(DadosDistribuidos, MapaDoBrasilUsaSoAsCoresDaTabela) {
    const Figura brasil = LerBmp(kDados + "Brasil.bmp");
    ASSERT_EQ(brasil.largura, kLadoMapa);
    ASSERT_EQ(brasil.altura, kLadoMapa);
    std::set<int> estados;
    for (const TCor& cor : brasil.pixels) {
        if (cor == TCor{0, 0, 0} || cor == TCor{255, 255, 255}) continue;
        int estado = 0;
        while (estado < kNumeroEstados && !(CorDoEstadoNoBrasil(estado) == cor)) ++estado;
        ASSERT_LT(estado, kNumeroEstados) << int(cor.R) << ',' << int(cor.G) << ',' << int(cor.B);
        estados.insert(estado);
        if (const std::optional<int> selecionado = EstadoDaCorDoBrasil(cor)) {
            EXPECT_EQ(*selecionado, estado);
        }
    }
    EXPECT_EQ(estados.size(), std::size_t{kNumeroEstados});
}

TEST(DadosDistribuidos, TodaChaveDeAutorTemCitacao) {
    TBDPrecipitacao banco(kDados);
    banco.LerEstacoes();
    for (int estado = 0; estado < kNumeroEstados; ++estado)
        for (const TEstacao& e : banco.Estacoes(estado))
            EXPECT_TRUE(ProcurarCitacao(e.Autor).has_value()) << e.Nome << ": " << e.Autor;
}

// The committed tables and the binary files must not drift apart.
TEST(DadosDistribuidos, ArquivosSaoOsDasTabelasDoGerador) {
    teste::PastaTemporaria pasta;
    ImportarBanco(kTabelas + "estacoes.csv", kTabelas + "localidades.csv", pasta.Caminho().string());
    for (const char* arquivo : {formato_bd::kArquivoEstacoes, formato_bd::kArquivoLocalidades})
        EXPECT_TRUE(Bytes(pasta / arquivo) == Bytes(kDados + arquivo)) << arquivo;
}

}  // namespace
