#include "window/uEntradaDados.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <climits>
#include <cmath>

#include "common/CamposNumericos.h"
#include "common/Dicas.h"
#include "common/ErroPadrao.h"
#include "common/Figuras.h"
#include "common/InterfaceUsuario.h"
#include "design/uCanal.h"
#include "design/uVerificacaoEntradas.h"
#include "dialogs/Cobertura.h"
#include "dialogs/MaterialCanal.h"
#include "dialogs/Referencia.h"
#include "help/Ajuda.h"
#include "model/uTerreno.h"
#include "platform/Aritmetica.h"
#include "platform/Numeros.h"
#include "query/FoCurvasIdf.h"
#include "query/Nimbal21.h"

namespace talvek::gui {

namespace {

// Pictures of the number fields.
constexpr const char* kFormatoGeral = "0.0######";
constexpr const char* kFormatoEspacamento = "0.0##";
constexpr const char* kFormatoEspacamentoLigado = "0.0#";
constexpr const char* kFormatoTr = "0.0#";
constexpr const char* kFormatoTempo = "0.0";
constexpr const char* kFormatoComprimento = "0";
constexpr const char* kFormatoCDu = "0.0#";
constexpr const char* kFormatoVIBNovaUnidade = "0.0#";
// The last digit of the slope's picture "0.0######", in the unit shown: a slope shown again in another
// unit differs from the one typed by less than that.
constexpr double kResolucaoDeclividade = 1e-7;

const QString kTrapezoidal = QStringLiteral("Trapezoidal");
const QString kTriangular = QStringLiteral("Triangular");
const QString kMascaraLatitude = QStringLiteral("99°99'99\";_");

// Hints that change with the channel type.
const QString kDicaBase = QStringLiteral("Base do canal");
const QString kDicaSt = QStringLiteral("Declividade do terreno");
const QString kDicaZ = QStringLiteral("Inverso da declividade das faces laterais");
const QString kDicaSm = QStringLiteral("Declividade da parede de montante do canal");

constexpr int kAjudaSistema = 101;
constexpr int kAjudaDialogoRugCan = 109;
constexpr int kAjudaDialogoRugTer = 111;
constexpr int kAjudaDialogoCobertura = 120;
constexpr int kAjudaPagina = 102;
constexpr int kAjudaPrecipitacao = 103;
constexpr int kAjudaCanal = 106;
constexpr int kAjudaTerreno = 110;
constexpr int kAjudaEspacamento = 113;
constexpr int kAjudaSolo = 114;
constexpr int kAjudaRugTer = 115;
constexpr int kAjudaRugCan = 116;
constexpr int kAjudaDecli = 117;
constexpr int kAjudaTipoCanal = 118;
constexpr int kAjudaVIB = 119;
constexpr int kAjudaZ = 137;
constexpr int kAjudaSm = 138;
constexpr int kAjudaTempo = 139;
constexpr int kAjudaMaterial = 140;

constexpr int kLarguraCampo = 96;  // px

QLabel* Rotulo(const QString& texto, QWidget* campo = nullptr) {
    auto* rotulo = new QLabel(texto);
    if (campo) rotulo->setBuddy(campo);
    return rotulo;
}

QString Texto(const std::string& texto) { return QString::fromStdString(texto); }

// Channel length in whole metres: halves go to the even number; lengths beyond the integer range are
// kept at its end.
std::int32_t ComprimentoInteiro(double metros) {
    const double inteiro = std::nearbyint(metros);
    return inteiro >= static_cast<double>(INT32_MAX) ? INT32_MAX : static_cast<std::int32_t>(inteiro);
}

}  // namespace

TPaginaEntrada::TPaginaEntrada(TObjetosDesenho objetos, const TUnidades& unidades, QLineEdit& coefUni,
                               std::function<void(bool)> definirAlterado, QWidget* pai)
    : QWidget(pai),
      objetos_(objetos),
      unidades_(unidades),
      coefUni_(coefUni),
      definirAlterado_(std::move(definirAlterado)),
      filtro_(new TFiltroNumerico([this](QLineEdit& campo) { TeclaDigitada(campo); }, this)) {
    CBSistema = new QComboBox;
    CBSistema->addItems({QStringLiteral("Drenagem de Superfície com Inundação Parcial"),
                         QStringLiteral("Drenagem de Superfície sem Inundação Parcial")});
    CBSistema->setObjectName(QStringLiteral("CBSistema"));
    DefinirDica(*CBSistema, QStringLiteral("Tipo do sistema de drenagem"));
    DefinirContextoAjuda(CBSistema, kAjudaSistema);
    TTempo = CriarCampo("TTempo", QStringLiteral("Tempo de drenagem"));
    DefinirContextoAjuda(TTempo, kAjudaTempo);
    LTempo_ = Rotulo(QStringLiteral("Tempo de drenagem:"), TTempo);
    UnidTempo_ = Rotulo(QStringLiteral("h"));

    auto* cabecalho = new QHBoxLayout;
    cabecalho->addWidget(Rotulo(QStringLiteral("&Sistema:"), CBSistema));
    cabecalho->addWidget(CBSistema, 1);
    cabecalho->addSpacing(24);
    cabecalho->addWidget(LTempo_);
    cabecalho->addWidget(TTempo);
    cabecalho->addWidget(UnidTempo_);

    auto* esquerda = new QVBoxLayout;
    esquerda->addWidget(CriarGrupoPrecipitacao());
    esquerda->addWidget(CriarGrupoTerreno());
    esquerda->addWidget(CriarGrupoEspacamento());
    esquerda->addWidget(CriarGrupoSolo());
    esquerda->addStretch(1);
    auto* direita = new QVBoxLayout;
    direita->addWidget(CriarGrupoCanal());
    direita->addStretch(1);
    auto* colunas = new QHBoxLayout;
    colunas->addLayout(esquerda, 1);
    colunas->addLayout(direita, 1);

    BAjuda = new QPushButton(QStringLiteral("&Ajuda"));
    BCalcular = new QPushButton(QStringLiteral("&Calcular"));
    BFechar = new QPushButton(QStringLiteral("&Fechar"));
    DefinirDica(*BFechar, QStringLiteral("Fechar projeto"));
    DefinirContextoAjuda(BAjuda, kAjudaPagina);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(BAjuda);
    botoes->addStretch(1);
    botoes->addWidget(BCalcular);
    botoes->addWidget(BFechar);

    auto* pagina = new QVBoxLayout(this);
    pagina->addLayout(cabecalho);
    pagina->addLayout(colunas, 1);
    pagina->addLayout(botoes);

    Teh->setEnabled(false);
    Tev->setEnabled(false);
    LigarEventos();
}

QLineEdit* TPaginaEntrada::CriarCampo(const char* nome, const QString& dica) {
    auto* campo = new QLineEdit;
    campo->setObjectName(QString::fromLatin1(nome));
    campo->setFixedWidth(kLarguraCampo);
    DefinirDica(*campo, dica);
    filtro_->Instalar(*campo);
    return campo;
}

QGroupBox* TPaginaEntrada::CriarGrupoPrecipitacao() {
    auto* grupo = new QGroupBox(QStringLiteral(" Precipitação "));
    DefinirContextoAjuda(grupo, kAjudaPrecipitacao);
    TTr = CriarCampo("TTr", QStringLiteral("Período de retorno"));
    PrecK = CriarCampo("PrecK", QStringLiteral("Parâmetro K"));
    PrecA = CriarCampo("PrecA", QStringLiteral("Parâmetro A"));
    PrecB = CriarCampo("PrecB", QStringLiteral("Parâmetro B"));
    PrecC = CriarCampo("PrecC", QStringLiteral("Parâmetro C"));
    PrecLa1 = CriarCampo("PrecLa1", QStringLiteral("Latidude"));
    PrecLo1 = CriarCampo("PrecLo1", QStringLiteral("Longitude"));
    PrecLa1->setInputMask(kMascaraLatitude);
    PrecLo1->setInputMask(kMascaraLatitude);
    BConsulta = new QPushButton(QStringLiteral("Consulta"));
    BCurvasIdf = new QPushButton(QStringLiteral("Curvas IDF"));
    DefinirDica(*BCurvasIdf, QStringLiteral("Curvas e tabela de intensidade-duração-freqüência"));

    auto* grade = new QGridLayout(grupo);
    grade->addWidget(Rotulo(QStringLiteral("T:"), TTr), 0, 0);
    grade->addWidget(TTr, 0, 1);
    grade->addWidget(Rotulo(QStringLiteral("anos")), 0, 2);
    grade->addWidget(Rotulo(QStringLiteral("K:"), PrecK), 1, 0);
    grade->addWidget(PrecK, 1, 1);
    grade->addWidget(Rotulo(QStringLiteral("a:"), PrecA), 1, 3);
    grade->addWidget(PrecA, 1, 4);
    grade->addWidget(Rotulo(QStringLiteral("b:"), PrecB), 2, 0);
    grade->addWidget(PrecB, 2, 1);
    grade->addWidget(Rotulo(QStringLiteral("c:"), PrecC), 2, 3);
    grade->addWidget(PrecC, 2, 4);
    grade->addWidget(Rotulo(QStringLiteral("Latitude:"), PrecLa1), 3, 0);
    grade->addWidget(PrecLa1, 3, 1);
    grade->addWidget(Rotulo(QStringLiteral("Longitude:"), PrecLo1), 3, 3);
    grade->addWidget(PrecLo1, 3, 4);
    grade->addWidget(BConsulta, 4, 0, 1, 5, Qt::AlignRight);
    grade->addWidget(BCurvasIdf, 4, 0, 1, 3, Qt::AlignLeft);
    grade->setColumnMinimumWidth(2, 24);
    grade->setColumnStretch(5, 1);
    return grupo;
}

QGroupBox* TPaginaEntrada::CriarGrupoCanal() {
    auto* grupo = new QGroupBox(QStringLiteral(" Canal "));
    DefinirContextoAjuda(grupo, kAjudaCanal);
    Canal = new QComboBox;
    Canal->setObjectName(QStringLiteral("Canal"));
    Canal->addItems({kTrapezoidal, kTriangular});
    DefinirDica(*Canal, QStringLiteral("Tipo de canal"));
    DefinirContextoAjuda(Canal, kAjudaTipoCanal);
    Tsc = CriarCampo("Tsc", QStringLiteral("Declividade do canal"));
    DefinirContextoAjuda(Tsc, kAjudaCanal);
    TComp = CriarCampo("TComp", QStringLiteral("Comprimento do canal"));
    DefinirContextoAjuda(TComp, kAjudaCanal);
    RugCan = CriarCampo("RugCan", QStringLiteral("Rugosidade do canal"));
    DefinirContextoAjuda(RugCan, kAjudaRugCan);
    Bst = CriarCampo("Bst", kDicaBase);
    DefinirContextoAjuda(Bst, kAjudaCanal);
    Zsm = CriarCampo("Zsm", kDicaZ);
    DefinirContextoAjuda(Zsm, kAjudaZ);
    UnidSc = Rotulo(QString());
    UnidSt = Rotulo(QStringLiteral("m"));
    UnidSm = Rotulo(QString());
    LBst = Rotulo(QStringLiteral("&B:"), Bst);
    LZsm = Rotulo(QStringLiteral("&Z:"), Zsm);
    FiguraCanal = new TQuadroFigura(Figura::CanalTrapezoidal);
    FiguraCanal->setObjectName(QStringLiteral("FiguraCanal"));
    FiguraCanal->setFixedSize(TamanhoNatural(Figura::CanalTrapezoidal));
    BRugCan = new QPushButton(QStringLiteral("Valores de &rugosidade do canal"));
    BSmZ = new QPushButton(QStringLiteral("Valores de &Z"));
    DefinirDica(*BSmZ, QStringLiteral("Valores de Z"));
    MaterialCanal = new QLineEdit;
    MaterialCanal->setObjectName(QStringLiteral("MaterialCanal"));
    MaterialCanal->setReadOnly(true);
    DefinirDica(*MaterialCanal, QStringLiteral("Material do canal"));
    DefinirContextoAjuda(MaterialCanal, kAjudaMaterial);
    BMaterial = new QPushButton(QStringLiteral("Valores de &velocidade admissível"));
    DefinirDica(*BMaterial, QStringLiteral("Material do canal e velocidade admissível"));

    auto* grade = new QGridLayout(grupo);
    int linha = 0;
    grade->addWidget(Rotulo(QStringLiteral("Ti&po:"), Canal), linha, 0);
    grade->addWidget(Canal, linha++, 1, 1, 2);
    grade->addWidget(Rotulo(QStringLiteral("D&eclividade do canal:"), Tsc), linha, 0);
    grade->addWidget(Tsc, linha, 1);
    grade->addWidget(UnidSc, linha++, 2);
    grade->addWidget(Rotulo(QStringLiteral("Comprime&nto do canal:"), TComp), linha, 0);
    grade->addWidget(TComp, linha, 1);
    grade->addWidget(Rotulo(QStringLiteral("m")), linha++, 2);
    grade->addWidget(Rotulo(QStringLiteral("Ru&gosidade do canal:"), RugCan), linha, 0);
    grade->addWidget(RugCan, linha++, 1);
    grade->addWidget(LBst, linha, 0);
    grade->addWidget(Bst, linha, 1);
    grade->addWidget(UnidSt, linha++, 2);
    grade->addWidget(LZsm, linha, 0);
    grade->addWidget(Zsm, linha, 1);
    grade->addWidget(UnidSm, linha++, 2);
    grade->addWidget(FiguraCanal, linha++, 0, 1, -1, Qt::AlignCenter);
    grade->addWidget(BRugCan, linha++, 0, 1, -1);
    grade->addWidget(BSmZ, linha++, 0, 1, -1);
    grade->addWidget(Rotulo(QStringLiteral("Material d&o canal:"), MaterialCanal), linha, 0);
    grade->addWidget(MaterialCanal, linha++, 1, 1, -1);
    grade->addWidget(BMaterial, linha++, 0, 1, -1);
    grade->setColumnMinimumWidth(2, 36);
    grade->setColumnStretch(3, 1);
    return grupo;
}

QGroupBox* TPaginaEntrada::CriarGrupoTerreno() {
    auto* grupo = new QGroupBox(QStringLiteral(" Terreno "));
    DefinirContextoAjuda(grupo, kAjudaTerreno);
    TDecli = CriarCampo("TDecli", QStringLiteral("Declividade do terreno"));
    DefinirContextoAjuda(TDecli, kAjudaDecli);
    RugTer = CriarCampo("RugTer", QStringLiteral("Rugosidade do terreno"));
    DefinirContextoAjuda(RugTer, kAjudaRugTer);
    UnidDecli = Rotulo(QString());
    LRugTer_ = Rotulo(QStringLiteral("Rugos&idade do terreno:"), RugTer);
    BRugTer = new QPushButton(QStringLiteral("V&alores de rugosidade do terreno"));

    auto* grade = new QGridLayout(grupo);
    grade->addWidget(Rotulo(QStringLiteral("Dec&lividade do terreno:"), TDecli), 0, 0);
    grade->addWidget(TDecli, 0, 1);
    grade->addWidget(UnidDecli, 0, 2);
    grade->addWidget(LRugTer_, 1, 0);
    grade->addWidget(RugTer, 1, 1);
    grade->addWidget(BRugTer, 2, 0, 1, -1);
    grade->setColumnMinimumWidth(2, 36);
    grade->setColumnStretch(3, 1);
    return grupo;
}

QGroupBox* TPaginaEntrada::CriarGrupoEspacamento() {
    auto* grupo = new QGroupBox(QStringLiteral(" Espaçamento "));
    DefinirContextoAjuda(grupo, kAjudaEspacamento);
    Teh = CriarCampo("Teh", QStringLiteral("Espaçamento horizontal"));
    Tev = CriarCampo("Tev", QStringLiteral("Espaçamento vertical"));

    auto* grade = new QGridLayout(grupo);
    grade->addWidget(Rotulo(QStringLiteral("Horizontal:"), Teh), 0, 0);
    grade->addWidget(Teh, 0, 1);
    grade->addWidget(Rotulo(QStringLiteral("m")), 0, 2);
    grade->addWidget(Rotulo(QStringLiteral("Vertical:"), Tev), 1, 0);
    grade->addWidget(Tev, 1, 1);
    grade->addWidget(Rotulo(QStringLiteral("m")), 1, 2);
    grade->setColumnStretch(3, 1);
    return grupo;
}

QGroupBox* TPaginaEntrada::CriarGrupoSolo() {
    auto* grupo = new QGroupBox(QStringLiteral(" Solo "));
    DefinirContextoAjuda(grupo, kAjudaSolo);
    TVib = CriarCampo("TVib", QStringLiteral("Velocidade de infiltração básica"));
    DefinirContextoAjuda(TVib, kAjudaVIB);
    UnidVIB = Rotulo(QString());
    BCobertura = new QPushButton(QStringLiteral("Co&bertura vegetal"));

    auto* grade = new QGridLayout(grupo);
    grade->addWidget(Rotulo(QStringLiteral("Veloc&idade de in&filtração básica (VIB):"), TVib), 0, 0, 1, 3);
    grade->addWidget(TVib, 1, 0);
    grade->addWidget(UnidVIB, 1, 1);
    grade->addWidget(BCobertura, 2, 0, 1, -1);
    grade->setColumnStretch(2, 1);
    return grupo;
}

void TPaginaEntrada::LigarEventos() {
    for (QLineEdit* campo : {Teh, Tev, TDecli, Bst, TComp}) campo->installEventFilter(this);
    const auto protegido = [this](void (TPaginaEntrada::*manipulador)()) {
        return [this, manipulador] { Protegido(window(), [&] { (this->*manipulador)(); }); };
    };
    connect(CBSistema, &QComboBox::activated, this, protegido(&TPaginaEntrada::SistemaClick));
    // Picking the channel type already chosen changes nothing: the switch would replace the typed B and Z
    // (or St and Sm) with the model's last values.
    connect(Canal, &QComboBox::activated, this, [this](int item) {
        if (item != objetos_.CanalDrenagem.TipoCanal.Tipo) Protegido(window(), [this] { CanalClick(); });
    });
    connect(Teh, &QLineEdit::textChanged, this, protegido(&TPaginaEntrada::TehChange));
    connect(Tev, &QLineEdit::textChanged, this, protegido(&TPaginaEntrada::TevChange));
    connect(TDecli, &QLineEdit::textChanged, this, protegido(&TPaginaEntrada::TDecliChange));
    connect(Bst, &QLineEdit::textChanged, this, protegido(&TPaginaEntrada::BstChange));
    connect(BRugCan, &QPushButton::clicked, this, protegido(&TPaginaEntrada::RugosidadeCanalClick));
    connect(BRugTer, &QPushButton::clicked, this, protegido(&TPaginaEntrada::RugosidadeTerrenoClick));
    connect(BSmZ, &QPushButton::clicked, this, protegido(&TPaginaEntrada::SmZClick));
    connect(BMaterial, &QPushButton::clicked, this, protegido(&TPaginaEntrada::MaterialClick));
    connect(BCobertura, &QPushButton::clicked, this, protegido(&TPaginaEntrada::CoberturaClick));
    connect(BConsulta, &QPushButton::clicked, this, protegido(&TPaginaEntrada::ConsultaClick));
    connect(BCurvasIdf, &QPushButton::clicked, this, protegido(&TPaginaEntrada::CurvasIdfClick));
}

bool TPaginaEntrada::eventFilter(QObject* alvo, QEvent* evento) {
    if (evento->type() == QEvent::FocusIn) {
        const auto motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo == Qt::ActiveWindowFocusReason || motivo == Qt::PopupFocusReason) return false;
        Protegido(window(), [&] {
            if (alvo == Teh) EntrarTeh();
            else if (alvo == Tev) EntrarTev();
            else if (alvo == TDecli) EntrarTDecli();
            else if (alvo == Bst) EntrarBst();
        });
    } else if (evento->type() == QEvent::FocusOut && (alvo == TComp || alvo == Teh)) {
        const auto motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo == Qt::ActiveWindowFocusReason || motivo == Qt::PopupFocusReason) return false;
        Protegido(window(), [&] { alvo == TComp ? ComprimentoAceito() : EspacamentoAceito(); });
    }
    return false;
}

