// The reference-value dialog of a table description (DescricaoReferencia.h): each row of the table is a
// radio button with its values; choosing a row puts its value in the value box, and a value may be typed
// instead. OK returns the value with the index of the row it came from.
#pragma once

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace talvek::gui {

struct CelulaReferencia;
struct DescricaoReferencia;
class TCampoNumerico;
enum class Icone;

// The slope unit of the program, for the tables of slopes: "%" with 100, or "m/m" with 1.
struct UnidadeDeclive {
    std::string nome;
    int multiplicador = 1;
};

class TFReferencia : public QDialog {
    Q_OBJECT

public:
    // `tabela` must outlive the dialog.
    explicit TFReferencia(const DescricaoReferencia& tabela, QWidget* pai = nullptr);

    // Values at show time: the help topic, the row to check (a number without a row checks none), the
    // value to show in the unit of the table (0 shows the row's value or nothing; over a range row it is
    // shown even when 0) and, for a table of slopes, the slope unit.
    void Preparar(int helpContext, std::int16_t indice, double valor, const UnidadeDeclive& unidade = {});

    // After OK: the row of the chosen value (the table's index of a typed value when typed) and the value.
    std::int16_t Indice() const { return indice_; }
    double Valor() const { return valor_; }

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    QGridLayout* CriarTabela();
    QLabel* CriarCelula(const CelulaReferencia& celula);
    QVBoxLayout* CriarFonte();
    void FormShow();
    QString TextoNumero(double valor) const;
    bool EhFaixa(int linha) const;
    void LinhaEscolhida(int linha);
    void CaractereDigitado(bool aceito);
    void AtualizarOk();
    void OKClick();
    QString AvisoFaixa() const;
    void Recusar(const QString& aviso, Icone icone);  // shows the message, the box keeps the focus

    // A number cell and its label, written when the dialog is shown.
    struct CelulaNumerica {
        QLabel* rotulo;
        const CelulaReferencia* celula;
    };

    const DescricaoReferencia& tabela_;
    QButtonGroup* opcoes_;
    TCampoNumerico* caixa_;
    QPushButton* ok_ = nullptr;
    std::vector<QLabel*> valores_;  // the cell of column `colunaValor`, row by row
    std::vector<CelulaNumerica> numericas_;
    UnidadeDeclive unidade_;
    std::int16_t indice_ = 0;
    double valor_ = 0.0;
};

}  // namespace talvek::gui
