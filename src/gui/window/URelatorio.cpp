#include "window/URelatorio.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include <cmath>

#include "common/Dicas.h"
#include "common/ErroPadrao.h"
#include "common/ExportarPdf.h"
#include "help/Ajuda.h"
#include "platform/Excecoes.h"

namespace talvek::gui {

namespace {

constexpr int kAjudaRelatorio = 131;
constexpr double kFracaoMinimaTela = 0.75;
constexpr int kUltimaPagina = 9999;

const QString kLegendaJanela = QStringLiteral("Relatório - ");

QString ErroFigura() {
    return QStringLiteral("Não foi possível gravar o arquivo ") + QString::fromLatin1(kFiguraSimulacao) +
           QStringLiteral(" na pasta ") + QDir::toNativeSeparators(QDir::currentPath()) + QStringLiteral(".");
}

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
    // The chart's picture is referred to by its bare name, in the working directory.
    Viewer->setSearchPaths({QDir::currentPath()});

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

TFRelatorio::~TFRelatorio() {
    // Only the picture this window wrote is deleted.
    if (gravouFigura_) QFile::remove(QString::fromLatin1(kFiguraSimulacao));
}

void TFRelatorio::Gerar() {
    falhou_ = !Protegido(this, [this] {
        TDadosRelatorio dados = dados_();
        if (grafico_) {
            const QImage figura = grafico_();
            if (!figura.save(QString::fromLatin1(kFiguraSimulacao), "BMP")) throw Exception(ErroFigura().toStdString());
            gravouFigura_ = true;
            dados.Grafico = TTamanhoFigura{figura.width(), figura.height()};
        }
        const QString texto = QString::fromStdString(TextoRelatorio(dados));
        Viewer->document()->clear();  // the chart's picture is read again
        Viewer->setHtml(texto);
        setWindowTitle(kLegendaJanela + QString::fromStdString(TituloRelatorio(dados.Sistema)));
    });
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