double TPaginaEntrada::Valor(const QLineEdit& campo) const { return ValorDoCampo(campo, 0.0); }

QString TPaginaEntrada::TextoCoordenada(const QLineEdit& campo) {
    QString texto = campo.displayText();
    return texto.replace(QLatin1Char('_'), QLatin1Char(' '));
}

bool TPaginaEntrada::CanalTriangular() const { return Canal->currentText() == kTriangular; }

// ---- Fields to model -------------------------------------------------------------------------------

void TPaginaEntrada::LerCamposDados() {
    TCanalDrenagem& canal = objetos_.CanalDrenagem;
    TTerreno& terreno = objetos_.Terreno;
    const double kDecli = unidades_.KDecli;

    canal.TipoCanal.Tipo = static_cast<std::uint8_t>(Canal->currentIndex());
    objetos_.Sistema.Tipo = static_cast<std::uint8_t>(CBSistema->currentIndex() + 2);

    if (canal.TipoCanal.Tipo == TTipoCanal::Triangular) {
        terreno.SetSt(Dividir(Valor(*Bst), kDecli));
        canal.Sm.Valor = Dividir(Valor(*Zsm), kDecli);
        canal.SetB(0);
        canal.Z.Valor = 0;
    } else {
        canal.SetB(Valor(*Bst));
        canal.Z.Valor = Valor(*Zsm);
        terreno.SetSt(0);
        canal.Sm.Valor = 0;
    }

    // Both the drainage time (used with partial flooding) and the terrain roughness (used without) are
    // kept, the one the system type hides included, so that switching back shows it again and the
    // project file keeps it.
    canal.SetTD(Valor(*TTempo));
    terreno.nt.Valor = Valor(*RugTer);

    canal.nc.Valor = Valor(*RugCan);
    canal.SetComprimento(ComprimentoInteiro(Valor(*TComp)));
    canal.SetSc(Dividir(Valor(*Tsc), kDecli));
    // The results page's coefficient only when the user typed it: filled by the program it is the
    // channel's own CDu, perhaps rounded by its picture.
    if (coefUni_.isModified()) canal.SetCDu(ValorDoCampo(coefUni_, 0.0));

    TPrecipitacaoExponencialNegativa& precipitacao = objetos_.Nimbal1.Precipitacao;
    precipitacao.SetTr(Valor(*TTr));
    precipitacao.SetK(Valor(*PrecK));
    precipitacao.SetA(Valor(*PrecA));
    precipitacao.SetB(Valor(*PrecB));
    precipitacao.SetC(Valor(*PrecC));

    const QString latitude = TextoCoordenada(*PrecLa1);
    const QString longitude = TextoCoordenada(*PrecLo1);
    if (!latitude.isEmpty()) objetos_.Nimbal1.Latitude = latitude.toStdString();
    if (!longitude.isEmpty()) objetos_.Nimbal1.Longitude = longitude.toStdString();

    terreno.SetSt(Dividir(Valor(*TDecli), kDecli));
    if (!Teh->text().isEmpty()) {
        canal.SetEH(Valor(*Teh));
        canal.SetEV(canal.EH() * terreno.St());
    }
    terreno.SetVIB(Dividir(Valor(*TVib), unidades_.KVIB));
}

