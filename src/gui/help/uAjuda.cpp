#include "help/uAjuda.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <optional>

#include "common/Figuras.h"

namespace talvek::gui {

namespace {

const QString kEsquemaTopico = QStringLiteral("topico");
const QString kEsquemaConteudo = QStringLiteral("conteudo");
const QString kEsquemaFigura = QStringLiteral("figura");

const char* const kEstilo =
    "<style>body { font-family: 'DejaVu Sans'; } h1 { color: #1d4f7a; font-size: 16pt; }"
    " h2 { color: #1d4f7a; font-size: 12pt; } td, th { padding: 2px 6px; }"
    " .nota { color: #3c5168; }</style>";

QUrl UrlTopico(int contexto) { return QUrl(kEsquemaTopico + QLatin1Char(':') + QString::number(contexto)); }

std::optional<Figura> FiguraPorNome(const QString& nome) {
    static const std::pair<const char*, Figura> kNomes[] = {
        {"inicial", Figura::Inicial},
        {"campo_drenado", Figura::CampoDrenado},
        {"secao_triangular", Figura::SecaoTriangular},
        {"secao_trapezoidal", Figura::SecaoTrapezoidal},
        {"secao_real", Figura::SecaoReal},
        {"canal_triangular", Figura::CanalTriangular},
        {"canal_trapezoidal", Figura::CanalTrapezoidal},
        {"terraplenagem", Figura::Terraplenagem},
    };
    for (const auto& [texto, figura] : kNomes)
        if (nome == QLatin1String(texto)) return figura;
    return std::nullopt;
}

// The topic text comes from the help file, the pictures from the program's own SVG sources.
class TNavegadorAjuda : public QTextBrowser {
public:
    TNavegadorAjuda(const TArquivoAjuda& arquivo, QWidget* pai) : QTextBrowser(pai), arquivo_(arquivo) {}

    QVariant loadResource(int tipo, const QUrl& nome) override {
        if (tipo == QTextDocument::HtmlResource && nome.scheme() == kEsquemaConteudo)
            return QString(kEstilo) + arquivo_.PaginaConteudo();
        if (tipo == QTextDocument::HtmlResource && nome.scheme() == kEsquemaTopico) {
            const TTopicoAjuda* topico = arquivo_.Topico(nome.path().toInt());
            if (!topico) return QVariant();
            return QString(kEstilo) + QStringLiteral("<h1>%1</h1>").arg(topico->Titulo.toHtmlEscaped()) +
                   topico->Html;
        }
        if (tipo == QTextDocument::ImageResource && nome.scheme() == kEsquemaFigura) {
            if (const auto figura = FiguraPorNome(nome.path()))
                return DesenharFigura(*figura, TamanhoNatural(*figura)).toImage();
        }
        return QTextBrowser::loadResource(tipo, nome);
    }

private:
    const TArquivoAjuda& arquivo_;
};

}  // namespace

TFAjuda::TFAjuda(TArquivoAjuda arquivo, QWidget* pai) : QWidget(pai, Qt::Window), arquivo_(std::move(arquivo)) {
    setWindowTitle(arquivo_.Titulo().isEmpty() ? QString::fromUtf8(kTituloAjuda) : arquivo_.Titulo());
    setWindowIcon(IconeGlifo(Glifo::Ajuda));
    resize(960, 640);

    texto_ = new TNavegadorAjuda(arquivo_, this);
    texto_->setOpenLinks(false);
    connect(texto_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == kEsquemaTopico || url.scheme() == kEsquemaConteudo) texto_->setSource(url);
        else QDesktopServices::openUrl(url);
    });

    conteudo_ = new QTreeWidget;
    conteudo_->setHeaderHidden(true);
    MontarConteudo();
    connect(conteudo_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int contexto = item->data(0, Qt::UserRole).toInt();
        if (contexto > 0) MostrarTopico(contexto);
    });
    connect(conteudo_, &QTreeWidget::itemClicked, conteudo_, &QTreeWidget::itemActivated);

    chave_ = new QLineEdit;
    palavras_ = new QListWidget;
    topicosPalavra_ = new QListWidget;
    topicosPalavra_->setMaximumHeight(110);
    auto* exibir = new QPushButton(QStringLiteral("&Exibir"));
    auto* rotuloChave = new QLabel(QStringLiteral("&Digite a palavra-chave:"));
    rotuloChave->setBuddy(chave_);
    auto* rotuloTopicos = new QLabel(QStringLiteral("&Tópicos encontrados:"));
    rotuloTopicos->setBuddy(topicosPalavra_);
    connect(chave_, &QLineEdit::textChanged, this, &TFAjuda::FiltrarIndice);
    connect(chave_, &QLineEdit::returnPressed, this, &TFAjuda::ExibirSelecionado);
    connect(palavras_, &QListWidget::currentRowChanged, this, &TFAjuda::PalavraSelecionada);
    connect(palavras_, &QListWidget::itemActivated, this, &TFAjuda::ExibirSelecionado);
    connect(topicosPalavra_, &QListWidget::itemActivated, this, &TFAjuda::ExibirSelecionado);
    connect(exibir, &QPushButton::clicked, this, &TFAjuda::ExibirSelecionado);

    auto* paginaIndice = new QWidget;
    auto* layoutIndice = new QVBoxLayout(paginaIndice);
    layoutIndice->addWidget(rotuloChave);
    layoutIndice->addWidget(chave_);
    layoutIndice->addWidget(palavras_, 1);
    layoutIndice->addWidget(rotuloTopicos);
    layoutIndice->addWidget(topicosPalavra_);
    layoutIndice->addWidget(exibir, 0, Qt::AlignRight);

    abas_ = new QTabWidget;
    abas_->addTab(conteudo_, IconeGlifo(Glifo::AjudaConteudo), QStringLiteral("&Conteúdo"));
    abas_->addTab(paginaIndice, IconeGlifo(Glifo::AjudaIndice), QStringLiteral("Í&ndice"));

    auto* voltar = new QPushButton(QStringLiteral("&Voltar"));
    auto* avancar = new QPushButton(QStringLiteral("A&vançar"));
    auto* inicio = new QPushButton(IconeGlifo(Glifo::AjudaConteudo), QStringLiteral("&Sumário"));
    voltar->setEnabled(false);
    avancar->setEnabled(false);
    connect(voltar, &QPushButton::clicked, texto_, &QTextBrowser::backward);
    connect(avancar, &QPushButton::clicked, texto_, &QTextBrowser::forward);
    connect(texto_, &QTextBrowser::backwardAvailable, voltar, &QPushButton::setEnabled);
    connect(texto_, &QTextBrowser::forwardAvailable, avancar, &QPushButton::setEnabled);
    connect(inicio, &QPushButton::clicked, this, &TFAjuda::MostrarConteudo);

    auto* lado = new QWidget;
    auto* layoutLado = new QVBoxLayout(lado);
    layoutLado->setContentsMargins(0, 0, 0, 0);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(voltar);
    botoes->addWidget(avancar);
    botoes->addWidget(inicio);
    botoes->addStretch();
    layoutLado->addLayout(botoes);
    layoutLado->addWidget(texto_);

    auto* divisor = new QSplitter;
    divisor->addWidget(abas_);
    divisor->addWidget(lado);
    divisor->setStretchFactor(1, 1);
    divisor->setSizes({330, 630});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(divisor);

    FiltrarIndice();
}

