// The data-entry page of the main window: one design case as text fields in display units, moved into
// the design objects in internal units and back, with the system-type and channel-type switches, the
// spacing fields linked through the terrain slope, the unit change and the emptiness check that precedes
// a calculation.
#pragma once

#include <QWidget>

#include <functional>
#include <optional>

#include "project/ArquivoProjeto.h"
#include "project/BuscaMeta.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace talvek {
class TCanalDrenagem;
class TNimbal21;
class TTerreno;
class TTipoSistema;
}  // namespace talvek

namespace talvek::gui {

class TFiltroNumerico;
class TQuadroFigura;

// The design objects of the main window that the page reads and writes.
struct TObjetosDesenho {
    TCanalDrenagem& CanalDrenagem;
    TTerreno& Terreno;
    TTipoSistema& Sistema;
    TNimbal21& Nimbal1;
};

class TPaginaEntrada : public QWidget {
public:
    // `coefUni` is the non-uniformity field of the results page, read with the other fields;
    // `definirAlterado` marks the project modified (true) or not (false).
    TPaginaEntrada(TObjetosDesenho objetos, const TUnidades& unidades, QLineEdit& coefUni,
                   std::function<void(bool)> definirAlterado, QWidget* pai = nullptr);

    // Fields to model, in internal units. Raises the conversion error of a field that is not a number.
    void LerCamposDados();
    // Model to fields, after a project was opened; the project is then not modified.
    void PreencherCamposDados();
    // Empties the fields (a project created, opened or closed); the project is then not modified.
    void LimparCamposDados();
    // The checks before a calculation (uVerificacaoEntradas.h), on the fields as read into the model, an
    // empty field holding no value: false, with the field's message and focus, at the first that fails.
    bool DadosConsistentes();
    // The same check without the message: the first field that fails and its message (with the line that
    // says more below it, where there is one).
    struct TCampoInvalido {
        QLineEdit* Campo;
        QString Mensagem;
    };
    std::optional<TCampoInvalido> PrimeiroCampoInvalido() const;
    // Its message in an error box, and the focus on the field.
    void RecusarCampo(const TCampoInvalido& invalido);
    // The channel-length rule of leaving its field, also run before a calculation since a project file may
    // hold a longer channel: above 1500 m, the message, the field set to 1500 and focused, and false.
    bool ComprimentoAceito();
    // The same rule for the horizontal spacing, limited to 1500 m as well.
    bool EspacamentoAceito();

    // Unit change: the shown slopes and VIB stored in internal units with the current factors, before
    // the configuration dialog runs ...
    void GuardarValoresExibidos();
    // ... and, once it was confirmed, shown again with the new factors.
    void ReexibirComNovasUnidades();

    // The answer of the goal-seek dialog in its field (m, as the page shows both lengths): the spacing
    // drives the vertical one, as when typed.
    void MostrarValorOtimizado(TVariavelMeta variavel, int metros);

    // The reference dialogs and the rainfall query fill these after an acceptance.
    void MostrarPrecipitacao();      // PrecK..PrecC and the coordinates from the rainfall component
    void MostrarRugosidadeCanal();   // RugCan from nc
    void MostrarRugosidadeTerreno(); // RugTer from nt
    void MostrarSmZ();               // Zsm from Sm × KDecli (triangular) or Z (trapezoidal)
    void MostrarMaterial();          // MaterialCanal from the channel's material
    bool CanalTriangular() const;    // the channel list reads "Triangular"

    // Coordinate text of a masked field as stored: unfilled positions are blanks.
    static QString TextoCoordenada(const QLineEdit& campo);

    QComboBox* CBSistema;
    QLineEdit* TTempo;
    QLineEdit* TTr;
    QLineEdit* PrecK;
    QLineEdit* PrecA;
    QLineEdit* PrecB;
    QLineEdit* PrecC;
    QLineEdit* PrecLa1;
    QLineEdit* PrecLo1;
    QComboBox* Canal;
    QLineEdit* Tsc;
    QLineEdit* TComp;
    QLineEdit* RugCan;
    QLineEdit* Bst;
    QLineEdit* Zsm;
    QLineEdit* TDecli;
    QLineEdit* RugTer;
    QLineEdit* Teh;
    QLineEdit* Tev;
    QLineEdit* TVib;
    QLineEdit* MaterialCanal;  // read-only: the material chosen in its dialog

    QLabel* LBst;
    QLabel* LZsm;
    QLabel* UnidSc;
    QLabel* UnidSt;
    QLabel* UnidSm;
    QLabel* UnidDecli;
    QLabel* UnidVIB;
    TQuadroFigura* FiguraCanal;

    QPushButton* BConsulta;
    QPushButton* BCurvasIdf;  // IDF curves and table of the parameters on the page
    QPushButton* BRugCan;
    QPushButton* BSmZ;
    QPushButton* BRugTer;
    QPushButton* BCobertura;
    QPushButton* BMaterial;
    QPushButton* BAjuda;
    QPushButton* BCalcular;
    QPushButton* BFechar;

    // Linked-field flags: which spacing drives the other, and which of Bst/TDecli was entered last.
    bool EhGuia = false;
    bool EvGuia = false;
    bool BstEditado = false;
    bool DecliEditado = false;

protected:
    // Entering the linked fields and leaving the channel length.
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    QGroupBox* CriarGrupoPrecipitacao();
    QGroupBox* CriarGrupoCanal();
    QGroupBox* CriarGrupoTerreno();
    QGroupBox* CriarGrupoEspacamento();
    QGroupBox* CriarGrupoSolo();
    QLineEdit* CriarCampo(const char* nome, const QString& dica);
    void LigarEventos();

    void MostrarUnidades();
    void SistemaClick();
    void CanalClick();
    void MudarParaTrapezoidal();
    void MudarParaTriangular();

    void EntrarTeh();
    void EntrarTev();
    void EntrarTDecli();
    void EntrarBst();
    void TehChange();
    void TevChange();
    void TDecliChange();
    void BstChange();
    void TeclaDigitada(QLineEdit& campo);
    void RugosidadeCanalClick();
    void RugosidadeTerrenoClick();
    void SmZClick();
    void CoberturaClick();
    void MaterialClick();
    void ConsultaClick();
    void CurvasIdfClick();

    bool LimiteAceito(QLineEdit& campo, double maximo, const QString& mensagem);
    void MarcarAlterado() { definirAlterado_(true); }
    double Valor(const QLineEdit& campo) const;

    TObjetosDesenho objetos_;
    const TUnidades& unidades_;
    QLineEdit& coefUni_;
    std::function<void(bool)> definirAlterado_;
    TFiltroNumerico* filtro_;
    double declividadeEspacamentos_ = 0.0;  // the slope (m/m) the spacing fields belong to; 0 for none
    QLabel* LTempo_;
    QLabel* UnidTempo_;
    QLabel* LRugTer_;
};

}  // namespace talvek::gui