// ---- Model to fields, clearing ---------------------------------------------------------------------

void TPaginaEntrada::MostrarUnidades() {
    const QString decli = Texto(unidades_.UDecli);
    UnidDecli->setText(decli);
    UnidSm->setText(decli);
    UnidSt->setText(decli);
    UnidSc->setText(decli);
    UnidVIB->setText(Texto(unidades_.UVIB));
}

void TPaginaEntrada::PreencherCamposDados() {
    const TCanalDrenagem& canal = objetos_.CanalDrenagem;
    const TTerreno& terreno = objetos_.Terreno;
    const double kDecli = unidades_.KDecli;

    MostrarUnidades();
    CBSistema->setCurrentIndex(objetos_.Sistema.Tipo - 2);
    Canal->setCurrentIndex(canal.TipoCanal.Tipo);
    SistemaClick();

    MostrarValor(*TDecli, kFormatoGeral, terreno.St() * kDecli);
    MostrarValor(*Teh, kFormatoEspacamento, canal.EH());
    MostrarValor(*Tev, kFormatoEspacamento, canal.EV());

    if (canal.TipoCanal.Tipo == TTipoCanal::Triangular) {
        MostrarValor(*Bst, kFormatoGeral, terreno.St() * kDecli);
        MostrarValor(*Zsm, kFormatoGeral, canal.Sm.Valor * kDecli);
    } else {
        MostrarValor(*Bst, kFormatoGeral, canal.B());
        MostrarValor(*Zsm, kFormatoGeral, canal.Z.Valor);
    }
    CanalClick();

    const TPrecipitacaoExponencialNegativa& precipitacao = objetos_.Nimbal1.Precipitacao;
    MostrarValor(*TTr, kFormatoTr, precipitacao.Tr());
    MostrarPrecipitacao();

    MostrarValor(*TVib, kFormatoGeral, terreno.VIB() * unidades_.KVIB);
    MostrarValor(*RugTer, kFormatoGeral, terreno.nt.Valor);
    MostrarValor(*Tsc, kFormatoGeral, canal.Sc() * kDecli);
    MostrarValor(*RugCan, kFormatoGeral, canal.nc.Valor);
    MostrarValor(*TComp, kFormatoComprimento, canal.Comprimento());
    MostrarValor(*TTempo, kFormatoTempo, canal.TD());
    MostrarValor(coefUni_, kFormatoCDu, canal.CDu());
    MostrarMaterial();
    definirAlterado_(false);
}

