#include "query/FoCurvasIdf.h"

#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "common/ExportarGrafico.h"
#include "platform/Numeros.h"

namespace talvek::gui {

namespace {

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

// Colours of the curves, from the shortest return period to the longest.
const QColor kCores[] = {QColor(0x1f, 0x77, 0xb4), QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd),
                         QColor(0xff, 0x7f, 0x0e), QColor(0x8c, 0x56, 0x4b), QColor(0x7f, 0x7f, 0x7f),
                         QColor(0x17, 0xbe, 0xcf)};
const QColor kCorProjeto(0xd6, 0x27, 0x28);

QLogValueAxis* EixoLog(const QString& titulo, double minimo, double maximo) {
    auto* eixo = new QLogValueAxis;
    eixo->setBase(10);
    eixo->setTitleText(titulo);
    eixo->setLabelFormat(QStringLiteral("%.0f"));
    eixo->setMinorTickCount(8);
    eixo->setRange(minimo, maximo);
    return eixo;
}

QTableWidget* Grade(const TTabelaIdf& tabela, const std::vector<std::vector<double>>& valores, double trProjeto,
                    QWidget* pai) {
    auto* grade = new QTableWidget(static_cast<int>(tabela.TrAnos.size()), static_cast<int>(tabela.DuracoesMin.size()),
                                   pai);
    QStringList duracoes, periodos;
    for (const double t : tabela.DuracoesMin) duracoes << Texto(FormatarGeral(t)) + QStringLiteral(" min");
    for (const double tr : tabela.TrAnos) periodos << QStringLiteral("Tr ") + Texto(FormatarGeral(tr));
    grade->setHorizontalHeaderLabels(duracoes);
    grade->setVerticalHeaderLabels(periodos);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grade->verticalHeader()->setDefaultSectionSize(20);
    for (std::size_t i = 0; i < valores.size(); ++i) {
        for (std::size_t j = 0; j < valores[i].size(); ++j) {
            auto* item = new QTableWidgetItem(Texto(FormatarFloat("0.0", valores[i][j])));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (tabela.TrAnos[i] == trProjeto) {
                QFont fonte = item->font();
                fonte.setBold(true);
                item->setFont(fonte);
            }
            grade->setItem(static_cast<int>(i), static_cast<int>(j), item);
        }
    }
    grade->setFixedHeight(grade->horizontalHeader()->sizeHint().height() + grade->rowCount() * 20 + 4);
    return grade;
}

}  // namespace

std::vector<double> TfrmFoCurvasIdf::PeriodosDeRetorno(double trProjeto) {
    std::vector<double> periodos(kTrTabelaAnos.begin(), kTrTabelaAnos.end());
    if (trProjeto > 0 && std::find(periodos.begin(), periodos.end(), trProjeto) == periodos.end()) {
        periodos.push_back(trProjeto);
        std::sort(periodos.begin(), periodos.end());
    }
    return periodos;
}

TfrmFoCurvasIdf::TfrmFoCurvasIdf(const TParametrosIdf& parametros, double trProjeto, QWidget* pai) : QDialog(pai) {
    setWindowTitle(QStringLiteral("Curvas IDF - i = ") + Texto(FormatarGeral(parametros.K)) +
                   QStringLiteral("·Tr^") + Texto(FormatarGeral(parametros.A)) + QStringLiteral(" / (t + ") +
                   Texto(FormatarGeral(parametros.B)) + QStringLiteral(")^") + Texto(FormatarGeral(parametros.C)));
    const std::vector<double> periodos = PeriodosDeRetorno(trProjeto);
    const TTabelaIdf tabela = TabelaIdf(parametros, periodos);

    auto* grafico = new QChart;
    grafico->setBackgroundBrush(Qt::white);
    grafico->setLocalizeNumbers(true);
    grafico->legend()->setAlignment(Qt::AlignRight);
    double minimo = 0, maximo = 0;
    for (std::size_t k = 0; k < periodos.size(); ++k) {
        auto* serie = new QLineSeries;
        serie->setName(QStringLiteral("Tr = ") + Texto(FormatarGeral(periodos[k])) + QStringLiteral(" anos"));
        for (const TPontoCurvaIdf& ponto : CurvaIdf(parametros, periodos[k])) {
            serie->append(ponto.DuracaoMin, ponto.IntensidadeMmH);
            minimo = minimo == 0 ? ponto.IntensidadeMmH : std::min(minimo, ponto.IntensidadeMmH);
            maximo = std::max(maximo, ponto.IntensidadeMmH);
        }
        const bool projeto = periodos[k] == trProjeto;
        QPen caneta(projeto ? kCorProjeto : kCores[k % std::size(kCores)]);
        caneta.setWidthF(projeto ? 3.5 : 1.5);
        serie->setPen(caneta);
        grafico->addSeries(serie);
    }
    // Whole decades around the curves, so that the logarithmic axis labels its powers of ten.
    const double piso = std::pow(10.0, std::floor(std::log10(minimo > 0 ? minimo : 1)));
    const double teto = std::pow(10.0, std::ceil(std::log10(maximo > 0 ? maximo : 10)));
    QLogValueAxis* eixoX = EixoLog(QStringLiteral("Duração (min)"), kDuracaoMinimaCurvaMin, kDuracaoMaximaCurvaMin);
    QLogValueAxis* eixoY = EixoLog(QStringLiteral("Intensidade (mm/h)"), piso, teto);
    grafico->addAxis(eixoX, Qt::AlignBottom);
    grafico->addAxis(eixoY, Qt::AlignLeft);
    for (QAbstractSeries* serie : grafico->series()) {
        serie->attachAxis(eixoX);
        serie->attachAxis(eixoY);
    }
    Grafico = new QChartView(grafico, this);
    Grafico->setRenderHint(QPainter::Antialiasing);
    Grafico->setMinimumSize(720, 400);

    Intensidades = Grade(tabela, tabela.IntensidadesMmH, trProjeto, this);
    Laminas = Grade(tabela, tabela.LaminasMm, trProjeto, this);
    auto* botoes = new QDialogButtonBox(QDialogButtonBox::Close, this);
    botoes->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Fechar"));
    Exportacao = new TExportacaoGrafico(
        *Grafico,
        [curvas = TabelaCurvasIdf(parametros, periodos)](TFormatoTabela formato) { return TextoPlanilha(curvas, formato); },
        QStringLiteral("Copia ou salva a tabela e o gráfico das curvas IDF"));
    botoes->addButton(Exportacao->Botao, QDialogButtonBox::ActionRole);
    connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* leiaute = new QVBoxLayout(this);
    leiaute->addWidget(Grafico, 1);
    leiaute->addWidget(new QLabel(QStringLiteral("<b>Intensidades (mm/h)</b>"), this));
    leiaute->addWidget(Intensidades);
    leiaute->addWidget(new QLabel(QStringLiteral("<b>Lâminas (mm)</b>"), this));
    leiaute->addWidget(Laminas);
    leiaute->addWidget(botoes);
}

}  // namespace talvek::gui
