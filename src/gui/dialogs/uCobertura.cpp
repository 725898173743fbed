#include "dialogs/uCobertura.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "common/GrupoOpcoes.h"
#include "dialogs/TabelaReferencia.h"
#include "help/Ajuda.h"

namespace talvek::gui {

namespace {

const QString kTitulo = QStringLiteral("Definição da Cobertura Vegetal");
const QString kUsoTerra = QStringLiteral(" U&so da terra ");
const QString kTratamento = QStringLiteral(" &Tratamento ");
const QString kCondicao = QStringLiteral(" Condição &hidrológica ");
const std::array<const char*, 6> kUsos{"Sem cultivo",
                                       "Cultivo em fileiras",
                                       "Cultivo em fileiras estreitas",
                                       "Leguminosas em fileiras estreitas",
                                       "Pastagem para pastoreio",
                                       "Floresta"};
const std::array<const char*, 3> kTratamentos{"Fileiras retas", "Com curvas de nível", "Curvas de nível e terraço"};
const std::array<const char*, 3> kCondicoes{"Má", "Regular", "Boa"};

constexpr int kSemCultivo = 0;
constexpr int kFloresta = 5;
constexpr int kNenhum = -1;  // no item of a group selected

// What a land use admits: the treatment and condition items enabled, and the items preselected.
struct Regra {
    std::array<bool, 3> tratamentos;
    std::array<bool, 3> condicoes;
    int tratamento;
    int condicao;
};

constexpr Regra kCultivo{{true, true, true}, {true, false, true}, 0, 0};
constexpr std::array<Regra, 6> kRegras{{
    {{true, false, false}, {false, false, false}, 0, kNenhum},  // "Sem cultivo"
    kCultivo,
    kCultivo,
    kCultivo,
    {{false, true, false}, {true, true, true}, 1, 0},        // "Pastagem para pastoreio"
    {{false, false, false}, {true, true, true}, kNenhum, 0},  // "Floresta"
}};

template <std::size_t N>
QGroupBox* Grupo(const QString& titulo, const std::array<const char*, N>& itens, QButtonGroup& botoes,
                 const QString& nome, QWidget* pai) {
    auto* grupo = new QGroupBox(titulo, pai);
    grupo->setObjectName(nome);
    auto* coluna = new QVBoxLayout(grupo);
    for (std::size_t i = 0; i < N; ++i) {
        auto* botao = new QRadioButton(QString::fromUtf8(itens[i]), grupo);
        botao->setObjectName(nome + QString::number(i));
        botoes.addButton(botao, static_cast<int>(i));
        coluna->addWidget(botao);
    }
    coluna->addStretch();
    return grupo;
}

void Habilitar(QButtonGroup& grupo, const std::array<bool, 3>& habilitados) {
    for (int i = 0; i < 3; ++i) grupo.button(i)->setEnabled(habilitados[i]);
}

// Selects item `item` of the group as a radio group does: beyond the last item the last one, below 0 none.
void SelecionarItem(QButtonGroup& grupo, int item) {
    MarcarOpcao(grupo, std::min(item, static_cast<int>(grupo.buttons().size()) - 1));
}

}  // namespace

TFCober::TFCober(QWidget* pai)
    : QDialog(pai), RGUsoTerra_(new QButtonGroup(this)), RGTratamento_(new QButtonGroup(this)),
      RGCondicao_(new QButtonGroup(this)) {
    setWindowTitle(kTitulo);
    QGroupBox* usoTerra = Grupo(kUsoTerra, kUsos, *RGUsoTerra_, QStringLiteral("RGUsoTerra"), this);
    QGroupBox* tratamento = Grupo(kTratamento, kTratamentos, *RGTratamento_, QStringLiteral("RGTratamento"), this);
    QGroupBox* condicao = Grupo(kCondicao, kCondicoes, *RGCondicao_, QStringLiteral("RGCondicao"), this);

    auto* direita = new QVBoxLayout;
    direita->addWidget(tratamento);
    direita->addWidget(condicao);
    auto* grupos = new QHBoxLayout;
    grupos->addWidget(usoTerra);
    grupos->addLayout(direita);

    const BotoesDialogo botoes = CriarBotoes(*this);
    QHBoxLayout* rodape = LinhaBotoes(botoes);

    auto* principal = new QVBoxLayout(this);
    principal->setSizeConstraint(QLayout::SetFixedSize);
    principal->addLayout(grupos);
    principal->addSpacing(4);
    principal->addLayout(rodape);

    connect(RGUsoTerra_, &QButtonGroup::idToggled, this, [this](int uso, bool marcado) {
        if (marcado) RGUsoTerraClick(uso);
    });
    connect(botoes.ok, &QPushButton::clicked, this, &TFCober::OKClick);
    connect(botoes.cancela, &QPushButton::clicked, this, &QDialog::reject);
}

void TFCober::Preparar(int helpContext, const TUsoTerra& usoTerra, const TTratamento& tratamento,
                       const TCondicaoHidrologica& condicao) {
    DefinirContextoAjuda(this, helpContext);
    usoTerra_.Atribuir(usoTerra);
    tratamento_.Atribuir(tratamento);
    condicao_.Atribuir(condicao);
}

void TFCober::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (!evento->spontaneous()) FormShow();
}

// The land use applies its rules first; the stored treatment and condition then replace the defaults.
void TFCober::FormShow() {
    const int tratamento = tratamento_.Indice;
    const int condicao = condicao_.Indice;
    DesmarcarTodos(*RGUsoTerra_);
    SelecionarItem(*RGUsoTerra_, usoTerra_.Indice);
    SelecionarItem(*RGTratamento_, tratamento - 1);
    SelecionarItem(*RGCondicao_, condicao - 1);
}

void TFCober::RGUsoTerraClick(int usoTerra) {
    const Regra& regra = kRegras[usoTerra];
    DesmarcarTodos(*RGTratamento_);
    DesmarcarTodos(*RGCondicao_);
    Habilitar(*RGTratamento_, regra.tratamentos);
    Habilitar(*RGCondicao_, regra.condicoes);
    MarcarOpcao(*RGTratamento_, regra.tratamento);
    MarcarOpcao(*RGCondicao_, regra.condicao);
}

// Items count from 0; treatment and condition indices from 1, with 0 for none.
void TFCober::OKClick() {
    const int usoTerra = RGUsoTerra_->checkedId();
    usoTerra_.Indice = static_cast<std::uint8_t>(usoTerra);
    condicao_.Indice = static_cast<std::uint8_t>(RGCondicao_->checkedId() + 1);
    tratamento_.Indice = static_cast<std::uint8_t>(RGTratamento_->checkedId() + 1);
    if (usoTerra == kFloresta) tratamento_.Indice = 0;
    if (usoTerra == kSemCultivo) condicao_.Indice = 0;
    accept();
}

}  // namespace talvek::gui
