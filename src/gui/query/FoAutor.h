// The citation window of the query dialog: authors, title and publication of a data source.
#pragma once

#include <QDialog>

#include "rainfall/Citacoes.h"

class QLabel;

namespace talvek::gui {

class TfrmFoAutor : public QDialog {
public:
    explicit TfrmFoAutor(const TCitacao& citacao, QWidget* pai = nullptr);

    QLabel* Autor;   // authors line
    QLabel* Livro;   // title, bold, over two lines
    QLabel* Pagina;  // publication details
};

}  // namespace talvek::gui
