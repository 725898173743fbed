// API: TFIdentProjeto(pai); SetAoDigitar(funcao) marks the project modified; Executar(registro&) → exec result, record filled on "&Ok".
// The project identification dialog: name, company, locality, state, technician and date of a project.
// Created once at start-up and shown again for every New and from the menu.
#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "project/IDProjeto.h"

class QLineEdit;
class QPushButton;

namespace talvek::gui {

inline constexpr int kAjudaIdentProjeto = 134;

class TFIdentProjeto : public QDialog {
public:
    explicit TFIdentProjeto(QWidget* pai = nullptr);

    // Called for every key typed in the six fields (and for every other change the user makes to them).
    void SetAoDigitar(std::function<void()> aoDigitar) { aoDigitar_ = std::move(aoDigitar); }

    // Shows the record's texts with the focus on the first field, runs modally and, on "&Ok", copies
    // the six texts back in the order of the fields. Returns QDialog::Accepted or Rejected.
    int Executar(talvek::TIDProjeto& registro);

    QLineEdit* EdNome;
    QLineEdit* EdEmpresa;
    QLineEdit* EdLocal;
    QLineEdit* EdEstado;
    QLineEdit* EdTecnico;
    QLineEdit* EdData;
    QPushButton* BtnOk;
    QPushButton* BtnCancelar;
    QPushButton* BtnAjuda;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    std::array<QLineEdit*, 6> Campos() const { return {EdNome, EdEmpresa, EdLocal, EdEstado, EdTecnico, EdData}; }
    void FormShow(const talvek::TIDProjeto& registro);
    void OkClick(talvek::TIDProjeto& registro);
    void MarcarAlterado();

    std::function<void()> aoDigitar_;
};

}  // namespace talvek::gui
