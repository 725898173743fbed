#include "query/FoConsulta.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QStackedWidget>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "common/Dicas.h"
#include "common/ErroPadrao.h"
#include "common/InterfaceUsuario.h"
#include "common/ProgressoQt.h"
#include "help/Ajuda.h"
#include "platform/Numeros.h"
#include "query/FoAutor.h"
#include "query/FoCurvasIdf.h"
#include "query/FoRelatNimbal.h"
#include "query/FoSobreNimbal.h"
#include "query/PainelEvidencia.h"
#include "rainfall/Citacoes.h"

namespace talvek::gui {

namespace {

const QString kTitulo = QStringLiteral("Nimbal 2.1");
const QString kTituloEstado = QStringLiteral("Nimbal 2.1 - Estado: ");
const QString kMascaraCoordenada = QStringLiteral("99°99'99\";_");
const QString kCoordenadaZero = QStringLiteral("00°00'00\"");
constexpr const char* kAutorInicial = "Autor";
constexpr const char* kInterpolacao = "Interpolação";
constexpr const char* kNaoDefinida = "Não definida";
const QString kAviso = QStringLiteral(
    "Dados obtidos por desagragação da chuva de um dia em chuvas de menor duração, segundo metodologia "
    "proposta pelo DAEE-CETESB.");
const QString kTituloInformacao = QStringLiteral("Informação");
const QString kNotaInterpolacao = QStringLiteral(
    "Interpolação realizada utilizando o Método do Inverso da Quinta Potência da Distância e considerando as "
    "informações de todas as localidades em que a equação de intensidade-duração-freqüência da precipitação é "
    "conhecida nos Estados da Bahia, Espírito Santo, Minas Gerais, Paraná, Rio de Janeiro, São Paulo e "
    "Tocantins.");

// Help contexts of the controls.
constexpr int kAjudaParametros = 1;
constexpr int kAjudaLocalizacao = 2;
constexpr int kAjudaLocalidades = 4;
constexpr int kAjudaEstacoes = 6;
constexpr int kAjudaEstados = 7;
constexpr int kAjudaRelatorio = 9;

// States whose data the database does not hold: choosing them leaves no source to cite.
constexpr int kEstadosSemDados[] = {2, 6, 22, 25};  // Amapá, Distrito Federal, Roraima, Sergipe
constexpr int kGoias = 8;

// Client area, pixels.
constexpr int kLargura = 742;
constexpr int kAltura = 524;

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

std::string SemBrancosFinais(const std::string& texto) {
    const std::size_t fim = texto.find_last_not_of(' ');
    return fim == std::string::npos ? std::string() : texto.substr(0, fim + 1);
}

// The state's name in the list, followed by its number of stations when it has any.
QString NomeNaLista(const TBDPrecipitacao& bd, int estado) {
    const std::size_t estacoes = bd.Estacoes(estado).size();
    const QString nome = Texto(kEstados[estado].Nome);
    return estacoes == 0 ? nome : nome + QStringLiteral(" (%1)").arg(estacoes);
}

// What a state without stations offers instead: the states that have them and how a point is interpolated.
QString TextoSemEstacoes(const TBDPrecipitacao& bd, int estado) {
    QStringList comEstacoes;
    for (int i = 0; i < kNumeroEstados; ++i)
        if (!bd.Estacoes(i).empty()) comEstacoes << QString::fromLatin1(kEstados[i].Sigla);
    QString lista = comEstacoes.join(QStringLiteral(", "));
    if (comEstacoes.size() > 1) lista.replace(lista.lastIndexOf(QStringLiteral(", ")), 2, QStringLiteral(" e "));
    return QStringLiteral("Não há estações de ") + Texto(kEstados[estado].Nome) +
           QStringLiteral(" no banco de dados. Há estações em ") + lista +
           QStringLiteral(" (o número de estações segue o nome na lista). Clique num estado no mapa; nos "
                          "estados com mapa, um clique no mapa ou as coordenadas digitadas dão os parâmetros "
                          "interpolados.");
}

bool EstadoSemDados(int estado) {
    return std::find(std::begin(kEstadosSemDados), std::end(kEstadosSemDados), estado) != std::end(kEstadosSemDados);
}

QLabel* Exibidor(QWidget* pai) {
    auto* exibidor = new QLabel(pai);
    exibidor->setAlignment(Qt::AlignCenter);
    exibidor->setFrameShape(QFrame::StyledPanel);
    exibidor->setFrameShadow(QFrame::Sunken);
    exibidor->setAutoFillBackground(true);
    QPalette paleta = exibidor->palette();
    paleta.setColor(QPalette::Window, Qt::white);
    exibidor->setPalette(paleta);
    return exibidor;
}

QLabel* RotuloNegrito(QWidget* pai) {
    auto* rotulo = new QLabel(pai);
    QFont fonte = rotulo->font();
    fonte.setBold(true);
    rotulo->setFont(fonte);
    rotulo->setAttribute(Qt::WA_TransparentForMouseEvents);
    return rotulo;
}

QWidget* Linha(QWidget* pai, int largura, int altura) {
    auto* linha = new QWidget(pai);
    linha->resize(largura, altura);
    linha->setAutoFillBackground(true);
    QPalette paleta = linha->palette();
    paleta.setColor(QPalette::Window, Qt::black);
    linha->setPalette(paleta);
    linha->setAttribute(Qt::WA_TransparentForMouseEvents);
    linha->hide();
    return linha;
}

// Fills `lista` with `nomes` in the order of the program's name lists; `linhas` receives, for each row,
// the position of its name in `nomes`.
void PreencherOrdenado(QListWidget& lista, const std::vector<std::string>& nomes, std::vector<int>& linhas) {
    linhas.resize(nomes.size());
    std::iota(linhas.begin(), linhas.end(), 0);
    std::stable_sort(linhas.begin(), linhas.end(), [&](int a, int b) { return NomeAntes(nomes[a], nomes[b]); });
    const QSignalBlocker bloqueio(lista);
    lista.clear();
    for (const int i : linhas) lista.addItem(Texto(nomes[i]));
    lista.setCurrentRow(lista.count() > 0 ? 0 : -1);
}

void LimparSelecao(QListWidget& lista) {
    const QSignalBlocker bloqueio(lista);
    lista.setCurrentRow(-1);
    lista.clearSelection();
}

void SelecionarLinha(QListWidget& lista, int linha) {
    const QSignalBlocker bloqueio(lista);
    if (linha >= 0 && linha < lista.count())
        lista.setCurrentRow(linha);
    else
        LimparSelecao(lista);
}

}  // namespace

TfrmFoConsulta::TfrmFoConsulta(const std::string& pastaDados, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowCloseButtonHint),
      pastaDados_(pastaDados),
      bd_(std::make_unique<TBDPrecipitacao>(pastaDados)) {
    bd_->LerEstacoes();
    setWindowTitle(kTitulo);
    imagemBrasil_.load(Texto(pastaDados_ + "Brasil.bmp"));
    imagemBrasil_ = imagemBrasil_.convertToFormat(QImage::Format_RGB32);
    CriarControles();
    CriarPainelEvidencia();
    CriarMenu();
    LigarEventos();
    Estados->setCurrentIndex(0);
    DefinirAutor(kAutorInicial);
}

TfrmFoConsulta::~TfrmFoConsulta() = default;

// ---- Construction ------------------------------------------------------------------------------

void TfrmFoConsulta::CriarControles() {
    auto* leiaute = new QVBoxLayout(this);
    leiaute->setContentsMargins(0, 0, 0, 0);
    leiaute->setSizeConstraint(QLayout::SetFixedSize);
    auto* cliente = new QWidget(this);
    cliente->setFixedSize(kLargura, kAltura);
    leiaute->addWidget(cliente);

    auto* rotuloEstados = new QLabel(QStringLiteral("&Estados :"), cliente);
    rotuloEstados->move(8, 6);
    Estados = new QComboBox(cliente);
    Estados->setGeometry(8, 24, 272, 26);
    for (int estado = 0; estado < kNumeroEstados; ++estado) Estados->addItem(NomeNaLista(*bd_, estado));
    rotuloEstados->setBuddy(Estados);
    DefinirDica(*Estados, QStringLiteral("Estados"));
    DefinirContextoAjuda(Estados, kAjudaEstados);

    auto* rotuloEstacoes = new QLabel(QStringLiteral("Es&tações :"), cliente);
    rotuloEstacoes->move(8, 56);
    LBEstacao = new QListWidget(cliente);
    LBEstacao->setGeometry(8, 74, 272, 104);
    rotuloEstacoes->setBuddy(LBEstacao);
    DefinirDica(*LBEstacao, QStringLiteral("Estações"));
    DefinirContextoAjuda(LBEstacao, kAjudaEstacoes);

    LLocalidades = new QLabel(QStringLiteral("&Localidades :"), cliente);
    LLocalidades->move(8, 184);
    LBLocalidade = new QListWidget(cliente);
    LBLocalidade->setGeometry(8, 202, 272, 104);
    LLocalidades->setBuddy(LBLocalidade);
    DefinirDica(*LBLocalidade, QStringLiteral("Localidades"));
    DefinirContextoAjuda(LBLocalidade, kAjudaLocalidades);

    auto* parametros = new QGroupBox(QStringLiteral(" Parâmetros da Equação IDF "), cliente);
    parametros->setGeometry(8, 312, 272, 76);
    DefinirDica(*parametros, QStringLiteral("Parâmetros da equação intensidade-duração-freqüência da precipitação"));
    DefinirContextoAjuda(parametros, kAjudaParametros);
    const auto exibidor = [parametros](const char* rotulo, int x, int y) {
        (new QLabel(QString::fromUtf8(rotulo), parametros))->setGeometry(x, y, 18, 22);
        QLabel* campo = Exibidor(parametros);
        campo->setGeometry(x + 20, y, 104, 22);
        return campo;
    };
    PrecK = exibidor("K:", 8, 20);
    PrecA = exibidor("a:", 140, 20);
    PrecB = exibidor("b:", 8, 46);
    PrecC = exibidor("c:", 140, 46);

    auto* localizacao = new QGroupBox(cliente);
    localizacao->setGeometry(8, 394, 272, 72);
    DefinirDica(*localizacao, QStringLiteral("Localização"));
    DefinirContextoAjuda(localizacao, kAjudaLocalizacao);
    const auto coordenada = [localizacao](const QString& rotulo, int y, const QString& dica) {
        auto* campo = new QLineEdit(localizacao);
        campo->setInputMask(kMascaraCoordenada);
        campo->setGeometry(90, y, 84, 24);
        DefinirDica(*campo, dica);
        DefinirContextoAjuda(campo, kAjudaLocalidades);
        auto* r = new QLabel(rotulo, localizacao);
        r->setGeometry(8, y, 80, 24);
        r->setBuddy(campo);
        return campo;
    };
    PrecLaAux = coordenada(QStringLiteral("Latit&ude :"), 10, QStringLiteral("Latitude"));
    PrecLoAux = coordenada(QStringLiteral("L&ongitude :"), 40, QStringLiteral("Longitude"));
    Calculalalo = new QPushButton(QStringLiteral("&Calcular"), localizacao);
    Calculalalo->setGeometry(182, 24, 82, 28);
    DefinirDica(*Calculalalo, QStringLiteral("Calcular interpolação"));

    lAviso = new QLabel(kAviso, cliente);
    lAviso->setWordWrap(true);
    lAviso->setGeometry(8, 470, 272, 50);
    QFont fonteAviso = lAviso->font();
    fonteAviso.setPointSizeF(fonteAviso.pointSizeF() * 0.85);
    lAviso->setFont(fonteAviso);
    lAviso->hide();

    lSemEstacoes = new QLabel(cliente);
    lSemEstacoes->setObjectName(QStringLiteral("lSemEstacoes"));
    lSemEstacoes->setWordWrap(true);
    lSemEstacoes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lSemEstacoes->setGeometry(8, 184, 272, 124);
    lSemEstacoes->setFont(fonteAviso);
    lSemEstacoes->hide();

    Notebook1 = new QStackedWidget(cliente);
    Notebook1->setGeometry(286, 8, 450, 450);
    auto* paginaBrasil = new QWidget;
    auto* paginaEstados = new QWidget;
    paginaBrasil->setObjectName(QStringLiteral("Brasil"));
    paginaEstados->setObjectName(QStringLiteral("Estados"));
    Notebook1->addWidget(paginaBrasil);
    Notebook1->addWidget(paginaEstados);

    BrasilBMP = new QLabel(paginaBrasil);
    BrasilBMP->setGeometry(0, 0, kLadoMapa, kLadoMapa);
    BrasilBMP->setPixmap(QPixmap::fromImage(imagemBrasil_));
    BrasilBMP->setCursor(Qt::PointingHandCursor);
    BrasilBMP->setMouseTracking(true);
    BrasilBMP->installEventFilter(this);
    NomeCid = RotuloNegrito(BrasilBMP);
    NomeCid->move(10, 372);
    LatCid = new QLabel(QStringLiteral("Latitude:"), BrasilBMP);
    LatCid->move(10, 394);
    LonCid = new QLabel(QStringLiteral("Longitude:"), BrasilBMP);
    LonCid->move(10, 414);
    LabelLatitude = RotuloNegrito(BrasilBMP);
    LabelLatitude->move(84, 394);
    LabelLongitude = RotuloNegrito(BrasilBMP);
    LabelLongitude->move(84, 414);
    for (QLabel* rotulo : {NomeCid, LatCid, LonCid, LabelLatitude, LabelLongitude}) {
        rotulo->setAttribute(Qt::WA_TransparentForMouseEvents);
        rotulo->hide();
    }

    EstadoBMP = new QLabel(paginaEstados);
    EstadoBMP->setGeometry(0, 0, kLadoMapa, kLadoMapa);
    EstadoBMP->setCursor(Qt::CrossCursor);
    EstadoBMP->setMouseTracking(true);
    EstadoBMP->installEventFilter(this);
    EstadoBMP->hide();
    EixoX = Linha(EstadoBMP, kLadoMapa, 1);
    EixoY = Linha(EstadoBMP, 1, kLadoMapa);
    LabelLat = RotuloNegrito(EstadoBMP);
    LabelLon = RotuloNegrito(EstadoBMP);
    // On a white ground, so that the coordinates stay readable over the blue territory.
    for (QLabel* rotulo : {LabelLat, LabelLon}) {
        rotulo->setAutoFillBackground(true);
        QPalette paleta = rotulo->palette();
        paleta.setColor(QPalette::Window, Qt::white);
        rotulo->setPalette(paleta);
        rotulo->hide();
    }

    const auto botao = [cliente](const QString& legenda, int x) {
        auto* b = new QPushButton(legenda, cliente);
        b->setGeometry(x, 480, 84, 30);
        return b;
    };
    Autor = botao(QString(), 286);
    Autor->setCursor(Qt::PointingHandCursor);
    BtnRelat = botao(QStringLiteral("&Relatório"), 377);
    DefinirDica(*BtnRelat, QStringLiteral("Relatório"));
    DefinirContextoAjuda(BtnRelat, kAjudaRelatorio);
    BtnAjuda = botao(QStringLiteral("&Ajuda"), 468);
    DefinirContextoAjuda(BtnAjuda, kAjudaEstados);
    BtnCancel = botao(QStringLiteral("&Cancelar"), 559);
    BtnOk = botao(QStringLiteral("&Fechar"), 650);
    BtnOk->setDefault(true);
    BtnOk->setAutoDefault(true);
}

// Below the dialog's controls: the stations behind the parameters shown, and the IDF curves.
void TfrmFoConsulta::CriarPainelEvidencia() {
    PainelEvidencia = new TPainelEvidencia(this);
    layout()->addWidget(PainelEvidencia);
    connect(PainelEvidencia->CurvasIdf, &QPushButton::clicked, this,
            [this] { Protegido(this, [this] { CurvasIdfClick(); }); });
}

void TfrmFoConsulta::CriarMenu() {
    auto* menu = new QMenuBar(this);
    layout()->setMenuBar(menu);
    MapadoBrasil1 = menu->addAction(QStringLiteral("&Mapa do Brasil"));
    QAction* relatorio = menu->addAction(QStringLiteral("&Relatório"));
    QMenu* ajuda = menu->addMenu(QStringLiteral("&Ajuda"));
    QAction* conteudo = ajuda->addAction(QStringLiteral("&Conteúdo"));
    ajuda->addSeparator();
    QAction* indice = ajuda->addAction(QStringLiteral("Obter Ajuda Sobre ..."));
    ajuda->addSeparator();
    QAction* sobre = ajuda->addAction(QStringLiteral("&Sobre o Nimbal 2.1"));

    const auto protegido = [this](void (TfrmFoConsulta::*manipulador)()) {
        return [this, manipulador] { Protegido(this, [&] { (this->*manipulador)(); }); };
    };
    connect(MapadoBrasil1, &QAction::triggered, this, protegido(&TfrmFoConsulta::MapadoBrasilClick));
    connect(relatorio, &QAction::triggered, this, protegido(&TfrmFoConsulta::BtnRelatClick));
    connect(conteudo, &QAction::triggered, this, [] { Ajuda().AbrirConteudo(); });
    connect(indice, &QAction::triggered, this, [] { Ajuda().AbrirIndice(QString()); });
    connect(sobre, &QAction::triggered, this, [this] { MostrarSobre(); });
}

void TfrmFoConsulta::LigarEventos() {
    const auto protegido = [this](void (TfrmFoConsulta::*manipulador)()) {
        return [this, manipulador] { Protegido(this, [&] { (this->*manipulador)(); }); };
    };
    connect(Estados, &QComboBox::activated, this, protegido(&TfrmFoConsulta::EstadosClick));
    connect(LBEstacao, &QListWidget::currentRowChanged, this, protegido(&TfrmFoConsulta::LBEstacaoClick));
    connect(LBLocalidade, &QListWidget::currentRowChanged, this, protegido(&TfrmFoConsulta::LBLocalidadeClick));
    connect(Calculalalo, &QPushButton::clicked, this, protegido(&TfrmFoConsulta::CalculalaloClick));
    connect(Autor, &QPushButton::clicked, this, protegido(&TfrmFoConsulta::AutorClick));
    connect(BtnRelat, &QPushButton::clicked, this, protegido(&TfrmFoConsulta::BtnRelatClick));
    connect(BtnAjuda, &QPushButton::clicked, this, [] { Ajuda().AbrirTopico(kAjudaEstados); });
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnOk, &QPushButton::clicked, this, protegido(&TfrmFoConsulta::BtnOkClick));
}

