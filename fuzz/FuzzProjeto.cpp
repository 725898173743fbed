// Project files: random ".tvk" content opened as the desktop program and talvek-calc open a project
// (decimal separator "." for inputs of even length, "," for odd).
// Invariants:
// - only the program's own exceptions leave the read; a refused file gives exactly
//   "Não foi possível abrir o arquivo " + path + ".";
// - an open of talvek-calc's subcommands that only read leaves the file byte for byte;
// - opening the same file again gives the same outcome and the same values: the conversion of the earlier
//   layout, done on disk by the window's first read (and in memory by the subcommands), keeps every value;
// - a project that opened can be saved, and the saved file opens with the same values (reals to their
//   15 significant digits; a carriage return inside a text is saved as a blank);
// - a save over a read-only file is refused with the write error and leaves the file byte for byte;
// - a save interrupted by a full disk at its last byte leaves the old file byte for byte, and with room for
//   that byte gives the whole new file.
#include <sys/resource.h>

#include <csignal>
#include <iterator>
#include <string>

#include "ComumFuzz.h"
#include "platform/ArquivosTexto.h"
#include "platform/Numeros.h"
#include "platform/Regional.h"
#include "project/Projeto.h"

using namespace talvek;
using namespace talvek::fuzz;

namespace {

// Every value a project file carries, as text: reals by their 15 significant digits, and texts with a
// carriage return or line feed as a blank (a line of the file cannot hold them).
class Retrato {
public:
    Retrato& operator()(const char* nome, const std::string& texto) {
        std::string limpo = texto;
        for (char& c : limpo)
            if (c == '\r' || c == '\n') c = ' ';
        texto_ += std::string(nome) + "=" + Visivel(limpo) + "\n";
        return *this;
    }
    Retrato& operator()(const char* nome, double valor) { return (*this)(nome, FormatarGeral(valor)); }
    Retrato& operator()(const char* nome, int valor) { return (*this)(nome, std::to_string(valor)); }
    const std::string& Texto() const { return texto_; }

private:
    std::string texto_;
};

std::string Valores(const TProjeto& p) {
    const TPrecipitacaoExponencialNegativa& chuva = p.Nimbal1.Precipitacao;
    const TCanalDrenagem& canal = p.CanalDrenagem;
    return Retrato()("Nome", p.Identificacao.Nome)("Empresa", p.Identificacao.Empresa)("Local", p.Identificacao.Local)(
               "Estado", p.Identificacao.Estado)("Tecnico", p.Identificacao.Tecnico)("Data", p.Identificacao.Data)(
               "Tipo", p.Sistema.Tipo)("Latitude", p.Nimbal1.Latitude)("Longitude", p.Nimbal1.Longitude)(
               "IndEstacao", p.Nimbal1.IndEstacao)("IndLocalidade", p.Nimbal1.IndLocalidade)(
               "StrCidade", p.Nimbal1.StrCidade)("IndEstado", p.Nimbal1.IndEstado)("StrEstado", p.Nimbal1.StrEstado)(
               "Duracao", chuva.Duracao)("PrecipitacaoTotal", chuva.PrecipitacaoTotal)("Tr", chuva.Tr())("K", chuva.K())(
               "A", chuva.A())("B", chuva.B())("C", chuva.C())(
               "IndUso", p.Terreno.Cobertura.UsoTerra.Indice)("IndCond", p.Terreno.Cobertura.CondicaoHidrologica.Indice)(
               "IndTrat", p.Terreno.Cobertura.Tratamento.Indice)("VIB", p.Terreno.VIB())("St", p.Terreno.St())(
               "nt", p.Terreno.nt.Valor)("Indnt", p.Terreno.nt.Indice)("H", canal.H())("Hr", canal.Hr())("Bc", canal.B())(
               "CDu", canal.CDu())("IndZ", canal.Z.Indice)("ValorZ", canal.Z.Valor)("IndSm", canal.Sm.Indice)(
               "ValorSm", canal.Sm.Valor)("TipoCanal", canal.TipoCanal.Tipo)("Comprimento", canal.Comprimento())(
               "Sc", canal.Sc())("Q", canal.Q())("Indnc", canal.nc.Indice)("nc", canal.nc.Valor)("EH", canal.EH())(
               "EV", canal.EV())("TD", canal.TD())("UDecli", p.Unidades.UDecli)("KDecli", p.Unidades.KDecli)(
               "UVIB", p.Unidades.UVIB)("KVIB", p.Unidades.KVIB)
        .Texto();
}

// Opens the project into fresh objects; false when it is refused.
bool Abrir(const std::string& caminho, TProjeto& projeto, TConversao conversao = TConversao::NoArquivo) {
    bool abriu = true;
    try {
        LerProjeto(caminho, projeto.Objetos(), conversao);
    } catch (const EArquivoProjeto& e) {
        Exigir(e.what() == "Não foi possível abrir o arquivo " + caminho + ".", "a mensagem de um projeto recusado",
               e.what());
        abriu = false;
    } catch (const talvek::Exception& e) {
        Falha("abrir um projeto só falha com a mensagem do projeto", typeid(e).name() + std::string(": ") + e.what());
    }
    return abriu;
}

// Saves while no file may grow beyond `limite` bytes, as on a disk that fills at that byte; whether the save
// went through.
bool GravarComDiscoCheio(const std::string& caminho, TProjeto& projeto, rlim_t limite) {
    rlimit anterior{};
    ::getrlimit(RLIMIT_FSIZE, &anterior);
    const auto sinalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limitado = anterior;
    limitado.rlim_cur = limite;
    ::setrlimit(RLIMIT_FSIZE, &limitado);
    bool gravou = true;
    try {
        EscreverProjeto(caminho, projeto.Objetos());
    } catch (const EGravacaoArquivo&) {
        gravou = false;
    }
    ::setrlimit(RLIMIT_FSIZE, &anterior);
    std::signal(SIGXFSZ, sinalAnterior);
    return gravou;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfiguracaoRegional regional;
    regional.SeparadorDecimal = size % 2 == 0 ? '.' : ',';
    regional.SeparadorMilhar = size % 2 == 0 ? ',' : '.';
    const RegionalTemporario emVigor(regional);

    const std::string caminho = PastaRascunho::Instancia() / "projeto.tvk";
    const std::string copia = PastaRascunho::Instancia() / "copia.tvk";
    std::filesystem::remove(copia);
    const std::string original(reinterpret_cast<const char*>(data), size);
    GravarBytes(caminho, original);

    TProjeto soLeitura;
    bool abriuSemGravar = false;
    Executar([&] { abriuSemGravar = Abrir(caminho, soLeitura, TConversao::NaMemoria); });
    Exigir(LerBytes(caminho) == original, "abrir sem gravar deixa o arquivo byte a byte", Visivel(original));

    TProjeto primeiro;
    bool abriu = false;
    Executar([&] { abriu = Abrir(caminho, primeiro); });
    Exigir(abriu == abriuSemGravar && Valores(primeiro) == Valores(soLeitura),
           "a conversão na memória dá os valores da conversão no arquivo", Visivel(original));

    TProjeto segundo;
    bool abriuDeNovo = false;
    Executar([&] { abriuDeNovo = Abrir(caminho, segundo); });
    Exigir(abriu == abriuDeNovo, "abrir de novo dá o mesmo resultado", Visivel(original));
    Exigir(Valores(primeiro) == Valores(segundo), "abrir de novo dá os mesmos valores",
           Valores(primeiro) + "----\n" + Valores(segundo) + "arquivo: " + Visivel(original));
    if (!abriu) return 0;

    Exigir(Executar([&] { EscreverProjeto(copia, primeiro.Objetos()); }), "um projeto aberto pode ser gravado",
           Valores(primeiro));

    const std::string aberto = LerBytes(caminho);
    std::filesystem::permissions(caminho, std::filesystem::perms::owner_read);
    bool recusado = false;
    try {
        EscreverProjeto(caminho, primeiro.Objetos());
    } catch (const EGravacaoArquivo&) {
        recusado = true;
    }
    std::filesystem::permissions(caminho, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    Exigir(recusado && LerBytes(caminho) == aberto, "gravar sobre um arquivo somente leitura é recusado sem tocá-lo");

    const std::string outra = PastaRascunho::Instancia() / "outra.tvk";
    GravarBytes(outra, aberto);
    EscreverProjeto(outra, primeiro.Objetos());
    const std::string novo = LerBytes(outra);
    Exigir(!GravarComDiscoCheio(caminho, primeiro, novo.size() - 1) && LerBytes(caminho) == aberto,
           "uma gravação interrompida pelo disco cheio deixa o arquivo antigo byte a byte", Visivel(aberto));
    Exigir(GravarComDiscoCheio(caminho, primeiro, novo.size()) && LerBytes(caminho) == novo,
           "com espaço para o último byte, a gravação dá o arquivo novo inteiro", Visivel(aberto));
    Exigir(std::distance(std::filesystem::directory_iterator(PastaRascunho::Instancia().Caminho()),
                         std::filesystem::directory_iterator()) == 3,
           "nenhum arquivo temporário ou de trava fica na pasta");

    TProjeto gravado;
    Exigir(Abrir(copia, gravado), "um projeto gravado abre", Visivel(LerBytes(copia)));
    Exigir(Valores(primeiro) == Valores(gravado), "um projeto gravado abre com os mesmos valores",
           Valores(primeiro) + "----\n" + Valores(gravado));
    return 0;
}
