#include "query/FoRelatNimbal.h"

#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include <cmath>

#include "common/Dicas.h"
#include "common/VisorRelatorio.h"
#include "common/ErroPadrao.h"
#include "common/ExportarPdf.h"
#include "platform/Regional.h"
#include "query/FoConsulta.h"

namespace talvek::gui {

namespace {

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

// Today in the short date format of the regional settings ("dd/mm/yyyy": m is the month there).
std::string Hoje() {
    QString formato = Texto(Regional().FormatoDataCurta);
    formato.replace(QLatin1Char('m'), QLatin1Char('M'));
    return QDate::currentDate().toString(formato).toStdString();
}

}  // namespace

TfrmFoRelatNimbal::TfrmFoRelatNimbal(const TfrmFoConsulta& consulta, const std::string& pastaDados,
                                     QPrinter& impressora, QWidget* pai)
    : QDialog(pai, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                       Qt::WindowCloseButtonHint),
      consulta_(consulta),
      pastaDados_(pastaDados),
      impressora_(impressora) {
    ConfirmarImpressao = [this](QPrinter& impressora) {
        QPrintDialog dialogo(&impressora, this);
        dialogo.setOption(QAbstractPrintDialog::PrintPageRange);
        return dialogo.exec() == QDialog::Accepted;
    };
    setWindowTitle(QStringLiteral("Relatório - ") + QString::fromUtf8(kTituloRelatorioNimbal));
    auto* leiaute = new QVBoxLayout(this);
    leiaute->setContentsMargins(0, 0, 0, 0);
    auto* barra = new QToolBar(this);
    barra->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Imprimir = barra->addAction(QStringLiteral("&Imprimir"));
    DefinirDica(*Imprimir, QStringLiteral("Imprimir"));
    Imprimir->setShortcut(QKeySequence::Print);
    ExportarPdf = barra->addAction(QStringLiteral("Exportar PDF…"));
    DefinirDica(*ExportarPdf, QStringLiteral("Grava o relatório num arquivo PDF"));
    Fechar = barra->addAction(QStringLiteral("Fechar"));
    DefinirDica(*Fechar, QStringLiteral("Fechar"));
    Navegador = new QTextBrowser(this);
    QuebrarAntesDaBorda(*Navegador);
    leiaute->addWidget(barra);
    leiaute->addWidget(Navegador);
    connect(Imprimir, &QAction::triggered, this, &TfrmFoRelatNimbal::ImprimirClick);
    connect(ExportarPdf, &QAction::triggered, this, [this] {
        Protegido(this, [this] {
            gui::ExportarPdf(this, *Navegador->document(), QString::fromUtf8(kTituloRelatorioNimbal));
        });
    });
    connect(Fechar, &QAction::triggered, this, &QDialog::close);

    if (const QScreen* tela = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QSize tamanho = tela->size();
        setMaximumSize(tamanho);
        setMinimumSize(static_cast<int>(std::lround(tamanho.width() * 0.8)),
                       static_cast<int>(std::lround(tamanho.height() * 0.8)));
    }
    setWindowState(Qt::WindowMaximized);
}

TDadosRelatorioNimbal TfrmFoRelatNimbal::DadosRelatorio(const TfrmFoConsulta& consulta, const std::string& pastaDados,
                                                        const std::string& data) {
    TDadosRelatorioNimbal dados;
    dados.DataEmissao = data;
    dados.PastaDados = pastaDados;
    dados.Localidade = consulta.StrCidade;
    dados.Estado = consulta.Estado.Nome();
    dados.Latitude = consulta.StrLatitude;
    dados.Longitude = consulta.StrLongitude;
    dados.Parametros = {consulta.PrecK->text().toStdString(), consulta.PrecA->text().toStdString(),
                        consulta.PrecB->text().toStdString(), consulta.PrecC->text().toStdString()};
    if (!consulta.EstadoBMP->isHidden() && !consulta.ImagemEstado().isNull())
        dados.Mapa = TTamanhoFigura{consulta.ImagemEstado().width(), consulta.ImagemEstado().height()};
    if (!consulta.Evidencia.Estacoes.empty()) dados.Evidencia = consulta.Evidencia;
    return dados;
}

QImage TfrmFoRelatNimbal::MapaComPonto(const TfrmFoConsulta& consulta) {
    QImage mapa = consulta.ImagemEstado().copy();
    QPainter pintor(&mapa);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(Qt::black);
    pintor.drawEllipse(QRect(consulta.EixoY->x() - 3, consulta.EixoX->y() - 3, 7, 7));
    return mapa;
}

// The map picture goes into the document itself under its name: no file is written into the working
// folder, where it could replace and then delete a file of the user's.
void TfrmFoRelatNimbal::Compor() {
    const TDadosRelatorioNimbal dados = DadosRelatorio(consulta_, pastaDados_, Hoje());
    QTextDocument* documento = Navegador->document();
    documento->clear();
    if (dados.Mapa)
        documento->addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(kFiguraMapaRelatorio)),
                               MapaComPonto(consulta_));
    Navegador->setHtml(Texto(TextoRelatorioNimbal(dados)));
}

void TfrmFoRelatNimbal::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    Compor();
}

void TfrmFoRelatNimbal::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    if (evento->type() != QEvent::WindowStateChange) return;
    const auto anterior = static_cast<QWindowStateChangeEvent*>(evento)->oldState();
    if (!(anterior & (Qt::WindowMinimized | Qt::WindowMaximized)) || (windowState() & ~Qt::WindowActive)) return;
    if (const QScreen* tela = screen()) {
        const QSize folga = tela->size() - size();
        move(static_cast<int>(std::lround(folga.width() / 2.0)), static_cast<int>(std::lround(folga.height() / 2.0)));
    }
}

void TfrmFoRelatNimbal::ImprimirClick() {
    if (!ConfirmarImpressao(impressora_)) return;
    if (impressora_.printRange() != QPrinter::PageRange) impressora_.setFromTo(0, 0);
    Navegador->document()->print(&impressora_);
}

}  // namespace talvek::gui