// ---- Coordinates -------------------------------------------------------------------------------

bool TfrmFoConsulta::MapaEstadoExibido() const { return !EstadoBMP->isHidden(); }

double TfrmFoConsulta::GrausAceitos(const std::string& texto, bool latitude) const {
    const double graus = CoordenadaParaGraus(texto);
    if (MapaEstadoExibido()) {
        const double minimo = latitude ? MapaEstado.LatNorte : MapaEstado.LonLeste;
        const double maximo = latitude ? MapaEstado.LatSul : MapaEstado.LonOeste;
        if (!(graus >= minimo && graus <= maximo))
            throw Exception((latitude ? "Latitude " : "Longitude ") + texto + " não definida.");
    }
    return graus;
}

void TfrmFoConsulta::DefinirLatitudeTexto(const std::string& texto) {
    Latitude = GrausAceitos(texto, true);
    StrLatitude = texto;
}

void TfrmFoConsulta::DefinirLongitudeTexto(const std::string& texto) {
    Longitude = GrausAceitos(texto, false);
    StrLongitude = texto;
}

void TfrmFoConsulta::DefinirLatitude(double valor) {
    if (!(valor >= MapaEstado.LatNorte && valor <= MapaEstado.LatSul)) return;
    Latitude = valor;
    StrLatitude = TextoCoordenada(valor);
}

