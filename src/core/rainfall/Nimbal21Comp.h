// The rainfall component's state: the design storm it owns and where the storm's parameters came from
// (state, station or locality, coordinates, citation), as saved in a project file. The desktop program
// derives its query component from this class and adds the query itself (`Executar`), so the state
// exists once.
#pragma once

#include <cstdint>
#include <string>

#include "model/uPrecipitacao.h"

namespace talvek {

class TNimbal21 {
public:
    TNimbal21() { Limpar(); }
    virtual ~TNimbal21() = default;
    TNimbal21(const TNimbal21&) = delete;
    TNimbal21& operator=(const TNimbal21&) = delete;

    // The storm cleared, no state (−1), station and locality 0, texts empty; Autoria stays.
    void Limpar();

    // [NIMBAL] and, through the storm, its two sections. LerArquivo never raises: false when the section
    // is missing, of another version, or a key cannot be read (values read before stay); the storm's own
    // outcome does not count. EscreverArquivo lets file errors through and returns false when the storm's
    // sections could not be written.
    bool LerArquivo(const std::string& nomeArquivo);
    bool EscreverArquivo(const std::string& nomeArquivo);

    const std::string& Autoria() const { return Autoria_; }  // citation key; "Interpolação"; empty: none

    std::string Secao;           // suffix of the component's section name in a project file
    std::string Latitude;        // coordinate text; empty or the blank mask when not given
    std::string Longitude;
    std::int16_t IndLocalidade;  // locality within its state, −1 none
    std::int16_t IndEstacao;     // station within its state, −1 none
    std::int16_t IndEstado;      // state of the database, 0–26, −1 none
    std::string StrCidade;       // station or locality name, or "Não definida"
    std::string StrEstado;       // state name
    int HelpContext;             // help topic of the query dialog
    bool ShowAbout;              // show the about box when the query dialog first opens
    TPrecipitacaoExponencialNegativa Precipitacao;  // the design storm

protected:
    void DefinirAutoria(const std::string& autoria) { Autoria_ = autoria; }  // taken over from a query

private:
    std::string Autoria_;
};

}  // namespace talvek