void TFAjuda::MontarConteudo() {
    for (const QString& capitulo : arquivo_.Capitulos()) {
        auto* itemCapitulo = new QTreeWidgetItem(conteudo_, {capitulo});
        itemCapitulo->setIcon(0, IconeGlifo(Glifo::AjudaConteudo));
        for (const TTopicoAjuda& topico : arquivo_.Topicos()) {
            if (topico.Capitulo != capitulo) continue;
            auto* item = new QTreeWidgetItem(itemCapitulo, {topico.Titulo});
            item->setData(0, Qt::UserRole, topico.Contexto);
            item->setToolTip(0, topico.Titulo);
        }
    }
    conteudo_->expandAll();
}

bool TFAjuda::MostrarTopico(int contexto) {
    if (!arquivo_.Topico(contexto)) return false;
    texto_->setSource(UrlTopico(contexto));
    return true;
}

void TFAjuda::MostrarConteudo() {
    abas_->setCurrentIndex(0);
    texto_->setSource(QUrl(kEsquemaConteudo + QStringLiteral(":")));
}

void TFAjuda::MostrarIndice(const QString& chave) {
    abas_->setCurrentIndex(1);
    chave_->setText(chave);
    FiltrarIndice();
    chave_->setFocus();
}

int TFAjuda::TopicoAtual() const {
    const QUrl fonte = texto_->source();
    return fonte.scheme() == kEsquemaTopico ? fonte.path().toInt() : 0;
}

void TFAjuda::FiltrarIndice() {
    encontradas_ = arquivo_.Buscar(chave_->text());
    palavras_->clear();
    for (const TEntradaIndice& entrada : encontradas_) palavras_->addItem(entrada.PalavraChave);
    palavras_->setCurrentRow(encontradas_.isEmpty() ? -1 : 0);
    PalavraSelecionada();
}

void TFAjuda::PalavraSelecionada() {
    topicosPalavra_->clear();
    const int linha = palavras_->currentRow();
    if (linha < 0 || linha >= encontradas_.size()) return;
    for (int contexto : encontradas_[linha].Contextos) {
        auto* item = new QListWidgetItem(arquivo_.Topico(contexto)->Titulo, topicosPalavra_);
        item->setData(Qt::UserRole, contexto);
    }
    topicosPalavra_->setCurrentRow(0);
}

void TFAjuda::ExibirSelecionado() {
    if (QListWidgetItem* item = topicosPalavra_->currentItem())
        MostrarTopico(item->data(Qt::UserRole).toInt());
}

}  // namespace talvek::gui