void TfrmFoConsulta::DefinirLongitude(double valor) {
    if (!(valor >= MapaEstado.LonLeste && valor <= MapaEstado.LonOeste)) return;
    Longitude = valor;
    StrLongitude = TextoCoordenada(valor);
}

std::string TfrmFoConsulta::TextoDoCampo(const QLineEdit& campo) {
    QString texto = campo.displayText();
    return texto.replace(QLatin1Char('_'), QLatin1Char(' ')).toStdString();
}

// ---- Display helpers ---------------------------------------------------------------------------

void TfrmFoConsulta::DefinirAutor(const std::string& texto) {
    chaveAutor_ = texto;
    Autor->setText(Texto(texto).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

void TfrmFoConsulta::EsconderMarca() {
    EixoX->hide();
    EixoY->hide();
    LabelLat->clear();
    LabelLon->clear();
    LabelLat->hide();
    LabelLon->hide();
}

void TfrmFoConsulta::ResetarExibicao() {
    EsconderMarca();
    for (QLabel* parametro : {PrecK, PrecA, PrecB, PrecC}) parametro->clear();
    PrecLaAux->setText(kCoordenadaZero);
    PrecLoAux->setText(kCoordenadaZero);
    for (QLabel* rotulo : {NomeCid, LatCid, LonCid, LabelLatitude, LabelLongitude}) rotulo->hide();
    Evidencia = {};
    PainelEvidencia->Limpar();
}

void TfrmFoConsulta::PosicionarMarca() {
    const int x = static_cast<int>(std::lround(px));
    const int y = static_cast<int>(std::lround(py));
    EixoY->move(x, 0);
    EixoX->move(0, y);
    LabelLat->setText(Texto(StrLatitude));
    LabelLon->setText(Texto(StrLongitude));
    LabelLat->adjustSize();
    LabelLon->adjustSize();
    LabelLon->move(kLadoMapa - x < 250 ? x - 62 : x + 5, y > 100 ? 15 : 420);
    LabelLat->move(x > 100 ? 10 : 385, y > 30 ? y - 20 : y + 10);
    for (QWidget* w : std::initializer_list<QWidget*>{EixoX, EixoY, LabelLat, LabelLon}) {
        w->show();
        w->raise();
    }
}

bool TfrmFoConsulta::DentroDoEstado() const {
    if (!MapaEstadoExibido() || !std::isfinite(px) || !std::isfinite(py)) return false;
    const QPoint ponto(static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py)));
    return imagemEstado_.valid(ponto) && imagemEstado_.pixelColor(ponto) == QColor(0, 0, 255);
}

