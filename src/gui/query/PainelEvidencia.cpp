#include "query/PainelEvidencia.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/Dicas.h"
#include "platform/Numeros.h"

namespace talvek::gui {

namespace {

constexpr int kLinhasVisiveis = 6;  // rows in sight before the table scrolls
constexpr int kAlturaLinha = 20;    // px

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

QTableWidgetItem* Item(const std::string& texto, bool numero) {
    auto* item = new QTableWidgetItem(Texto(texto));
    item->setTextAlignment(numero ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return item;
}

}  // namespace

TPainelEvidencia::TPainelEvidencia(QWidget* pai) : QWidget(pai) {
    Expandir = new QToolButton(this);
    Expandir->setText(QStringLiteral("Estações que contribuem"));
    Expandir->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    Expandir->setCheckable(true);
    Expandir->setChecked(true);
    Expandir->setArrowType(Qt::DownArrow);
    Expandir->setAutoRaise(true);
    DefinirDica(*Expandir, QStringLiteral("Estações de onde vêm os parâmetros, com distância e peso"));
    CurvasIdf = new QPushButton(QStringLiteral("Curvas &IDF"), this);
    DefinirDica(*CurvasIdf, QStringLiteral("Curvas e tabela de intensidade-duração-freqüência"));
    CurvasIdf->setEnabled(false);

    Avisos = new QLabel(this);
    Avisos->setWordWrap(true);
    Avisos->setStyleSheet(QStringLiteral("color: #990000;"));
    Avisos->hide();

    Tabela = new QTableWidget(0, 8, this);
    Tabela->setHorizontalHeaderLabels({QStringLiteral("Estação"), QStringLiteral("UF"), QStringLiteral("Distância"),
                                       QStringLiteral("Peso"), QStringLiteral("K"), QStringLiteral("a"),
                                       QStringLiteral("b"), QStringLiteral("c")});
    Tabela->verticalHeader()->hide();
    Tabela->verticalHeader()->setDefaultSectionSize(kAlturaLinha);
    Tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabela->setSelectionMode(QAbstractItemView::NoSelection);
    Tabela->setFocusPolicy(Qt::NoFocus);
    QHeaderView* cabecalho = Tabela->horizontalHeader();
    cabecalho->setSectionResizeMode(QHeaderView::ResizeToContents);
    cabecalho->setSectionResizeMode(0, QHeaderView::Stretch);
    Tabela->setFixedHeight(cabecalho->sizeHint().height() + kLinhasVisiveis * kAlturaLinha + 4);

    auto* topo = new QHBoxLayout;
    topo->addWidget(Expandir);
    topo->addStretch(1);
    topo->addWidget(CurvasIdf);
    auto* leiaute = new QVBoxLayout(this);
    leiaute->setContentsMargins(8, 0, 8, 8);
    leiaute->setSpacing(4);
    leiaute->addLayout(topo);
    leiaute->addWidget(Avisos);
    leiaute->addWidget(Tabela);

    connect(Expandir, &QToolButton::toggled, this, [this](bool aberto) {
        Expandir->setArrowType(aberto ? Qt::DownArrow : Qt::RightArrow);
        Tabela->setVisible(aberto);
    });
}

void TPainelEvidencia::Mostrar(const TEvidenciaChuva& evidencia) {
    Limpar();
    const std::size_t listadas = std::min(evidencia.Estacoes.size(), kEstacoesListadas);
    const std::optional<std::string> outras = LinhaOutrasEstacoes(evidencia);
    Tabela->setRowCount(static_cast<int>(listadas) + (outras ? 1 : 0));
    for (std::size_t i = 0; i < listadas; ++i) {
        const TEstacaoContribuinte& e = evidencia.Estacoes[i];
        const int linha = static_cast<int>(i);
        Tabela->setItem(linha, 0, Item(e.Nome, false));
        Tabela->setItem(linha, 1, Item(e.Estado, false));
        Tabela->setItem(linha, 2, Item(TextoDistancia(e.DistanciaKm), true));
        Tabela->setItem(linha, 3, Item(TextoPeso(e.Peso), true));
        Tabela->setItem(linha, 4, Item(FormatarGeral(e.K), true));
        Tabela->setItem(linha, 5, Item(FormatarGeral(e.A), true));
        Tabela->setItem(linha, 6, Item(FormatarGeral(e.B), true));
        Tabela->setItem(linha, 7, Item(FormatarGeral(e.C), true));
    }
    if (outras) {
        const int linha = static_cast<int>(listadas);
        Tabela->setItem(linha, 0, Item(*outras, false));
        Tabela->setSpan(linha, 0, 1, 8);
    }
    QString avisos;
    for (const std::string& aviso : evidencia.Avisos) avisos += (avisos.isEmpty() ? "" : "\n") + Texto(aviso);
    Avisos->setText(avisos);
    Avisos->setVisible(!avisos.isEmpty());
    CurvasIdf->setEnabled(!evidencia.Estacoes.empty());
}

void TPainelEvidencia::Limpar() {
    Tabela->clearSpans();
    Tabela->setRowCount(0);
    Avisos->clear();
    Avisos->hide();
    CurvasIdf->setEnabled(false);
}

}  // namespace talvek::gui
