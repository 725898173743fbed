// The group "Verificação hidráulica" of the results page: the flow of the design at the theoretical
// height, the earthwork at the recommended height and the verdict lines side by side (those that warn in
// the warning colour, the line of a drain that holds in green), then the channel's material with its
// limits.
#pragma once

#include <QGroupBox>

#include <vector>

class QLabel;
class QVBoxLayout;

namespace talvek {
struct TVerificacao;
}

namespace talvek::gui {

class TGrupoVerificacao : public QGroupBox {
public:
    explicit TGrupoVerificacao(QWidget* pai = nullptr);

    void Mostrar(const TVerificacao& verificacao);

    // The value labels of the flow at H and of the earthwork at Hr, row by row; the material's line; the
    // verdict lines shown.
    const std::vector<QLabel*>& Valores() const { return valores_; }
    const QLabel* Material() const { return material_; }
    std::vector<QLabel*> Linhas() const;

private:
    std::vector<QLabel*> valores_;
    QLabel* material_;
    QVBoxLayout* linhas_;
};

}  // namespace talvek::gui