void TfrmFoConsulta::MostrarParametrosGerais() {
    PrecK->setText(Texto(FormatarGeral(Registro.K)));
    PrecA->setText(Texto(FormatarGeral(Registro.A)));
    PrecB->setText(Texto(FormatarGeral(Registro.B)));
    PrecC->setText(Texto(FormatarGeral(Registro.C)));
}

void TfrmFoConsulta::AtualizarAviso() {
    const std::optional<TCitacao> citacao = ProcurarCitacao(chaveAutor_);
    lAviso->setVisible(Estado.Indice() == kGoias && citacao && citacao->AvisoDesagregacao);
}

// ---- State selection ---------------------------------------------------------------------------

void TfrmFoConsulta::EstadosClick() { SelecionarEstado(false); }

void TfrmFoConsulta::SelecionarEstado(bool chamadoPelaAtivacao) {
    ProgressoQt progresso;
    TCursorOcupado ocupado(&progresso);
    ResetarExibicao();

    const int novo = Estados->currentIndex();
    if (const std::optional<TQuadroMapa> quadro = QuadroDoEstado(novo)) MapaEstado = *quadro;
    // Put back when the new state's map is missing; when the state itself was the last one shown (the
    // dialog opening on it), the map of Brazil with the first state.
    const int anterior = Estado.Indice() != novo ? Estado.Indice() : 0;
    Estado.SetIndice(novo);
    bd_->LimparLocalidades();

    const TEntradaEstado& entrada = kEstados[novo];
    setWindowTitle(kTituloEstado + Texto(entrada.Nome) + QStringLiteral("     "));
    Autor->setEnabled(true);

    if (entrada.Mapa) {
        Notebook1->setCurrentIndex(1);
        for (QWidget* w : std::initializer_list<QWidget*>{PrecLaAux, PrecLoAux, Calculalalo}) w->setEnabled(true);
        const QString arquivo = Texto(pastaDados_ + entrada.Sigla + ".bmp");
        QImage imagem;
        if (!QFileInfo(arquivo).isFile() || !imagem.load(arquivo)) {
            ocupado.Restaurar();
            if (anterior != novo) {
                Estados->setCurrentIndex(anterior);
                SelecionarEstado(chamadoPelaAtivacao);
            }
            throw Exception("Erro. Não foi possível localizar o arquivo BMP do estado selecinado (" +
                            std::string(entrada.Nome) + ").");
        }
        imagemEstado_ = imagem.convertToFormat(QImage::Format_RGB32);
        EstadoBMP->setPixmap(QPixmap::fromImage(imagemEstado_));
        bd_->LerLocalidades(novo);
        EstadoBMP->show();
    } else {
        // States without data go to the map of Brazil too, so that no other state's map stays on show.
        Notebook1->setCurrentIndex(0);
        for (QWidget* w : std::initializer_list<QWidget*>{PrecLaAux, PrecLoAux, Calculalalo}) w->setEnabled(false);
        EsconderMarca();
        EstadoBMP->hide();
        if (EstadoSemDados(novo)) {
            DefinirAutor("");
            Autor->setEnabled(false);
        }
    }

    PreencherListas();
    DesenharEstacoes();
    // A state on the map of Brazil without stations says where there are some (a state with its own map
    // keeps it: its points are interpolated from the stations around).
    const bool semEstacoes = !entrada.Mapa && LBEstacao->count() == 0;
    if (semEstacoes) lSemEstacoes->setText(TextoSemEstacoes(*bd_, novo));
    lSemEstacoes->setVisible(semEstacoes);
    ocupado.Restaurar();
    if (!chamadoPelaAtivacao && LBEstacao->count() > 0) LBEstacaoClick();
    AtualizarAviso();
}

