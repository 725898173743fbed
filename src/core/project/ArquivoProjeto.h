// Project files (".tvk"): one design case with its identification, system type, rainfall parameters,
// field, drain and display units. Every design object reads and writes its own sections; this layer
// calls them in the file's order and adds the display units of [TALVEK2].
#pragma once

#include <string>

#include "platform/Excecoes.h"

namespace talvek {

class TCanalDrenagem;
class TIDProjeto;
class TNimbal21;
class TTerreno;
class TTipoSistema;

// Display units: shown value = internal value × factor (slopes held in m/m, VIB in mm/h).
struct TUnidades {
    std::string UDecli = "m/m";  // slope unit: "m/m" or "%"
    int KDecli = 1;              // 1 or 100
    std::string UVIB = "mm/h";   // infiltration-rate unit: "mm/h", "m/h" or "m/dia"
    double KVIB = 1.0;           // 1, 0.001 or 0.024
};

// The display units the program offers, each with its factor.
struct TUnidadeDeclividade {
    const char* texto;
    int fator;
};
inline constexpr TUnidadeDeclividade kUnidadesDeclividade[] = {{"m/m", 1}, {"%", 100}};

struct TUnidadeVIB {
    const char* texto;
    double fator;
};
inline constexpr TUnidadeVIB kUnidadesVIB[] = {{"mm/h", 1.0}, {"m/h", 0.001}, {"m/dia", 0.024}};

// Takes from `lidas` the slope unit with its factor, and the VIB unit with its factor, each only when it is
// a pair the program offers: a file edited by hand must not give "%" with factor 1, or a factor 0 that
// would divide every typed value by zero.
void AdotarUnidadesConhecidas(TUnidades& unidades, const TUnidades& lidas);

// A project file that could not be opened, or whose objects refused to be written.
class EArquivoProjeto : public Exception {
public:
    using Exception::Exception;
};

// The objects a project file holds; they belong to the caller (the main window, talvek-calc).
struct TObjetosProjeto {
    TIDProjeto& Identificacao;
    TTipoSistema& Sistema;
    TNimbal21& Nimbal1;
    TTerreno& Terreno;
    TCanalDrenagem& CanalDrenagem;
    TUnidades& Unidades;
};

// Writes identification, system type, rainfall component, terrain, channel, then [TALVEK2], all into one
// copy of the file (TEdicaoIni, holding the file's lock), which then replaces the file once. An object that
// reports failure stops the write with EArquivoProjeto("Não foi possível gravar o arquivo " + path + ".")
// and the file stays as it was; a file that cannot be replaced raises EGravacaoArquivo with its own message.
void EscreverProjeto(const std::string& caminho, const TObjetosProjeto& objetos);

// Where the opening of a project of the earlier layout puts the conversion.
enum class TConversao {
    NoArquivo,  // the window: the file is read again under its lock and the converted copy replaces it, once
    NaMemoria,  // talvek-calc's subcommands that only read: the file is never written
};

// Reads the objects in the same order, each value stored as it is read, from one copy of the file. A missing
// file, another version or a value outside its condition raises EArquivoProjeto("Não foi possível abrir o
// arquivo " + path + "."), leaving what was read before in the objects. The display units are replaced only
// by a [TALVEK2] of version "2.0". A file of the earlier layout is converted as `conversao` says; a file
// that cannot be converted on disk (read-only) still opens.
void LerProjeto(const std::string& caminho, const TObjetosProjeto& objetos,
                TConversao conversao = TConversao::NoArquivo);

}  // namespace talvek