void TPaginaEntrada::MostrarPrecipitacao() {
    const TPrecipitacaoExponencialNegativa& precipitacao = objetos_.Nimbal1.Precipitacao;
    MostrarValor(*PrecK, kFormatoGeral, precipitacao.K());
    MostrarValor(*PrecA, kFormatoGeral, precipitacao.A());
    MostrarValor(*PrecB, kFormatoGeral, precipitacao.B());
    MostrarValor(*PrecC, kFormatoGeral, precipitacao.C());
    PrecLa1->setText(Texto(objetos_.Nimbal1.Latitude));
    PrecLo1->setText(Texto(objetos_.Nimbal1.Longitude));
}

void TPaginaEntrada::MostrarValorOtimizado(TVariavelMeta variavel, int metros) {
    if (variavel == TVariavelMeta::Comp) {
        MostrarValor(*TComp, kFormatoComprimento, metros);
    } else {
        EhGuia = true;
        EvGuia = false;
        MostrarValor(*Teh, kFormatoEspacamento, metros);  // TehChange fills Tev
    }
    MarcarAlterado();
}

void TPaginaEntrada::MostrarRugosidadeCanal() {
    MostrarValor(*RugCan, kFormatoGeral, objetos_.CanalDrenagem.nc.Valor);
}

void TPaginaEntrada::MostrarRugosidadeTerreno() {
    MostrarValor(*RugTer, kFormatoGeral, objetos_.Terreno.nt.Valor);
}