void TfrmFoConsulta::PreencherListas() {
    const std::vector<TLocalidade>& localidades = bd_->Localidades();
    if (!localidades.empty()) {
        std::vector<std::string> nomes;
        for (const TLocalidade& l : localidades) nomes.push_back(l.Nome);
        PreencherOrdenado(*LBLocalidade, nomes, registroDaLocalidade_);
        LBLocalidade->show();
        LLocalidades->show();
    } else {
        // Emptied as well as hidden, so that closing cannot take over a row of another state.
        const QSignalBlocker bloqueio(LBLocalidade);
        LBLocalidade->clear();
        registroDaLocalidade_.clear();
        LBLocalidade->hide();
        LLocalidades->hide();
    }
    std::vector<std::string> nomes;
    for (const TEstacao& e : bd_->Estacoes(Estado.Indice())) nomes.push_back(e.Nome);
    PreencherOrdenado(*LBEstacao, nomes, registroDaEstacao_);
}

// ---- Station, locality, map, typed coordinates -------------------------------------------------

void TfrmFoConsulta::LBEstacaoClick() {
    const int linha = LBEstacao->currentRow();
    if (linha < 0 || linha >= static_cast<int>(registroDaEstacao_.size())) return;
    IndEstacao = static_cast<std::int16_t>(linha);
    LimparSelecao(*LBLocalidade);
    Registro = bd_->Estacoes(Estado.Indice())[registroDaEstacao_[linha]];
    StrCidade = Registro.Nome;
    DefinirLatitudeTexto(Registro.Latitude);
    DefinirLongitudeTexto(Registro.Longitude);

    if (MapaEstadoExibido()) {
        PrecLaAux->setText(Texto(StrLatitude));
        PrecLoAux->setText(Texto(StrLongitude));
        MostrarParametrosGerais();
        const TPontoMapa ponto = CoordenadasParaPixel(MapaEstado, Latitude, Longitude);
        px = ponto.X;
        py = ponto.Y;
        if (DentroDoEstado()) {
            PosicionarMarca();
            DefinirAutor(SemBrancosFinais(Registro.Autor));
        } else {
            EsconderMarca();
        }
    } else {
        NomeCid->setText(Texto(SemBrancosFinais(Registro.Nome)));
        LabelLatitude->setText(Texto(StrLatitude));
        LabelLongitude->setText(Texto(StrLongitude));
        DefinirAutor(SemBrancosFinais(Registro.Autor));
        MostrarParametrosGerais();
        for (QLabel* rotulo : {NomeCid, LatCid, LonCid, LabelLatitude, LabelLongitude}) {
            rotulo->adjustSize();
            rotulo->show();
        }
        EixoX->hide();
        EixoY->hide();
    }
    MostrarEvidencia(EvidenciaEstacao(Registro, Estado.Indice()));
    AtualizarAviso();
}

