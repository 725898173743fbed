// The results page of the main window: the design flow, the spacings and the theoretical height of the
// last calculation, and the recommended height of the real section from the non-uniformity coefficient
// the user gives, and the hydraulic checks of the design (GrupoVerificacao.h).
#pragma once

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace talvek {
class TCanalDrenagem;
class TTerreno;
}

namespace talvek::gui {

class TFiltroNumerico;
class TGrupoVerificacao;
class TQuadroFigura;

class TPaginaResultados : public QWidget {
public:
    // `marcarAlterado` is called for every key typed in a value field; `terreno` gives the field slope of
    // the triangular section to the hydraulic checks.
    TPaginaResultados(TCanalDrenagem& canal, const TTerreno& terreno, std::function<void()> marcarAlterado,
                      QWidget* pai = nullptr);

    // The values of the run just finished (Q, EV, EH, H and CDu) and the section picture of the channel
    // type; `comInundacao` (system type 2) hides "&Simulação".
    void MostrarResultados(bool comInundacao);
    // The warnings of the design (uAvisos.h), one a line under the results; none hides the line.
    void MostrarAvisos(const std::vector<std::string>& avisos);
    // The partial-flooding sizing laid open (an HTML table) below the values; an empty text hides it.
    void MostrarTabelaInundacao(const QString& tabela);
    // "OK" or Enter in CoefUni: CDu from the field, then the recommended height and the checks.
    void AtualizarAlturaRecomendada();
    // A coefficient typed in CoefUni and not yet confirmed becomes the design's, with its recommended
    // height; a box left as the program filled it changes nothing (its picture may round the CDu).
    void ConfirmarCoeficienteDigitado();
    // CoefUni and HR from the channel's CDu and Hr, after another page changed them.
    void MostrarCoeficiente();
    // Leaving CoefUni or HR: a coefficient below 1 is refused with a message and replaced by 1.
    void VerificarCoefUni();
    // The help context of the page's "&Ajuda": 132 for system type 2, 122 otherwise.
    int ContextoAjudaPagina() const { return contextoPagina_; }

    QLineEdit* LQ;
    QLineEdit* LEV;
    QLineEdit* EdEH;
    QLineEdit* HUni;
    QLineEdit* CoefUni;
    QLineEdit* HR;
    QLabel* LAvisos;
    TQuadroFigura* FiguraCampo;
    TQuadroFigura* FiguraSecao;
    TQuadroFigura* FiguraSecaoReal;
    TGrupoVerificacao* Verificacao;

    QPushButton* BOk;
    QPushButton* BAjudaReal;
    QPushButton* BVoltar;
    QPushButton* BRelatorio;
    QPushButton* BSimulacao;
    QPushButton* BHidrograma;  // system type 3: the hydrograph page
    QPushButton* BOtimizar;    // the goal-seek dialog
    QLabel* TabelaInundacao;   // system type 2: the sizing's numbers
    QPushButton* BAjuda;
    QPushButton* BFechar;

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    QWidget* CriarValores();
    QGroupBox* CriarSecaoUniforme();
    QGroupBox* CriarSecaoReal();
    void DisporTopo();

    TCanalDrenagem& canal_;
    const TTerreno& terreno_;
    TFiltroNumerico* filtro_;
    QWidget* valores_;
    QGridLayout* topo_;
    int contextoPagina_ = 132;
};

}  // namespace talvek::gui