void TPaginaEntrada::MostrarSmZ() {
    const TCanalDrenagem& canal = objetos_.CanalDrenagem;
    MostrarValor(*Zsm, kFormatoGeral, CanalTriangular() ? canal.Sm.Valor * unidades_.KDecli : canal.Z.Valor);
}

// The material's name with its permissible velocity; empty without a material.
void TPaginaEntrada::MostrarMaterial() {
    const TMaterialCanal& material = objetos_.CanalDrenagem.Material;
    if (!material.Escolhido()) return MaterialCanal->clear();
    const std::string vadm = FormatarFloat("0.00#", material.Vadm) + " m/s";
    MaterialCanal->setText(Texto(material.Linha() ? material.Descricao() + ": " + vadm
                                                  : "Velocidade admissível informada: " + vadm));
    MaterialCanal->setCursorPosition(0);
}

void TPaginaEntrada::LimparCamposDados() {
    MostrarUnidades();
    CBSistema->setCurrentIndex(objetos_.Sistema.Tipo - 2);
    Canal->setCurrentIndex(objetos_.CanalDrenagem.TipoCanal.Tipo);
    SistemaClick();
    CanalClick();
    for (QLineEdit* campo : {Teh, Tev, Bst, Zsm, TTr, PrecK, PrecA, PrecB, PrecC, TVib, RugTer, TDecli, PrecLa1,
                             PrecLo1, Tsc, RugCan, TComp, TTempo, MaterialCanal})
        campo->clear();
    coefUni_.setModified(false);  // a coefficient typed for the project before is not this one's
    definirAlterado_(false);
}