void TfrmFoConsulta::LBLocalidadeClick() {
    const int linha = LBLocalidade->currentRow();
    if (linha < 0 || linha >= static_cast<int>(registroDaLocalidade_.size())) return;
    IndLocalidade = static_cast<std::int16_t>(linha);
    LimparSelecao(*LBEstacao);
    const TLocalidade& localidade = bd_->Localidades()[registroDaLocalidade_[linha]];
    StrCidade = localidade.Nome;
    DefinirLatitudeTexto(localidade.Latitude);
    DefinirLongitudeTexto(localidade.Longitude);
    Registro = bd_->Interpolar(StrLatitude, StrLongitude);
    PrecLaAux->setText(Texto(StrLatitude));
    PrecLoAux->setText(Texto(StrLongitude));

    PrecK->setText(Texto(FormatarFloat("####.000", Registro.K)));
    PrecA->setText(Texto(FormatarFloat("0.000", Registro.A)));
    PrecB->setText(Texto(FormatarFloat("##.000", Registro.B)));
    PrecC->setText(Texto(FormatarFloat("0.000", Registro.C)));
    MostrarEvidencia(EvidenciaInterpolacao(*bd_, StrLatitude, StrLongitude));

    const TPontoMapa ponto = CoordenadasParaPixel(MapaEstado, Latitude, Longitude);
    px = ponto.X;
    py = ponto.Y;
    if (DentroDoEstado()) {
        PosicionarMarca();
        DefinirAutor(kInterpolacao);
    } else {
        EsconderMarca();
    }
    AtualizarAviso();
}

void TfrmFoConsulta::EstadoBMPMouseMove(int x, int y) {
    const QPoint ponto(x, y);
    const bool noEstado = imagemEstado_.valid(ponto) && imagemEstado_.pixelColor(ponto) == QColor(0, 0, 255);
    EstadoBMP->setCursor(noEstado ? Qt::CrossCursor : Qt::ArrowCursor);
    // The pointer's own coordinates, beside the territory too; none outside the map's frame, where a
    // text would name no place of the state (never the false zero 00°00'00").
    const TCoordenadas c = PixelParaCoordenadas(MapaEstado, x, y);
    const bool noQuadro = c.Latitude >= MapaEstado.LatNorte && c.Latitude <= MapaEstado.LatSul &&
                          c.Longitude >= MapaEstado.LonLeste && c.Longitude <= MapaEstado.LonOeste;
    PrecLaAux->setText(noQuadro ? Texto(TextoCoordenada(c.Latitude)) : QString());
    PrecLoAux->setText(noQuadro ? Texto(TextoCoordenada(c.Longitude)) : QString());
}

