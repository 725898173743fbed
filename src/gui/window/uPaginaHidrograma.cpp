#include "window/uPaginaHidrograma.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QGraphicsScene>
#include <QScatterSeries>
#include <QTextBrowser>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

#include "common/ExportarGrafico.h"
#include "design/uBalancoHidrico.h"
#include "help/Ajuda.h"
#include "report/TextoBalanco.h"

namespace talvek::gui {

namespace {

constexpr int kAjudaHidrograma = 142;
constexpr int kLarguraTabelas = 430;  // px
// The report's picture, px: at most the printable width of a page (17 cm).
constexpr int kLarguraFigura = 640;
constexpr int kAlturaFigura = 420;

QValueAxis* Eixo(const QString& titulo, const char* formato) {
    auto* eixo = new QValueAxis;
    eixo->setTitleText(titulo);
    eixo->setLabelFormat(QString::fromLatin1(formato));
    return eixo;
}

// Upper end of an axis: a little above the highest value, 1 when there is none.
double Topo(double maximo) { return maximo > 0 ? 1.1 * maximo : 1; }

}  // namespace

TPaginaHidrograma::TPaginaHidrograma(QWidget* pai) : QWidget(pai) {
    setObjectName(QStringLiteral("PaginaHidrograma"));
    DefinirContextoAjuda(this, kAjudaHidrograma);
    grafico_ = new QChart;
    grafico_->setBackgroundBrush(Qt::white);
    grafico_->setLocalizeNumbers(true);
    grafico_->setTitle(QStringLiteral("Hidrogramas da encosta e da saída do dreno"));
    grafico_->legend()->setAlignment(Qt::AlignBottom);
    SerieEncosta = new QLineSeries;
    SerieEncosta->setName(QStringLiteral("Encosta (L/s por m)"));
    SerieEncosta->setColor(QColor(0, 128, 0));
    SerieCanal = new QLineSeries;
    SerieCanal->setName(QStringLiteral("Dreno (L/s)"));
    SerieCanal->setColor(Qt::blue);
    SeriePico = new QScatterSeries;
    SeriePico->setName(QStringLiteral("Vazão de projeto"));
    SeriePico->setColor(Qt::red);
    SeriePico->setMarkerSize(9);
    SeriePico->setPointLabelsVisible(true);
    SeriePico->setPointLabelsClipping(false);
    for (QXYSeries* serie : {static_cast<QXYSeries*>(SerieEncosta), static_cast<QXYSeries*>(SerieCanal),
                             static_cast<QXYSeries*>(SeriePico)})
        grafico_->addSeries(serie);
    eixoTempo_ = Eixo(QStringLiteral("Tempo (min)"), "%.0f");
    eixoEncosta_ = Eixo(QStringLiteral("Encosta (L/s por m)"), "%.2f");
    eixoCanal_ = Eixo(QStringLiteral("Dreno (L/s)"), "%.1f");
    grafico_->addAxis(eixoTempo_, Qt::AlignBottom);
    grafico_->addAxis(eixoEncosta_, Qt::AlignLeft);
    grafico_->addAxis(eixoCanal_, Qt::AlignRight);
    SerieEncosta->attachAxis(eixoTempo_);
    SerieEncosta->attachAxis(eixoEncosta_);
    for (QXYSeries* serie : {static_cast<QXYSeries*>(SerieCanal), static_cast<QXYSeries*>(SeriePico)}) {
        serie->attachAxis(eixoTempo_);
        serie->attachAxis(eixoCanal_);
    }
    Grafico = new QChartView(grafico_);
    Grafico->setObjectName(QStringLiteral("Grafico"));
    Grafico->setRenderHint(QPainter::Antialiasing);
    Grafico->setMinimumSize(460, 340);

    Tabelas = new QTextBrowser;
    Tabelas->setObjectName(QStringLiteral("Tabelas"));
    Tabelas->setFixedWidth(kLarguraTabelas);
    Avisos = new QLabel;
    Avisos->setObjectName(QStringLiteral("Avisos"));
    Avisos->setWordWrap(true);
    Avisos->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));

    Exportacao = new TExportacaoGrafico(
        *Grafico, [this](TFormatoTabela formato) { return TextoPlanilha(tabela_, formato); },
        QStringLiteral("Copia ou salva a tabela e o gráfico dos hidrogramas"));
    BVoltar = new QPushButton(QStringLiteral("&Voltar"));
    BAjuda = new QPushButton(QStringLiteral("&Ajuda"));
    auto* corpo = new QHBoxLayout;
    corpo->addWidget(Grafico, 1);
    corpo->addWidget(Tabelas);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(BVoltar);
    botoes->addStretch(1);
    botoes->addWidget(Exportacao->Botao);
    botoes->addWidget(BAjuda);
    auto* pagina = new QVBoxLayout(this);
    pagina->addLayout(corpo, 1);
    pagina->addWidget(Avisos);
    pagina->addLayout(botoes);
    connect(BAjuda, &QPushButton::clicked, this, [] { Ajuda().AbrirTopico(kAjudaHidrograma); });
}

