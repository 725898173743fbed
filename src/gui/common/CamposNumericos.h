// The number fields of the main window: reading a field as a number, showing a number by a picture, the
// emptiness test before a calculation and the key filter of the numeric fields. Numbers are typed and
// shown with the decimal separator of the regional settings.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace talvek::gui {

// The text read as a number; an empty text gives `padrao`. A text that is not a number raises
// talvek::Exception with the number-conversion message.
double ValorDoCampo(const QString& texto, double padrao);
double ValorDoCampo(const QLineEdit& campo, double padrao);

// `valor` written by the picture `formato` ("0.0#", "0.0######", "0"), or an empty text when `valor`
// equals `vazio`.
QString TextoDoValor(const char* formato, double valor, double vazio);
void MostrarValor(QLineEdit& campo, const char* formato, double valor, double vazio = 0.0);

// True when the field holds a text; otherwise shows `mensagem` in an error box, gives the field the
// focus and returns false.
bool CampoPreenchido(QLineEdit& campo, const QString& mensagem);

// The key rule of every numeric field. Keys that carry no printable character (arrows, Delete, Tab,
// Enter, Backspace) and shortcuts (Ctrl, Alt, Meta) pass to the field as they are; a typed thousands
// separator becomes the decimal separator; only the digits and the decimal separator are typed; every other
// character is refused.
struct TTeclaNumerica {
    enum Efeito { Passa, Digita, Recusa } efeito;
    QChar caractere;  // what Digita types
};
TTeclaNumerica RegraTeclaNumerica(const QKeyEvent& tecla);

// Key filter of the numeric fields, installed on each of them. Every character key first calls
// `aoDigitar` with the field (the project is marked modified even for a refused key); a typed thousands
// separator becomes the decimal separator; only the digits, the decimal separator and Backspace reach
// the field. Keys that carry no character (arrows, Delete, Tab, Enter) and the editing shortcuts pass.
class TFiltroNumerico : public QObject {
public:
    using Aviso = std::function<void(QLineEdit& campo)>;

    TFiltroNumerico(Aviso aoDigitar, QObject* pai);
    void Instalar(QLineEdit& campo);

protected:
    bool eventFilter(QObject* alvo, QEvent* evento) override;

private:
    Aviso aoDigitar_;
};

}  // namespace talvek::gui