void TfrmFoConsulta::EstadoBMPMouseUp(int x, int y) {
    // The point must lie on the state's territory; Calcular has checked its own point already.
    const QPoint ponto(x, y);
    const bool noEstado = imagemEstado_.valid(ponto) && imagemEstado_.pixelColor(ponto) == QColor(0, 0, 255);
    if (!marcaCalculo_ && !noEstado) {
        EsconderMarca();
        EstadoBMPMouseMove(x, y);  // the clicked point's coordinates, not those of the last move
        return;
    }
    StrCidade = kNaoDefinida;
    LimparSelecao(*LBEstacao);
    LimparSelecao(*LBLocalidade);
    for (QLabel* rotulo : {NomeCid, LatCid, LonCid, LabelLatitude, LabelLongitude}) rotulo->hide();
    if (!marcaCalculo_) {
        const TCoordenadas c = PixelParaCoordenadas(MapaEstado, x, y);
        DefinirLatitude(c.Latitude);
        DefinirLongitude(c.Longitude);
    }
    PrecLaAux->setText(Texto(StrLatitude));
    PrecLoAux->setText(Texto(StrLongitude));

    Registro = bd_->Interpolar(StrLatitude, StrLongitude);
    px = x;
    py = y;
    PosicionarMarca();
    PrecK->setText(Texto(FormatarFloat("###0.000", Registro.K)));
    PrecA->setText(Texto(FormatarFloat("0.000", Registro.A)));
    PrecB->setText(Texto(FormatarFloat("#0.000", Registro.B)));
    PrecC->setText(Texto(FormatarFloat("0.000", Registro.C)));
    DefinirAutor(kInterpolacao);
    MostrarEvidencia(EvidenciaInterpolacao(*bd_, StrLatitude, StrLongitude));
    AtualizarAviso();
}

void TfrmFoConsulta::CalculalaloClick() {
    // Both coordinates and the territory are checked before anything is kept: a refused point leaves
    // the coordinates, the parameters, the place and the list selections as they were.
    const std::string latitude = TextoDoCampo(*PrecLaAux);
    const std::string longitude = TextoDoCampo(*PrecLoAux);
    const double grausLatitude = GrausAceitos(latitude, true);
    const double grausLongitude = GrausAceitos(longitude, false);
    const TPontoMapa ponto = CoordenadasParaPixel(MapaEstado, grausLatitude, grausLongitude);
    const double pxAnterior = px, pyAnterior = py;
    px = ponto.X;
    py = ponto.Y;
    if (!DentroDoEstado()) {
        px = pxAnterior;
        py = pyAnterior;
        // The opening's state selection emptied the displays: they show the parameters kept.
        if (PrecK->text().isEmpty()) MostrarParametrosGerais();
        throw Exception("O ponto de latitude " + latitude + " e longitude " + longitude +
                        " fica fora do estado escolhido (" + Estado.Nome() +
                        "): os parâmetros e o local mostrados não mudaram.");
    }
    LimparSelecao(*LBEstacao);
    LimparSelecao(*LBLocalidade);
    DefinirLatitudeTexto(latitude);
    DefinirLongitudeTexto(longitude);
    LabelLat->clear();
    LabelLon->clear();
    EstadoBMP->setCursor(Qt::CrossCursor);
    marcaCalculo_ = true;
    struct Desmarcar {
        bool& marca;
        ~Desmarcar() { marca = false; }
    } desmarcar{marcaCalculo_};
    EstadoBMPMouseUp(static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py)));
}