// ---- Switches --------------------------------------------------------------------------------------

void TPaginaEntrada::SistemaClick() {
    objetos_.Sistema.Tipo = static_cast<std::uint8_t>(CBSistema->currentIndex() + 2);
    const bool comInundacao = objetos_.Sistema.Tipo == 2;
    LTempo_->setVisible(comInundacao);
    TTempo->setVisible(comInundacao);
    UnidTempo_->setVisible(comInundacao);
    LRugTer_->setVisible(!comInundacao);
    RugTer->setVisible(!comInundacao);
    BRugTer->setVisible(!comInundacao);
    MarcarAlterado();
}

void TPaginaEntrada::CanalClick() {
    if (Canal->currentText() == kTrapezoidal)
        MudarParaTrapezoidal();
    else if (CanalTriangular())
        MudarParaTriangular();
    MarcarAlterado();
}

void TPaginaEntrada::MudarParaTrapezoidal() {
    TCanalDrenagem& canal = objetos_.CanalDrenagem;
    canal.TipoCanal.Tipo = TTipoCanal::Trapezoidal;
    canal.Sm.Valor = Dividir(Valor(*Zsm), unidades_.KDecli);  // the wall slope still shown
    FiguraCanal->SetFigura(Figura::CanalTrapezoidal);
    LBst->setText(QStringLiteral("&B:"));
    LZsm->setText(QStringLiteral("&Z:"));
    UnidSt->setText(QStringLiteral("m"));
    UnidSm->hide();
    BSmZ->setText(QStringLiteral("Valores de &Z"));
    DefinirDica(*BSmZ, QStringLiteral("Valores de Z"));
    DefinirDica(*Bst, kDicaBase);
    DefinirDica(*Zsm, kDicaZ);
    DefinirContextoAjuda(Zsm, kAjudaZ);
    MostrarValor(*Bst, kFormatoGeral, canal.B());
    MostrarValor(*Zsm, kFormatoGeral, canal.Z.Valor);
}

void TPaginaEntrada::MudarParaTriangular() {
    TCanalDrenagem& canal = objetos_.CanalDrenagem;
    canal.TipoCanal.Tipo = TTipoCanal::Triangular;
    canal.SetB(Valor(*Bst));  // the trapezoid still shown
    canal.Z.Valor = Valor(*Zsm);
    FiguraCanal->SetFigura(Figura::CanalTriangular);
    LBst->setText(QStringLiteral("S&t:"));
    LZsm->setText(QStringLiteral("S&m:"));
    UnidSm->setText(Texto(unidades_.UDecli));
    UnidSt->setText(Texto(unidades_.UDecli));
    UnidSm->show();
    UnidSt->show();
    BSmZ->setText(QStringLiteral("Valores de S&m"));
    DefinirDica(*BSmZ, QStringLiteral("Valores de Sm"));
    DefinirDica(*Bst, kDicaSt);
    DefinirDica(*Zsm, kDicaSm);
    DefinirContextoAjuda(Zsm, kAjudaSm);
    MostrarValor(*Bst, kFormatoGeral, objetos_.Terreno.St() * unidades_.KDecli);
    MostrarValor(*Zsm, kFormatoGeral, canal.Sm.Valor * unidades_.KDecli);
}

// ---- Linked fields ---------------------------------------------------------------------------------

void TPaginaEntrada::EntrarTeh() {
    EhGuia = true;
    EvGuia = false;
    TehChange();
}

void TPaginaEntrada::EntrarTev() {
    EvGuia = true;
    EhGuia = false;
}

void TPaginaEntrada::EntrarTDecli() {
    DecliEditado = true;
    BstEditado = false;
}

void TPaginaEntrada::EntrarBst() {
    BstEditado = true;
    DecliEditado = false;
    BstChange();
}

void TPaginaEntrada::TehChange() {
    if (!EhGuia || Teh->text().isEmpty()) return;
    const double ev = Dividir(Valor(*TDecli) * Valor(*Teh), unidades_.KDecli);
    MostrarValor(*Tev, kFormatoEspacamentoLigado, ev);
    MarcarAlterado();
}

void TPaginaEntrada::TevChange() {
    if (!EvGuia || Tev->text().isEmpty()) return;
    const double eh = Dividir(Valor(*Tev), Dividir(Valor(*TDecli), unidades_.KDecli));
    MostrarValor(*Teh, kFormatoEspacamentoLigado, eh);
    MarcarAlterado();
}

