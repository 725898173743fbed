// Test doubles of the main window's tests: message boxes and file dialogs answered from prepared lists
// and written down, help requests written down, and a main window living in a folder of its own.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "ApoioInterface.h"
#include "common/InterfaceUsuario.h"
#include "help/Ajuda.h"
#include "platform/Regional.h"
#include "window/uPrincipal.h"

namespace talvek::gui::teste {

// The regional settings of Brazil (comma decimals) or of the C locale.
inline ConfiguracaoRegional Virgula() { return {',', '.', '/', "dd/mm/yyyy"}; }
inline ConfiguracaoRegional Ponto() { return {'.', ',', '/', "dd/mm/yyyy"}; }

// A main window whose program folder is a fresh temporary folder, shown and active.
struct JanelaDeTeste {
    QTemporaryDir pasta;
    std::unique_ptr<TFPrincipal> janela;

    JanelaDeTeste() { Criar(); }
    void Criar() {
        janela = std::make_unique<TFPrincipal>(pasta.path());
        janela->show();
        QApplication::setActiveWindow(janela.get());
        (void)QTest::qWaitForWindowActive(janela.get());
    }
    QString Caminho(const QString& nome) const { return QDir(pasta.path()).filePath(nome); }
    TFPrincipal* operator->() const { return janela.get(); }
};

// Once the next modal dialog is shown, `acao` answers it (for example QDialog::reject).
inline void AoAbrirDialogo(std::function<void(QDialog&)> acao) {
    QTimer::singleShot(0, [acao = std::move(acao)] {
        if (auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget())) acao(*dialogo);
    });
}

// New, with the identification dialog that follows it closed by Cancel.
inline void NovoProjeto(TFPrincipal& janela) {
    AoAbrirDialogo([](QDialog& dialogo) { dialogo.reject(); });
    janela.NovoClick();
    // The offscreen platform does not give the activation back to the window by itself.
    QApplication::setActiveWindow(&janela);
    (void)QTest::qWaitForWindowActive(&janela);
}

// The user gives `campo` the focus and types `texto` over its content, key by key.
inline void Digitar(QLineEdit* campo, const QString& texto) {
    campo->setFocus(Qt::TabFocusReason);
    campo->selectAll();
    if (texto.isEmpty())
        QTest::keyClick(campo, Qt::Key_Backspace);
    else
        QTest::keyClicks(campo, texto);
}

}  // namespace talvek::gui::teste
