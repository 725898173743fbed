// The goal-seek dialog of the results page ("Otimizar…"): the largest horizontal spacing, or the longest
// channel, whose recommended or theoretical height stays within a target in cm (project/BuscaMeta.h),
// with the design at the answer. "&Aplicar" closes it accepted, leaving the answer for the data page.
#pragma once

#include <QDialog>

#include <optional>

#include "project/BuscaMeta.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace talvek::gui {

class TFiltroNumerico;

inline constexpr int kAjudaOtimizar = 143;

class TFOtimizar : public QDialog {
public:
    // The design of the last calculation, read only; every sizing of the search runs on copies.
    explicit TFOtimizar(const TCasoMeta& caso, QWidget* pai = nullptr);

    // "&Calcular": the search for the target typed; a field that is empty, zero or not a number is refused
    // with a message and nothing is searched.
    void CalcularClick();
    // The variable and the answer of the last search, once it found one.
    TVariavelMeta Variavel() const;
    std::optional<int> Valor() const { return resultado_ ? resultado_->Valor : std::nullopt; }

    QRadioButton* REspacamento;
    QRadioButton* RComprimento;
    QRadioButton* RAlturaRecomendada;
    QRadioButton* RAlturaTeorica;
    QLineEdit* EdMaximo;  // cm
    QPushButton* BCalcular;
    QLabel* LValor;
    QLabel* LVazao;
    QLabel* LAlturaTeorica;
    QLabel* LAlturaRecomendada;
    QLabel* LAvaliacoes;
    QLabel* LMensagem;
    QLabel* LAviso;  // a sizing that failed during the search
    QPushButton* BAplicar;
    QPushButton* BFechar;
    QPushButton* BAjuda;

private:
    void MostrarResultado();

    TCasoMeta caso_;
    TFiltroNumerico* filtro_;
    std::optional<TResultadoMeta> resultado_;
    TVariavelMeta variavelResultado_ = TVariavelMeta::EH;
};

}  // namespace talvek::gui