void TPaginaEntrada::TDecliChange() {
    const double declividade = Valor(*TDecli);
    const bool semDeclividade = TDecli->text().isEmpty() || declividade == 0.0;
    // The spacings are tied to the slope: a new slope discards them, the same slope shown again (in
    // another unit, or copied over from Bst by the channel-type switch) keeps them.
    const double st = semDeclividade ? 0.0 : Dividir(declividade, unidades_.KDecli);  // m/m
    if (semDeclividade || std::abs(st - declividadeEspacamentos_) * unidades_.KDecli >= kResolucaoDeclividade) {
        Tev->clear();
        Teh->clear();
        EhGuia = true;
        EvGuia = false;
    }
    declividadeEspacamentos_ = st;
    if (DecliEditado && CanalTriangular()) {
        Bst->setText(TDecli->text());
        MarcarAlterado();
    }
    if (!semDeclividade) objetos_.Terreno.SetSt(st);
    Teh->setEnabled(!semDeclividade);
    Tev->setEnabled(!semDeclividade);
}

void TPaginaEntrada::BstChange() {
    if (!BstEditado || !CanalTriangular()) return;
    TDecli->setText(Bst->text());
    MarcarAlterado();
}

void TPaginaEntrada::TeclaDigitada(QLineEdit& campo) {
    MarcarAlterado();
    if (&campo == TDecli) {
        Teh->clear();
        Tev->clear();
    }
}

bool TPaginaEntrada::ComprimentoAceito() {
    return LimiteAceito(*TComp, kComprimentoMaximoCanal, QString::fromUtf8(kComprimentoExcedido));
}

bool TPaginaEntrada::EspacamentoAceito() {
    return LimiteAceito(*Teh, kEspacamentoMaximo, QString::fromUtf8(kEspacamentoExcedido));
}

bool TPaginaEntrada::LimiteAceito(QLineEdit& campo, double maximo, const QString& mensagem) {
    if (campo.text().isEmpty() || Valor(campo) <= maximo) return true;
    Interface().Mensagem(window(), TituloPrograma(), mensagem, Icone::Informacao, Botoes::Ok);
    campo.setText(QString::number(maximo));
    // The focus returns once the click or key that moved it away has been delivered.
    QTimer::singleShot(0, &campo, [&campo] { campo.setFocus(); });
    return false;
}

// ---- Reference dialogs ----------------------------------------------------------------------------

void TPaginaEntrada::RugosidadeCanalClick() {
    TReal& nc = objetos_.CanalDrenagem.nc;
    TReferencia RugCan1(kTabelaRugCan);
    RugCan1.Indice = nc.Indice;
    RugCan1.Valor = nc.Valor;
    RugCan1.HelpContext = kAjudaDialogoRugCan;
    if (!RugCan1.Executar(window())) return;
    nc = {RugCan1.Valor, static_cast<std::int8_t>(RugCan1.Indice)};
    MostrarRugosidadeCanal();
    MarcarAlterado();
}

void TPaginaEntrada::RugosidadeTerrenoClick() {
    TReal& nt = objetos_.Terreno.nt;
    TReferencia RugTer1(kTabelaRugTer);
    RugTer1.Indice = nt.Indice;
    RugTer1.Valor = nt.Valor;
    RugTer1.HelpContext = kAjudaDialogoRugTer;
    if (!RugTer1.Executar(window())) return;
    nt = {RugTer1.Valor, static_cast<std::int8_t>(RugTer1.Indice)};
    MostrarRugosidadeTerreno();
    MarcarAlterado();
}

// The Sm dialog shows and returns Sm in the slope unit of the page, while the channel holds it in m/m.
void TPaginaEntrada::SmZClick() {
    TCanalDrenagem& canal = objetos_.CanalDrenagem;
    if (CanalTriangular()) {
        TReferencia Sm1(kTabelaSm);
        Sm1.Indice = canal.Sm.Indice;
        Sm1.Valor = canal.Sm.Valor * unidades_.KDecli;
        Sm1.HelpContext = kAjudaSm;
        Sm1.UDeclive = unidades_.UDecli;
        Sm1.KDeclive = unidades_.KDecli;
        if (!Sm1.Executar(window())) return;
        canal.Sm = {Sm1.Valor / unidades_.KDecli, static_cast<std::int8_t>(Sm1.Indice)};
    } else {
        TReferencia Z1(kTabelaZ);
        Z1.Indice = canal.Z.Indice;
        Z1.Valor = canal.Z.Valor;
        Z1.HelpContext = kAjudaZ;
        if (!Z1.Executar(window())) return;
        canal.Z = {Z1.Valor, static_cast<std::int8_t>(Z1.Indice)};
    }
    MostrarSmZ();
    MarcarAlterado();
}

void TPaginaEntrada::MaterialClick() {
    TMaterialCanal& material = objetos_.CanalDrenagem.Material;
    TReferencia Material1(TabelaMaterialCanal());
    Material1.Indice = material.Indice;
    Material1.Valor = material.Vadm;
    Material1.HelpContext = kAjudaMaterial;
    if (!Material1.Executar(window())) return;
    material = {Material1.Indice, Material1.Valor};
    MostrarMaterial();
    MarcarAlterado();
}

void TPaginaEntrada::CoberturaClick() {
    talvek::TCobertura& cobertura = objetos_.Terreno.Cobertura;
    gui::TCobertura Cobertura1;
    Cobertura1.SetTratamento(cobertura.Tratamento);
    Cobertura1.SetUsoTerra(cobertura.UsoTerra);
    Cobertura1.SetCondicaoHidrologica(cobertura.CondicaoHidrologica);
    Cobertura1.HelpContext = kAjudaDialogoCobertura;
    if (!Cobertura1.Executar(window())) return;
    cobertura.Tratamento.Atribuir(Cobertura1.Tratamento());
    cobertura.UsoTerra.Atribuir(Cobertura1.UsoTerra());
    cobertura.CondicaoHidrologica.Atribuir(Cobertura1.CondicaoHidrologica());
    MarcarAlterado();
}

