#include "common/Figuras.h"

#include <QPainter>
#include <QSvgRenderer>

namespace talvek::gui {

namespace {

struct DadosFigura {
    const char* arquivo;
    QSize tamanho;
};

DadosFigura Dados(Figura figura) {
    switch (figura) {
        case Figura::Inicial: return {"inicial.svg", {800, 500}};
        case Figura::CampoDrenado: return {"campo_drenado.svg", {420, 230}};
        case Figura::SecaoTriangular: return {"secao_triangular.svg", {260, 150}};
        case Figura::SecaoTrapezoidal: return {"secao_trapezoidal.svg", {260, 150}};
        case Figura::SecaoReal: return {"secao_real.svg", {260, 150}};
        case Figura::CanalTriangular: return {"canal_triangular.svg", {260, 150}};
        case Figura::CanalTrapezoidal: return {"canal_trapezoidal.svg", {260, 150}};
        case Figura::Sobre: return {"sobre.svg", {559, 340}};
        case Figura::Terraplenagem: return {"terraplenagem.svg", {600, 230}};
    }
    return {"inicial.svg", {800, 500}};
}

const char* ArquivoGlifo(Glifo glifo) {
    switch (glifo) {
        case Glifo::Novo: return "novo.svg";
        case Glifo::Abrir: return "abrir.svg";
        case Glifo::Salvar: return "salvar.svg";
        case Glifo::Fechar: return "fechar.svg";
        case Glifo::Identificacao: return "identificacao.svg";
        case Glifo::ConfigurarSistema: return "configurar_sistema.svg";
        case Glifo::ConfigurarImpressora: return "configurar_impressora.svg";
        case Glifo::Sobre: return "sobre.svg";
        case Glifo::Sair: return "sair.svg";
        case Glifo::AjudaConteudo: return "ajuda_conteudo.svg";
        case Glifo::AjudaIndice: return "ajuda_indice.svg";
        case Glifo::Ajuda: return "ajuda.svg";
        case Glifo::PaginaAgua: return "pagina_agua.svg";
        case Glifo::PaginaMeteorologia: return "pagina_meteorologia.svg";
        case Glifo::PaginaPesquisa: return "pagina_pesquisa.svg";
        case Glifo::PaginaPrograma: return "pagina_programa.svg";
        case Glifo::Programa: return "talvek.svg";
    }
    return "talvek.svg";
}

QPixmap Desenhar(const QString& caminho, QSize tamanho) {
    QPixmap pixmap(tamanho);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(caminho);
    QPainter pintor(&pixmap);
    pintor.setRenderHint(QPainter::Antialiasing);
    svg.render(&pintor);
    return pixmap;
}

}  // namespace

QString CaminhoFigura(Figura figura) {
    return QStringLiteral(":/figuras/") + QLatin1String(Dados(figura).arquivo);
}

QSize TamanhoNatural(Figura figura) { return Dados(figura).tamanho; }

QPixmap DesenharFigura(Figura figura, QSize tamanho) { return Desenhar(CaminhoFigura(figura), tamanho); }

QString CaminhoGlifo(Glifo glifo) {
    return QStringLiteral(":/figuras/glifos/") + QLatin1String(ArquivoGlifo(glifo));
}

QIcon IconeGlifo(Glifo glifo) {
    QIcon icone;
    for (int lado : {16, 24, 32, 48}) icone.addPixmap(Desenhar(CaminhoGlifo(glifo), QSize(lado, lado)));
    return icone;
}

TQuadroFigura::TQuadroFigura(Figura figura, QWidget* pai) : QWidget(pai), figura_(figura) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void TQuadroFigura::SetFigura(Figura figura) {
    if (figura == figura_) return;
    figura_ = figura;
    update();
}

QSize TQuadroFigura::sizeHint() const { return TamanhoNatural(figura_); }

void TQuadroFigura::paintEvent(QPaintEvent*) {
    QSizeF alvo = QSizeF(TamanhoNatural(figura_)).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    QRectF area(QPointF((width() - alvo.width()) / 2, (height() - alvo.height()) / 2), alvo);
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(CaminhoFigura(figura_)).render(&pintor, area);
}

}  // namespace talvek::gui
