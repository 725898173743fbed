#include "window/GrupoVerificacao.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "design/uVerificacao.h"
#include "help/Ajuda.h"
#include "report/RelatorioVerificacao.h"

namespace talvek::gui {

namespace {

constexpr int kAjudaVerificacao = 141;
constexpr int kLarguraVeredito = 200;  // px, the verdict column at its narrowest

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

QLabel* Linha(const QString& texto, const char* cor) {
    auto* rotulo = new QLabel(texto);
    rotulo->setObjectName(QStringLiteral("LinhaVerificacao"));
    rotulo->setWordWrap(true);
    // The column is never narrower than this, so the height the text needs there is its minimum.
    rotulo->setMinimumWidth(kLarguraVeredito);
    rotulo->setMinimumHeight(rotulo->heightForWidth(kLarguraVeredito));
    if (cor) rotulo->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(cor)));
    return rotulo;
}

QLabel* Titulo(const std::string& texto) {
    auto* rotulo = new QLabel(Texto(texto));
    QFont negrito = rotulo->font();
    negrito.setBold(true);
    rotulo->setFont(negrito);
    return rotulo;
}

// The material's block reads as one line: its name can be long.
QString LinhaMaterial(const TBlocoVerificacao& bloco) {
    QStringList partes;
    for (const TValorVerificacao& valor : bloco.Valores) partes.append(Texto(valor.Rotulo + " " + valor.Valor));
    return partes.join(QStringLiteral("   "));
}

}  // namespace

// The flow at H and the earthwork at Hr stand side by side, each a title over its label and value columns;
// the layout is built once from the blocks of an empty verification, which has every row. The material
// follows on one line; the verdict lines, word-wrapped, stand in a third column beside the blocks.
TGrupoVerificacao::TGrupoVerificacao(QWidget* pai) : QGroupBox(QStringLiteral(" Verificação hidráulica "), pai) {
    setObjectName(QStringLiteral("GrupoVerificacao"));
    DefinirContextoAjuda(this, kAjudaVerificacao);
    auto* blocos = new QHBoxLayout;
    blocos->setSpacing(12);
    const std::vector<TBlocoVerificacao> vazios = BlocosVerificacao(TVerificacao{});
    // The widest values each block shows, so that a result never needs more room than the page has.
    const std::pair<std::size_t, QString> largurasBlocos[] = {
        {kBlocoAlturaTeorica, QStringLiteral("00,0000 m/s")},
        {kBlocoTerraplenagem, QStringLiteral("00000,0 m²/ha (000,00 %)")}};
    for (const auto& [b, maisLargo] : largurasBlocos) {
        auto* grade = new QGridLayout;
        grade->setVerticalSpacing(1);
        grade->addWidget(Titulo(vazios[b].Titulo), 0, 0, 1, 2);
        int linha = 1;
        for (const TValorVerificacao& valor : vazios[b].Valores) {
            grade->addWidget(new QLabel(Texto(valor.Rotulo)), linha, 0);
            auto* numero = new QLabel;
            numero->setObjectName(QStringLiteral("ValorVerificacao%1").arg(valores_.size()));
            numero->setTextInteractionFlags(Qt::TextSelectableByMouse);
            numero->setMinimumWidth(numero->fontMetrics().horizontalAdvance(maisLargo));
            valores_.push_back(numero);
            grade->addWidget(numero, linha++, 1);
        }
        grade->setRowStretch(linha, 1);
        grade->setColumnStretch(1, 1);
        blocos->addLayout(grade);
    }
    material_ = new QLabel;
    material_->setObjectName(QStringLiteral("MaterialVerificacao"));
    material_->setWordWrap(true);
    linhas_ = new QVBoxLayout;
    linhas_->setSpacing(1);
    // The verdict beside the blocks, a third column: under them the page has no room.
    auto* veredito = new QVBoxLayout;
    veredito->addLayout(linhas_);
    veredito->addStretch(1);
    blocos->addLayout(veredito, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(blocos);
    layout->addWidget(material_);
}

void TGrupoVerificacao::Mostrar(const TVerificacao& v) {
    const std::vector<TBlocoVerificacao> blocos = BlocosVerificacao(v);
    std::size_t i = 0;
    for (std::size_t b : {kBlocoAlturaTeorica, kBlocoTerraplenagem})
        for (const TValorVerificacao& valor : blocos[b].Valores) valores_[i++]->setText(Texto(valor.Valor));
    material_->setText(LinhaMaterial(blocos[kBlocoMaterial]));
    while (QLayoutItem* item = linhas_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const TAvisoVerificacao& aviso : v.Avisos)
        linhas_->addWidget(Linha(Texto(aviso.Texto), aviso.Alerta ? kCorAlerta : nullptr));
    if (v.Atendida) linhas_->addWidget(Linha(Texto(TextoAtendida(v)), kCorAtendida));
}

std::vector<QLabel*> TGrupoVerificacao::Linhas() const {
    std::vector<QLabel*> linhas;
    for (int i = 0; i < linhas_->count(); ++i)
        if (auto* rotulo = qobject_cast<QLabel*>(linhas_->itemAt(i)->widget())) linhas.push_back(rotulo);
    return linhas;
}

}  // namespace talvek::gui
