#include "window/URelatorio.h"

#include <QAction>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include <cmath>

#include "common/Dicas.h"
#include "common/ErroPadrao.h"
#include "common/VisorRelatorio.h"
#include "common/ExportarPdf.h"
#include "help/Ajuda.h"
#include "design/uBalancoHidrico.h"
#include "platform/Excecoes.h"
#include "report/TextoBalanco.h"

namespace talvek::gui {

namespace {

// A chart picture no wider than the viewer's page (pixels), scaled down keeping its proportions.
QImage CabeNaLargura(QImage figura, int largura) {
    return figura.width() > largura ? figura.scaledToWidth(largura, Qt::SmoothTransformation) : figura;
}

constexpr int kAjudaRelatorio = 131;
constexpr double kFracaoMinimaTela = 0.75;
constexpr int kUltimaPagina = 9999;

const QString kLegendaJanela = QStringLiteral("Relatório - ");

}  // namespace

TFRelatorio::TFRelatorio(TFonteDados dados, TFonteGrafico grafico, QPrinter& impressora, QWidget* pai)
    : QDialog(pai), dados_(std::move(dados)), grafico_(std::move(grafico)), impressora_(impressora) {
    setObjectName(QStringLiteral("FRelatorio"));
    DefinirContextoAjuda(this, kAjudaRelatorio);
    ConfirmarImpressao = [this](QPrinter& impressora) {
        QPrintDialog dialogo(&impressora, this);
        return dialogo.exec() == QDialog::Accepted;
    };

    ToolBar1 = new QToolBar;
    ToolButton1 = ToolBar1->addAction(QStringLiteral("&Imprimir"));
    DefinirDica(*ToolButton1, QStringLiteral("Imprime texto"));
    ToolButton1->setShortcut(QKeySequence::Print);
    BExportarPdf = ToolBar1->addAction(QStringLiteral("Exportar PDF…"));
    DefinirDica(*BExportarPdf, QStringLiteral("Grava o relatório num arquivo PDF"));
    BFechar = ToolBar1->addAction(QStringLiteral("Fechar"));
    DefinirDica(*BFechar, QStringLiteral("Fecha texto ativo"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);

    Viewer = new QTextBrowser;
    Viewer->setObjectName(QStringLiteral("Viewer"));
    Viewer->setOpenLinks(false);
    Viewer->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman")));
    Viewer->setStyleSheet(QStringLiteral("QTextBrowser { background: white; color: black; }"));
    QuebrarAntesDaBorda(*Viewer);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(Viewer, 1);

    connect(ToolButton1, &QAction::triggered, this, [this] { Protegido(this, [this] { Imprimir(); }); });
    connect(BExportarPdf, &QAction::triggered, this, [this] {
        Protegido(this, [this] {
            ExportarPdf(this, *Viewer->document(), QString::fromStdString(TituloRelatorio(dados_().Sistema)));
        });
    });
    connect(BFechar, &QAction::triggered, this, &QDialog::accept);

    // At most the screen, at least three quarters of it; opened maximized.
    const QSize tela = (pai ? pai->screen() : QGuiApplication::primaryScreen())->size();
    setMaximumSize(tela);
    setMinimumSize(static_cast<int>(std::lround(kFracaoMinimaTela * tela.width())),
                   static_cast<int>(std::lround(kFracaoMinimaTela * tela.height())));
    setWindowState(Qt::WindowMaximized);
    setWindowTitle(kLegendaJanela + QString::fromStdString(TituloRelatorio(dados_().Sistema)));
}

TFRelatorio::~TFRelatorio() = default;

// The chart's picture goes into the document itself under its name: no file is written into the working
// folder, which may be read-only or hold a file of the user's by that name.
void TFRelatorio::Gerar() {
    falhou_ = !Protegido(this, [this] {
        TDadosRelatorio dados = dados_();
        QImage figura;
        if (grafico_) {
            figura = CabeNaLargura(grafico_(), LarguraMaximaFigura());
            dados.Grafico = TTamanhoFigura{figura.width(), figura.height()};
        }
        QImage hidrograma;
        if (GraficoHidrograma && dados.Balanco && dados.Balanco->SemInundacao) {
            hidrograma = CabeNaLargura(GraficoHidrograma(), LarguraMaximaFigura());
            dados.GraficoHidrograma = TTamanhoFigura{hidrograma.width(), hidrograma.height()};
        }
        const QString texto = QString::fromStdString(TextoRelatorio(dados));
        QTextDocument* documento = Viewer->document();
        documento->clear();  // the chart's picture of the last generation goes
        if (dados.Grafico)
            documento->addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(kFiguraSimulacao)), figura);
        if (!hidrograma.isNull())
            documento->addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(kFiguraHidrograma)),
                                   hidrograma);
        Viewer->setHtml(texto);
        setWindowTitle(kLegendaJanela + QString::fromStdString(TituloRelatorio(dados.Sistema)));
    });
}

// The chart sits in the document's margin, a table's cell spacing (2 px a side) and its padding (3 px a
// side); the viewport at the window's minimum width loses the view's frame and the vertical scroll bar.
int TFRelatorio::LarguraMaximaFigura() const {
    constexpr int kEspacamentoCelula = 2, kPreenchimentoCelula = 3;  // px
    const int visor =
        minimumWidth() - 2 * Viewer->frameWidth() - Viewer->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int margem = static_cast<int>(std::ceil(Viewer->document()->documentMargin()));
    return visor - 2 * (margem + kEspacamentoCelula + kPreenchimentoCelula) - 1;
}

void TFRelatorio::Imprimir() {
    if (!ConfirmarImpressao(impressora_)) return;
    if (impressora_.printRange() != QPrinter::PageRange) impressora_.setFromTo(1, kUltimaPagina);
    Viewer->document()->print(&impressora_);
}

bool TFRelatorio::event(QEvent* evento) {
    // The document follows the model at every activation; after a failure it is not retried on the
    // activation that follows the error box, which would show the box again without end.
    if (evento->type() == QEvent::WindowActivate && !falhou_) Gerar();
    return QDialog::event(evento);
}

void TFRelatorio::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    if (evento->type() != QEvent::WindowStateChange) return;
    const auto anterior = static_cast<QWindowStateChangeEvent*>(evento)->oldState();
    if (!(anterior & Qt::WindowMaximized) || (windowState() & Qt::WindowMaximized)) return;
    // Restored from maximized: centred on the screen.
    const QRect tela = screen()->geometry();
    move(tela.x() + static_cast<int>(std::lround((tela.width() - width()) / 2.0)),
         tela.y() + static_cast<int>(std::lround((tela.height() - height()) / 2.0)));
}

}  // namespace talvek::gui
