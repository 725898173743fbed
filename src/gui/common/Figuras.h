// API: DesenharFigura(Figura, tamanho) → QPixmap; TamanhoNatural(Figura); TQuadroFigura (scaled picture widget); IconeGlifo(Glifo) → QIcon.
// The program's pictures and glyphs, drawn from SVG sources compiled into the program.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

namespace talvek::gui {

// Pictures of the windows, labelled in Portuguese.
enum class Figura {
    Inicial,           // start page ("Inicial"), title and a drained field, 800 × 500
    CampoDrenado,      // results page: profile of a drained field with EH, EV and St, 420 × 230
    SecaoTriangular,   // results " Seção uniforme ": triangular section with H, 260 × 150
    SecaoTrapezoidal,  // results " Seção uniforme ": trapezoidal section with H, 260 × 150
    SecaoReal,         // results " Seção real ": irregular section with Hr, 260 × 150
    CanalTriangular,   // data page " Canal ": triangular section with St and Sm, 260 × 150
    CanalTrapezoidal,  // data page " Canal ": trapezoidal section with B and Z, 260 × 150
    Sobre,             // the about box artwork, 559 × 340
    Terraplenagem,     // help: the earthwork of the trapezoid and of the triangle at Hr, 600 × 230
};

// Toolbar, menu and button glyphs.
enum class Glifo {
    Novo, Abrir, Salvar, Fechar, Identificacao,   // "Projeto"
    ConfigurarSistema, ConfigurarImpressora, Sobre,  // "Ferramentas"
    Sair,                                          // "Saída"
    AjudaConteudo, AjudaIndice, Ajuda,             // "&Ajuda" menu and the "Ajuda" buttons
    PaginaAgua, PaginaMeteorologia, PaginaPesquisa, PaginaPrograma,  // "Internet" buttons 1–4
    Programa,                                      // the program's window icon
};

QString CaminhoFigura(Figura figura);  // resource path of the SVG source
QSize TamanhoNatural(Figura figura);   // pixels
// The picture drawn at `tamanho` pixels (stretched to it; use TamanhoNatural for the proportions).
QPixmap DesenharFigura(Figura figura, QSize tamanho);

QString CaminhoGlifo(Glifo glifo);
QIcon IconeGlifo(Glifo glifo);  // sizes 16, 24, 32 and 48

// A picture that fills the widget keeping its proportions, centred; the start page and the section
// pictures. SetFigura swaps the picture (triangular / trapezoidal).
class TQuadroFigura : public QWidget {
public:
    explicit TQuadroFigura(Figura figura, QWidget* pai = nullptr);
    void SetFigura(Figura figura);
    Figura figura() const { return figura_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Figura figura_;
};

}  // namespace talvek::gui