void TfrmFoConsulta::BrasilBMPMouseMove(int x, int y) {
    const QPoint ponto(x, y);
    const bool seleciona = imagemBrasil_.valid(ponto) && [&] {
        const QColor cor = imagemBrasil_.pixelColor(ponto);
        return EstadoDaCorDoBrasil({static_cast<uint8_t>(cor.red()), static_cast<uint8_t>(cor.green()),
                                    static_cast<uint8_t>(cor.blue())})
            .has_value();
    }();
    BrasilBMP->setCursor(seleciona ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TfrmFoConsulta::BrasilBMPMouseUp(int x, int y) {
    const QPoint ponto(x, y);
    if (imagemBrasil_.valid(ponto)) {
        const QColor cor = imagemBrasil_.pixelColor(ponto);
        if (const std::optional<int> estado = EstadoDaCorDoBrasil(
                {static_cast<uint8_t>(cor.red()), static_cast<uint8_t>(cor.green()), static_cast<uint8_t>(cor.blue())}))
            Estados->setCurrentIndex(*estado);
    }
    SelecionarEstado(false);
}

void TfrmFoConsulta::MapadoBrasilClick() {
    if (kEstados[Estado.Indice()].Mapa) {
        Estados->setCurrentIndex(0);
        SelecionarEstado(false);
    }
    Notebook1->setCurrentIndex(0);
}

// ---- Activation, closing, other commands -------------------------------------------------------

void TfrmFoConsulta::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (ativado_) return;
    ativado_ = true;
    Protegido(this, [this] { FormActivate(); });
    if (PrimeiraAtivacao && ShowAbout) {
        PrimeiraAtivacao = false;
        QTimer::singleShot(0, this, [this] { MostrarSobre(); });
    }
}

// Shows the preset place: its state, then its station, its locality or its coordinates.
void TfrmFoConsulta::FormActivate() {
    Estados->setCurrentIndex(Estado.Indice());
    SelecionarEstado(true);
    SelecionarLinha(*LBEstacao, IndEstacao);
    SelecionarLinha(*LBLocalidade, IndLocalidade);
    if (IndEstacao >= 0) {
        LBEstacaoClick();
    } else if (IndLocalidade >= 0) {
        LBLocalidadeClick();
    } else if (!StrLatitude.empty() && !StrLongitude.empty()) {
        PrecLaAux->setText(Texto(StrLatitude));
        PrecLoAux->setText(Texto(StrLongitude));
        if (MapaEstadoExibido()) CalculalaloClick();  // on the map of Brazil there is no territory to test
    }
}

bool TfrmFoConsulta::eventFilter(QObject* alvo, QEvent* evento) {
    if (alvo != EstadoBMP && alvo != BrasilBMP) return QDialog::eventFilter(alvo, evento);
    if (evento->type() != QEvent::MouseMove && evento->type() != QEvent::MouseButtonRelease) return false;
    const QPoint p = static_cast<QMouseEvent*>(evento)->position().toPoint();
    const bool solto = evento->type() == QEvent::MouseButtonRelease;
    if (PontoDeEstacao(alvo, p, solto)) return false;
    Protegido(this, [&] {
        if (alvo == EstadoBMP)
            solto ? EstadoBMPMouseUp(p.x(), p.y()) : EstadoBMPMouseMove(p.x(), p.y());
        else
            solto ? BrasilBMPMouseUp(p.x(), p.y()) : BrasilBMPMouseMove(p.x(), p.y());
    });
    return false;
}

void TfrmFoConsulta::BtnOkClick() {
    IndEstacao = static_cast<std::int16_t>(LBEstacao->currentRow());
    IndLocalidade = static_cast<std::int16_t>(LBLocalidade->currentRow());
    Autoria = chaveAutor_ == kAutorInicial ? std::string() : chaveAutor_;
    accept();
}

void TfrmFoConsulta::AutorClick() {
    const std::optional<TCitacao> citacao = ProcurarCitacao(chaveAutor_);
    if (!citacao) {
        Interface().Mensagem(this, kTituloInformacao, kNotaInterpolacao, Icone::Informacao, Botoes::Ok);
        return;
    }
    TfrmFoAutor janela(*citacao, this);
    janela.exec();
}

void TfrmFoConsulta::BtnRelatClick() {
    std::optional<QPrinter> avulsa;  // for a dialog opened without the program (in its tests)
    TfrmFoRelatNimbal relatorio(*this, pastaDados_, Impressora ? *Impressora : avulsa.emplace(), this);
    relatorio.exec();
}

void TfrmFoConsulta::CurvasIdfClick() {
    TfrmFoCurvasIdf curvas({Registro.K, Registro.A, Registro.B, Registro.C}, TrProjeto, this);
    curvas.exec();
}

// ---- Evidence and station dots -----------------------------------------------------------------

void TfrmFoConsulta::MostrarEvidencia(TEvidenciaChuva evidencia) {
    Evidencia = std::move(evidencia);
    PainelEvidencia->Mostrar(Evidencia);
    DesenharEstacoes();
}

// Every station of the shown state as a dot on its state map or, for a state without one, on the map of
// Brazil; those of the evidence by their weight.
void TfrmFoConsulta::DesenharEstacoes() {
    const bool noEstado = MapaEstadoExibido();
    const TQuadroMapa quadro = noEstado ? MapaEstado : kQuadroBrasil;
    const std::string sigla = kEstados[Estado.Indice()].Sigla;
    const std::vector<TEstacao>& estacoes = bd_->Estacoes(Estado.Indice());
    pontos_.clear();
    for (std::size_t linha = 0; linha < registroDaEstacao_.size(); ++linha) {
        const TEstacao& e = estacoes[registroDaEstacao_[linha]];
        const auto mesma = [&](const TEstacaoContribuinte& c) {
            return c.Estado == sigla && c.Nome == e.Nome && c.Latitude == e.Latitude && c.Longitude == e.Longitude;
        };
        const auto contribuinte = std::find_if(Evidencia.Estacoes.begin(), Evidencia.Estacoes.end(), mesma);
        TPontoMapa p{};
        try {
            p = CoordenadasParaPixel(quadro, CoordenadaParaGraus(e.Latitude), CoordenadaParaGraus(e.Longitude));
        } catch (const Exception&) {
            continue;  // a record whose coordinates are not numbers has no place; choosing it says why
        }
        pontos_.push_back({QPointF(p.X, p.Y), static_cast<int>(linha), Texto(SemBrancosFinais(e.Nome)),
                           contribuinte != Evidencia.Estacoes.end() ? contribuinte->Peso : 0.0});
    }
    if (noEstado)
        EstadoBMP->setPixmap(QPixmap::fromImage(MapaComEstacoes(imagemEstado_, pontos_)));
    else
        BrasilBMP->setPixmap(QPixmap::fromImage(MapaComEstacoes(imagemBrasil_, pontos_)));
}

bool TfrmFoConsulta::PontoDeEstacao(QObject* mapa, QPoint ponto, bool solto) {
    auto* figura = static_cast<QWidget*>(mapa);
    const std::optional<std::size_t> i = (mapa == EstadoBMP) == MapaEstadoExibido() ? PontoSob(pontos_, ponto)
                                                                                    : std::nullopt;
    if (!solto) {
        if (i) QToolTip::showText(figura->mapToGlobal(ponto), pontos_[*i].Nome, figura);
        else QToolTip::hideText();
        return false;  // the coordinates under the mouse are still written
    }
    if (!i) return false;
    const int linha = pontos_[*i].Linha;
    Protegido(this, [&] {
        if (LBEstacao->currentRow() == linha) LBEstacaoClick();
        else LBEstacao->setCurrentRow(linha);
    });
    return true;
}

void TfrmFoConsulta::MostrarSobre() {
    TfrmFoSobreNimbal sobre(this);
    sobre.exec();
}

}  // namespace talvek::gui