// The rainfall query starts from the parameters and coordinates of the page (the return period stays).
// A page over the bare component state, without the query (as the tests of other dialogs build it),
// does nothing.
void TPaginaEntrada::ConsultaClick() {
    auto* consulta = dynamic_cast<gui::TNimbal21*>(&objetos_.Nimbal1);
    if (!consulta) return;
    gui::TNimbal21& nimbal = *consulta;
    nimbal.Precipitacao.SetK(Valor(*PrecK));
    nimbal.Precipitacao.SetA(Valor(*PrecA));
    nimbal.Precipitacao.SetB(Valor(*PrecB));
    nimbal.Precipitacao.SetC(Valor(*PrecC));
    nimbal.Latitude = TextoCoordenada(*PrecLa1).toStdString();
    nimbal.Longitude = TextoCoordenada(*PrecLo1).toStdString();
    nimbal.TrProjeto = Valor(*TTr);
    if (!nimbal.Executar(window())) return;
    MostrarPrecipitacao();
    MarcarAlterado();
}

// The curves of the parameters typed on the page, the page's return period emphasised; an empty K has none.
void TPaginaEntrada::CurvasIdfClick() {
    const TParametrosIdf parametros{Valor(*PrecK), Valor(*PrecA), Valor(*PrecB), Valor(*PrecC)};
    if (!(parametros.K > 0)) throw Exception(kMensagemK);
    TfrmFoCurvasIdf curvas(parametros, Valor(*TTr), window());
    curvas.exec();
}

// ---- Emptiness check -------------------------------------------------------------------------------

std::optional<TPaginaEntrada::TCampoInvalido> TPaginaEntrada::PrimeiroCampoInvalido() const {
    // The fields of the inputs, in the order of TCampoEntrada.
    QLineEdit* const campos[kNumeroCamposEntrada] = {
        TTr, PrecK, PrecA, PrecB, PrecC, Tsc, TComp, RugCan, Zsm, Bst, TTempo, RugTer, TDecli, Tev, Teh, TVib,
    };
    TEntradasProjeto entradas =
        EntradasDoModelo(objetos_.CanalDrenagem, objetos_.Terreno, objetos_.Nimbal1.Precipitacao, objetos_.Sistema);
    for (std::size_t i = 0; i < kNumeroCamposEntrada; ++i)
        if (campos[i]->text().isEmpty()) entradas.Valores[i].reset();
    const std::optional<TEntradaInvalida> invalida = PrimeiraEntradaInvalida(entradas);
    if (!invalida) return std::nullopt;
    QString mensagem = QString::fromStdString(invalida->Mensagem);
    if (!invalida->Causa.empty()) mensagem += QLatin1Char('\n') + QString::fromStdString(invalida->Causa);
    return TCampoInvalido{campos[static_cast<std::size_t>(invalida->Campo)], mensagem};
}

bool TPaginaEntrada::DadosConsistentes() {
    const std::optional<TCampoInvalido> invalido = PrimeiroCampoInvalido();
    if (invalido) RecusarCampo(*invalido);
    return !invalido;
}

void TPaginaEntrada::RecusarCampo(const TCampoInvalido& invalido) {
    Interface().Mensagem(window(), TituloPrograma(), invalido.Mensagem, Icone::Erro, Botoes::Ok);
    invalido.Campo->setFocus();
}

// ---- Unit change -----------------------------------------------------------------------------------

void TPaginaEntrada::GuardarValoresExibidos() {
    TCanalDrenagem& canal = objetos_.CanalDrenagem;
    const double kDecli = unidades_.KDecli;
    canal.SetSc(Dividir(Valor(*Tsc), kDecli));
    objetos_.Terreno.SetVIB(Dividir(Valor(*TVib), unidades_.KVIB));
    if (CanalTriangular()) canal.Sm.Valor = Dividir(Valor(*Zsm), kDecli);
    objetos_.Terreno.SetSt(Dividir(Valor(*TDecli), kDecli));
}

void TPaginaEntrada::ReexibirComNovasUnidades() {
    // The unit labels always follow the new units, so that an empty field is typed in the unit shown;
    // the values are shown again where there is one.
    const TCanalDrenagem& canal = objetos_.CanalDrenagem;
    const double kDecli = unidades_.KDecli;
    const QString decli = Texto(unidades_.UDecli);
    UnidSc->setText(decli);
    if (!Tsc->text().isEmpty()) MostrarValor(*Tsc, kFormatoGeral, canal.Sc() * kDecli);
    UnidDecli->setText(decli);
    if (!TDecli->text().isEmpty()) MostrarValor(*TDecli, kFormatoGeral, objetos_.Terreno.St() * kDecli);
    if (CanalTriangular()) {
        UnidSm->setText(decli);
        if (!Zsm->text().isEmpty()) MostrarValor(*Zsm, kFormatoGeral, canal.Sm.Valor * kDecli);
        UnidSt->setText(decli);
        if (!Bst->text().isEmpty()) MostrarValor(*Bst, kFormatoGeral, objetos_.Terreno.St() * kDecli);
    }
    if (!TVib->text().isEmpty()) MostrarValor(*TVib, kFormatoVIBNovaUnidade, objetos_.Terreno.VIB() * unidades_.KVIB);
    UnidVIB->setText(Texto(unidades_.UVIB));
}

}  // namespace talvek::gui