void TPaginaHidrograma::Mostrar(const TBalancoHidrico& balanco) {
    tabela_ = TabelaHidrogramas(balanco.SemInundacao ? *balanco.SemInundacao : TBalancoSemInundacao{});
    QList<QPointF> encosta, canal, pico;
    double fim = 0, maximoEncosta = 0, maximoCanal = 0;
    if (balanco.SemInundacao) {
        for (const TPontoHidrograma& p : balanco.SemInundacao->Encosta.Pontos()) {
            encosta.append({p.Tempo, p.Vazao});
            maximoEncosta = std::max(maximoEncosta, p.Vazao);
            fim = std::max(fim, p.Tempo);
        }
        const THidrogramaCanal& saida = balanco.SemInundacao->Canal;
        for (const TPontoHidrograma& p : saida.Pontos) {
            canal.append({p.Tempo, p.Vazao});
            maximoCanal = std::max(maximoCanal, p.Vazao);
            fim = std::max(fim, p.Tempo);
        }
        if (!saida.Pontos.empty()) {
            pico.append({saida.Pico.Tempo, saida.Pico.Vazao});
            SeriePico->setPointLabelsFormat(QString::fromStdString(TextoPico(saida)));
        }
    }
    SerieEncosta->replace(encosta);
    SerieCanal->replace(canal);
    SeriePico->replace(pico);
    eixoTempo_->setRange(0, fim > 0 ? fim : 1);
    eixoEncosta_->setRange(0, Topo(maximoEncosta));
    eixoCanal_->setRange(0, Topo(maximoCanal));
    for (QValueAxis* eixo : {eixoTempo_, eixoEncosta_, eixoCanal_}) eixo->applyNiceNumbers();
    Tabelas->setHtml(QString::fromStdString(TabelasBalanco(balanco)));
    QStringList avisos;
    for (const std::string& aviso : AvisosBalanco(balanco)) avisos << QString::fromStdString(aviso);
    Avisos->setText(avisos.join(QLatin1Char('\n')));
    Avisos->setVisible(!avisos.isEmpty());
}

QImage TPaginaHidrograma::FiguraGrafico() {
    if (!Grafico->isVisible()) {
        // A page never shown has no size of its own: the chart is laid out at the picture's and its scene
        // drawn directly; showing the page fits the chart to the view again. Only the chart's own pending
        // layout runs, no other event of the window.
        QImage figura(kLarguraFigura, kAlturaFigura, QImage::Format_RGB32);
        figura.fill(Qt::white);
        grafico_->resize(figura.size());
        QCoreApplication::sendPostedEvents(grafico_, 0);
        if (grafico_->layout()) grafico_->layout()->activate();
        QPainter pintor(&figura);
        pintor.setRenderHint(QPainter::Antialiasing);
        grafico_->scene()->render(&pintor, QRectF(figura.rect()), grafico_->geometry());
        return figura;
    }
    QImage figura(Grafico->size(), QImage::Format_RGB32);
    figura.fill(Qt::white);
    {
        QPainter pintor(&figura);
        Grafico->render(&pintor);
    }
    // A printed page keeps a picture at its size and does not shrink it.
    if (figura.width() > kLarguraFigura) figura = figura.scaledToWidth(kLarguraFigura, Qt::SmoothTransformation);
    return figura;
}

}  // namespace talvek::gui
