#include "design/uMaterialCanal.h"

#include <sstream>

#include "platform/ArquivoIni.h"
#include "platform/Excecoes.h"
#include "platform/Numeros.h"

namespace talvek {

// The text of data/materiais/velocidades_admissiveis.csv (TabelaMateriais.cpp, written by CMake).
extern const char* const kTextoTabelaMateriais;

namespace {

const char* const kSecao = "Verificacao";
const char* const kChaveVersao = "Versao";
const char* const kVersao = "1";
const char* const kInformado = "o material informado";

std::vector<std::string> Campos(const std::string& linha) {
    std::vector<std::string> campos;
    std::string campo;
    std::istringstream entrada(linha);
    while (std::getline(entrada, campo, ';')) campos.push_back(campo);
    if (!linha.empty() && linha.back() == ';') campos.emplace_back();
    return campos;
}

// A "." decimal number; an empty field is 0 when `vazioZero`.
bool Numero(const std::string& texto, bool vazioZero, double& valor) {
    if (texto.empty()) {
        valor = 0;
        return vazioZero;
    }
    const std::optional<double> lido = LerNumeroQualquerSeparador(texto);
    if (!lido || !(*lido >= 0)) return false;
    valor = *lido;
    return true;
}

}  // namespace

std::vector<TLinhaMaterial> LerTabelaMateriais(const std::string& texto) {
    std::vector<TLinhaMaterial> linhas;
    std::istringstream entrada(texto);
    std::string linha;
    int numero = 0;
    while (std::getline(entrada, linha)) {
        if (++numero == 1 || linha.empty()) continue;  // the header
        const std::vector<std::string> c = Campos(linha);
        TLinhaMaterial m{};
        const bool tabela = c.size() == 7 && (c[0] == "terra" || c[0] == "grama");
        if (!tabela || c[1].empty() || !Numero(c[3], true, m.n) || !Numero(c[4], false, m.Vadm) ||
            !(m.Vadm > 0) || !Numero(c[5], true, m.TauAdm))
            throw Exception("Tabela de materiais: linha " + std::to_string(numero) + " inválida.");
        m.Revestimento = c[0] == "terra" ? TRevestimento::TerraNua : TRevestimento::Grama;
        m.Nome = c[1];
        m.Condicao = c[2];
        m.Original = c[6];
        linhas.push_back(std::move(m));
    }
    return linhas;
}

const std::vector<TLinhaMaterial>& TabelaMateriais() {
    static const std::vector<TLinhaMaterial> tabela = LerTabelaMateriais(kTextoTabelaMateriais);
    return tabela;
}

bool TMaterialCanal::Escolhido() const { return Indice != kNenhum && Vadm > 0; }

const TLinhaMaterial* TMaterialCanal::Linha() const {
    const std::vector<TLinhaMaterial>& tabela = TabelaMateriais();
    if (Indice < 1 || Indice > static_cast<int>(tabela.size())) return nullptr;
    return &tabela[static_cast<std::size_t>(Indice - 1)];
}

double TMaterialCanal::TauAdm() const {
    const TLinhaMaterial* linha = Linha();
    return linha ? linha->TauAdm : 0.0;
}

bool TMaterialCanal::TerraNua() const {
    const TLinhaMaterial* linha = Linha();
    return linha && linha->Revestimento == TRevestimento::TerraNua;
}

std::string TMaterialCanal::Descricao() const {
    if (const TLinhaMaterial* linha = Linha()) return linha->Nome + " (" + linha->Condicao + ")";
    return Indice == kDigitado ? kInformado : "";
}

bool TMaterialCanal::LerArquivo(const std::string& nomeArquivo) {
    const TArquivoIni ini(nomeArquivo);
    *this = {};
    const std::string versao = ini.LerTexto(kSecao, kChaveVersao, "");
    if (versao.empty()) return true;  // a project written before the checks existed
    if (versao != kVersao) return false;
    const int indice = ini.LerInteiro(kSecao, "IndMaterial", kNenhum);
    if (indice < kDigitado || indice > static_cast<int>(TabelaMateriais().size())) return false;
    Indice = static_cast<std::int16_t>(indice);
    const double vadm = ini.LerReal(kSecao, "Vadm", 0.0);
    Vadm = vadm > 0 ? vadm : 0.0;
    return true;
}

// A drain without a material leaves a file without the section as the earlier versions wrote it; one
// that had a material records that it has none now.
bool TMaterialCanal::EscreverArquivo(const std::string& nomeArquivo) const {
    const TArquivoIni ini(nomeArquivo);
    if (Indice == kNenhum && !ini.ExisteChave(kSecao, kChaveVersao)) return true;
    ini.EscreverTexto(kSecao, kChaveVersao, kVersao);
    ini.EscreverInteiro(kSecao, "IndMaterial", Indice);
    ini.EscreverReal(kSecao, "Vadm", Vadm);
    return true;
}

}  // namespace talvek
