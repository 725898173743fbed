#!/usr/bin/env bash
# The installed program, run as a user runs it: `cmake --install` into a temporary prefix, then
# talvek-calc through its link in bin/ and the program through its launcher.
#   TesteInstalacao.sh CMAKE PASTA_DA_COMPILACAO PASTA_DOS_PROJETOS_DE_TESTE
set -euo pipefail
cmake=$1
build=$2
dados=$3
prefixo=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$prefixo"' EXIT
falha() { echo "FALHA: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefixo" >/dev/null
programa="$prefixo/lib/talvek2/Talvek2"
for arquivo in bin/talvek2 bin/talvek-calc lib/talvek2/Talvek2/Talvek2 lib/talvek2/Talvek2/Talvek2.hlp \
               lib/talvek2/Talvek2/Cabecalho.jpg "lib/talvek2/Arquivos Comuns/Localidades_Nim21.bin" \
               share/applications/talvek2.desktop share/mime/packages/talvek2.xml \
               share/icons/hicolor/scalable/apps/talvek2.svg share/icons/hicolor/48x48/apps/talvek2.png; do
  [ -e "$prefixo/$arquivo" ] || falha "a instalação não tem $arquivo"
done

# A double click on a project: the desktop entry starts the launcher with the file type that the MIME
# package gives to *.tvk (as the system's MIME database reads it), under the installed icon's name.
entrada="$prefixo/share/applications/talvek2.desktop"
desktop-file-validate "$entrada" || falha "a entrada do menu não é válida"
tipo=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$prefixo/share/mime/packages/talvek2.xml")
grep -qxF "MimeType=$tipo;" "$entrada" || falha "a entrada do menu não abre o tipo $tipo"
grep -qxF "Exec=talvek2 %f" "$entrada" || falha "a entrada do menu não inicia bin/talvek2 com o arquivo"
grep -qxF "Icon=talvek2" "$entrada" || falha "a entrada do menu não usa o ícone talvek2"
update-mime-database "$prefixo/share/mime"
grep -qxF "50:$tipo:*.tvk" "$prefixo/share/mime/globs2" || falha "o banco de tipos MIME não associa *.tvk a $tipo"

# The installed talvek-calc computes what the build tree's does: a design of each system type, and a
# query that reads the rainfall database from "Arquivos Comuns" beside the program's folder.
calc_instalado() { LC_ALL=C "$prefixo/bin/talvek-calc" "$@"; }
calc_compilado() { LC_ALL=C "$build/talvek-calc" "$@"; }
comparar() {
  local esperado obtido
  esperado=$(calc_compilado "$@") || falha "talvek-calc da compilação: $*"
  obtido=$(calc_instalado "$@") || falha "talvek-calc instalado: $*"
  [ "$obtido" = "$esperado" ] || falha "talvek-calc instalado difere em '$*':
$obtido
--- esperado:
$esperado"
}
comparar dimensionar "$dados/Lavoura3.tvk"
comparar dimensionar "$dados/Inundacao2Trapezio.tvk" --json
comparar idf --lat "19°55'00\"" --lon "43°56'00\"" --json
# The design report's header picture is the one in the installed program's folder.
relatorio=$(calc_instalado relatorio "$dados/Lavoura3.tvk") || falha "talvek-calc instalado: relatorio"
grep -qF "<IMG SRC=\"$(readlink -f "$programa")/Cabecalho.jpg\"" <<<"$relatorio" ||
  falha "o relatório do talvek-calc instalado não aponta o cabeçalho da pasta do programa"

# The program, started by its launcher with a project, comes up in its own folder (its working
# directory) with the project as its argument, and keeps running until it is stopped: no crash on the way
# to the open project.
export HOME="$prefixo/casa" XDG_CONFIG_HOME="$prefixo/casa/.config" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
"$prefixo/bin/talvek2" "$dados/Lavoura3.tvk" >"$prefixo/saida.txt" 2>&1 &
pid=$!
pasta=$(readlink -f "$programa")
for _ in $(seq 100); do  # up to 20 s for the main window, which moves into the program's folder
  kill -0 "$pid" 2>/dev/null && [ "$(readlink -f "/proc/$pid/cwd")" != "$pasta" ] || break
  sleep 0.2
done
sleep 2  # the project opens once the event loop runs
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid" && codigo=0 || codigo=$?
  falha "o programa instalado terminou sozinho (código $codigo): $(cat "$prefixo/saida.txt")"
fi
[ "$(readlink -f "/proc/$pid/exe")" = "$(readlink -f "$programa/Talvek2")" ] || falha "o lançador não executou o programa instalado"
[ "$(readlink -f "/proc/$pid/cwd")" = "$pasta" ] || falha "o programa não está na sua pasta"
tr '\0' '\n' <"/proc/$pid/cmdline" | grep -qxF "$dados/Lavoura3.tvk" || falha "o lançador não passou o projeto ao programa"
echo "instalação verificada"
