// The query dialog of the IDF parameters K, a, b, c: a state, then a station (its stored parameters), a
// locality, a point of the state map or typed coordinates (parameters interpolated by inverse distance
// over the stations). Opened only by the rainfall component, which presets it and takes the choice over.
#pragma once

#include <QDialog>
#include <QImage>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "query/PontosEstacoes.h"
#include "rainfall/EvidenciaChuva.h"
#include "rainfall/MapasEstados.h"
#include "rainfall/UnBD.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QPushButton;
class QStackedWidget;
class QWidget;

namespace talvek::gui {

class TPainelEvidencia;

class TfrmFoConsulta : public QDialog {
public:
    // Reads the stations of the database in `pastaDados` (the shared data folder, ending with a
    // separator); EArquivoNaoExiste / EArquivoInvalido leave the constructor.
    explicit TfrmFoConsulta(const std::string& pastaDados, QWidget* pai = nullptr);
    ~TfrmFoConsulta() override;

    // Coordinate text → degrees, range-checked against the frame while a state map is shown
    // ("Latitude <texto> não definida."); on success the degrees and the text are kept in step.
    void DefinirLatitudeTexto(const std::string& texto);
    void DefinirLongitudeTexto(const std::string& texto);
    // Degrees → text with truncated seconds; a value outside the frame of the last map state is ignored.
    void DefinirLatitude(double valor);
    void DefinirLongitude(double valor);

    // ---- Handlers -----------------------------------------------------------------------------
    void EstadosClick();               // select the state of the `Estados` list
    void LBEstacaoClick();             // show the selected station's stored parameters
    void LBLocalidadeClick();          // interpolate at the selected locality
    void CalculalaloClick();           // interpolate at the typed coordinates
    void EstadoBMPMouseMove(int x, int y);
    void EstadoBMPMouseUp(int x, int y);
    void BrasilBMPMouseMove(int x, int y);
    void BrasilBMPMouseUp(int x, int y);
    void MapadoBrasilClick();          // back to the map of Brazil
    void AutorClick();                 // citation of the data source, or the interpolation note
    void BtnRelatClick();              // the query report
    void BtnOkClick();                 // "&Fechar": take the choice over
    void CurvasIdfClick();             // IDF curves and table of the parameters shown

    // ---- State read and preset by the rainfall component ---------------------------------------
    TEstado Estado;
    std::string StrLatitude, StrLongitude;  // coordinate texts; empty at first
    double Latitude = 0, Longitude = 0;     // the same in degrees south / west
    TEstacao Registro;                       // the parameters shown: a station's or interpolated
    std::string StrCidade;                   // station or locality name as stored, or "Não definida"
    std::int16_t IndEstacao = -1;           // list positions, −1 none
    std::int16_t IndLocalidade = -1;
    bool ShowAbout = false;
    std::string Autoria;                    // citation key taken over on closing
    bool PrimeiraAtivacao = true;
    TEvidenciaChuva Evidencia;              // the stations behind the parameters shown; empty for none
    double TrProjeto = 0;                   // the project's return period (years) for the IDF curves; 0 unknown
    QPrinter* Impressora = nullptr;         // the program's printer, on which the query report prints

    // Marker position on the state map, pixels (real; rounded where a pixel is read or drawn).
    double px = 0, py = 0;
    TQuadroMapa MapaEstado{};  // frame of the last state with a map

    // ---- Controls ---------------------------------------------------------------------------
    QComboBox* Estados;
    QListWidget* LBEstacao;
    QListWidget* LBLocalidade;
    QLabel* LLocalidades;
    QLabel* lAviso;
    QLabel* lSemEstacoes;  // over the hidden localities of a state without stations: where there are some
    QPushButton* Autor;
    QStackedWidget* Notebook1;
    QLabel* BrasilBMP;
    QLabel* NomeCid;
    QLabel* LatCid;
    QLabel* LonCid;
    QLabel* LabelLatitude;
    QLabel* LabelLongitude;
    QLabel* EstadoBMP;
    QWidget* EixoX;
    QWidget* EixoY;
    QLabel* LabelLat;
    QLabel* LabelLon;
    QLabel* PrecK;
    QLabel* PrecA;
    QLabel* PrecB;
    QLabel* PrecC;
    QLineEdit* PrecLaAux;
    QLineEdit* PrecLoAux;
    QPushButton* Calculalalo;
    QPushButton* BtnRelat;
    QPushButton* BtnAjuda;
    QPushButton* BtnCancel;
    QPushButton* BtnOk;
    QAction* MapadoBrasil1;
    TPainelEvidencia* PainelEvidencia;

    // The state map as loaded and the map of Brazil, for pixel tests and the report.
    const QImage& ImagemEstado() const { return imagemEstado_; }
    const QImage& ImagemBrasil() const { return imagemBrasil_; }
    const std::string& TextoAutor() const { return chaveAutor_; }
    // The dots of the shown state's stations on the map in sight.
    const std::vector<TPontoEstacao>& PontosEstacoes() const { return pontos_; }
    // The entry text of a coordinate field, unfilled positions as blanks.
    static std::string TextoDoCampo(const QLineEdit& campo);

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    void CriarControles();
    void CriarMenu();
    void CriarPainelEvidencia();
    void LigarEventos();
    void FormActivate();
    void SelecionarEstado(bool chamadoPelaAtivacao);
    void ResetarExibicao();
    void PreencherListas();
    void PosicionarMarca();
    void EsconderMarca();
    void MostrarParametrosGerais();
    bool DentroDoEstado() const;   // pixel at the rounded (px, py) is the state's blue
    void AtualizarAviso();
    void MostrarSobre();
    void DefinirAutor(const std::string& texto);
    // Degrees of a coordinate text, refused with the field's message outside the frame of a shown map.
    double GrausAceitos(const std::string& texto, bool latitude) const;
    bool MapaEstadoExibido() const;  // EstadoBMP shown (not hidden), whatever the dialog's own visibility
    void MostrarEvidencia(TEvidenciaChuva evidencia);  // the panel and the weights of the dots
    void DesenharEstacoes();
    // Over a station's dot: the hint names it; released there, the station is selected (true).
    bool PontoDeEstacao(QObject* mapa, QPoint ponto, bool solto);

    std::string pastaDados_;
    std::unique_ptr<TBDPrecipitacao> bd_;
    QImage imagemEstado_;
    QImage imagemBrasil_;
    std::vector<int> registroDaEstacao_;    // list row → record of the state's stations
    std::vector<int> registroDaLocalidade_; // list row → record of the state's localities
    bool marcaCalculo_ = false;             // Calcular is simulating a map click
    bool ativado_ = false;                  // the first showing has selected the preset place
    std::string chaveAutor_;                // text of the `Autor` button (a key may hold "&")
    std::vector<TPontoEstacao> pontos_;     // dots of the shown state's stations, on the map in sight
};

}  // namespace talvek::gui
