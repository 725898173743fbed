#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets, fuzz/corpus/<target>/, from the project's example files.

The inputs are laid out as each target consumes them (see fuzz/*.cpp): the profile-file target takes the
file bytes as a FuzzedDataProvider string (a backslash doubled, ended by a backslash and another byte) and
its choices from the end of the input. Run again after changing the examples; files are named by content.
"""
import hashlib
import pathlib
import struct

RAIZ = pathlib.Path(__file__).resolve().parents[2]
CORPUS = RAIZ / "fuzz" / "corpus"


def gravar(alvo, dados):
    pasta = CORPUS / alvo
    pasta.mkdir(parents=True, exist_ok=True)
    (pasta / hashlib.sha1(dados).hexdigest()[:16]).write_bytes(dados)


def ini(texto, codificacao="cp1252", quebra="\r\n"):
    return texto.replace("\n", quebra).encode(codificacao)


PROJETO = """[IDENTIFICACAO]
Versao=1
Nome=Lavoura 3
Empresa=Cooperativa
Local=Fazenda Boa Vista
Estado=Minas Gerais
Tecnico=Responsável técnico
Data=08/12/2026

[TipoSistema]
Versao=1
Tipo=3

[NIMBAL]
Versao=1
Latitude=21°14'00"
Longitude=45°00'00"
IndEstacao=0
IndLocalidade=35
StrCidade=Lavras
IndEstado=10
StrEstado=Minas Gerais

[PRECIPITACAO]
Versao=2
Duracao=0
PrecipitacaoTotal=0

[PREC_EXPONENCIAL_NEGATIVA]
Versao=2
Tr=10
K=1234.5
A=0.18
B=12
C=0.85

[Cobertura]
Versao=1
IndUso=2
IndCond=1
IndTrat=0

[Terreno]
Versao=1
VIB=10
St=0.02
nt=0.1
Indnt=3

[Canal]
Versao=1
H=0.25
Hr=35
B=0
CDu=1
IndZ=-1
ValorZ=0
IndSm=7
ValorSm=0.418
TipoCanal=1

[CanalGradiente]
Versao=1
Comprimento=300
Sc=0.002
Q=45.6
Indnc=2
nc=0.03

[CanalDrenagem]
Versao=1
EH=20
EV=0.4
TD=0

[TALVEK2]
Versao=2.0
UDecli=%
KDecli=100
UVIB=mm/h
KVIB=1
"""

# The earlier layout: the storm's keys inside [NIMBAL], no precipitation sections.
PROJETO_ANTIGO = """[IDENTIFICACAO]
Versao=1
Nome=Antigo

[NIMBAL]
Versao=1
Duracao=0
PrecipitacaoTotal=0
Tr=10
K=1234,5
A=0,18
B=12
C=0,85
"""

CONFIGURACAO = """[PRINCIPAL]
UDecli=%
KDecli=100
UVIB=mm/h
KVIB=1
path1=C:\\Projetos\\lavoura3.tvk
path2=C:\\Projetos\\teste.tvk
path3=
path4=
IndEstado=10
"""

ESTRANHOS = [
    "; comentário\n[A]\nx = 1\n\n[B]\ny=2",                 # comment, blanks, no final line break
    "[A]\nx=1\nx=2\n[a]\nx=3\n",                             # repeated keys and sections
    "[Canal\nVersao=1\nH=1e400\nHr=nan\nB=-0\nCDu=1.2.3\n",  # header without "]", odd numbers
    "[Terreno]\nVIB=-5\nSt=" + "9" * 3000 + "\n",           # negative value, very long line
    "\n\n[]\n=semchave\nsemigual\n[ X ]\n k = \"v\" \n",
]


def semente_ini(conteudo, escolhas):
    return conteudo.replace(b"\\", b"\\\\") + b"\\\n" + escolhas


def sementes_arquivo_ini():
    arquivos = [
        ini(PROJETO), ini(PROJETO, quebra="\n"), ini(PROJETO, "utf-8"),
        b"\xef\xbb\xbf" + ini(PROJETO, "utf-8", "\n"), ini(PROJETO_ANTIGO), ini(CONFIGURACAO),
        b"[IDENTIFICACAO]\r\nNome=S\xe3o Jo\xe3o \x81\x8d\r\n",  # Windows-1252 with undefined bytes
        b"[A]\r\nx=\xc3\xa9\xff\r\n",                              # neither UTF-8 nor Windows-1252 text
        b"",
    ] + [ini(t) for t in ESTRANHOS]
    # Choices are read from the end: a few steps of each kind.
    escolhas = [b"", b"\x00\x01\x02\x03\x04\x05\x06\x07", bytes(range(0, 256, 7)), b"\xff" * 16]
    for i, arquivo in enumerate(arquivos):
        gravar("arquivo_ini", semente_ini(arquivo, escolhas[i % len(escolhas)]))


def sementes_numeros():
    textos = ["0", "100", "0.5", "0,5", " 12.5 ", "1E-5", "-0", "1e400", "nan", "inf", "1.2.3", "1,5e3",
              "+7", "-1234.5678", "1e-320", "9" * 30, "", " ", "0.0#", ".5", "5."]
    for texto in textos:
        gravar("numeros", texto.encode() + b"\x00" * 12)
        gravar("numeros", texto.encode() + bytes(range(1, 13)))


def sementes_codificacao():
    for amostra in ["São João", "Responsável técnico", "21°14'00\"", "Interpolação", "€ ‰ Œ ™", "日本"]:
        gravar("codificacao", amostra.encode("utf-8"))
        try:
            gravar("codificacao", amostra.encode("cp1252"))
        except UnicodeEncodeError:
            pass
    for bruto in [b"\x81\x8d\x8f\x90\x9d", b"\xc3", b"\xed\xa0\x80", b"\xf4\x90\x80\x80", b"\xc0\xaf",
                  b"\xef\xbb\xbf[A]"]:
        gravar("codificacao", bruto)


def sementes_projeto():
    # Whole files, as the target takes them; the separator follows the length's parity.
    for arquivo in [ini(PROJETO), ini(PROJETO) + b"\r\n", ini(PROJETO.replace(".", ",")), ini(PROJETO, "utf-8", "\n"),
                    ini(PROJETO_ANTIGO), ini(PROJETO_ANTIGO) + b" "] + [ini(t) for t in ESTRANHOS]:
        gravar("projeto", arquivo)
    for exemplo in sorted((RAIZ / "tests" / "data").glob("*.tvk")):
        gravar("projeto", exemplo.read_bytes())


def sementes_configuracao():
    for arquivo in [ini(CONFIGURACAO), ini(CONFIGURACAO, "utf-8", "\n"), ini("[PRINCIPAL]\nKVIB=0,024\nIndEstado=x\n"),
                    ini("[Outra]\nx=1\n"), b""]:
        gravar("configuracao", arquivo)


def texto(t, capacidade):
    b = t.encode("cp1252")
    return bytes([len(b)]) + b + b"\0" * (capacidade - len(b))


def estacao(nome, k, a, b, c, autor, lat, lon):
    return (texto(nome, 68) + struct.pack("<4d", k, a, b, c) + texto(autor, 30) + texto(lat, 9) + texto(lon, 9))


def localidade(nome, lat, lon):
    return texto(nome, 68) + texto(lat, 9) + texto(lon, 9)


def banco(grupos):
    """A database file: leading byte, then for each of the 27 states its count and records."""
    saida = b"\0"
    for estado in range(27):
        registros = grupos.get(estado, [])
        saida += struct.pack("<H", len(registros)) + b"".join(registros)
    return saida


def sementes_banco():
    lavras = estacao("Lavras", 1234.5, 0.18, 12, 0.85, "CHUVAS", "21°14'00\"", "45°00'00\"")
    campinas = estacao("Campinas", 2000, 0.2, 20, 0.9, "CHUVAS", "22°54'00\"", "47°03'00\"")
    goias = estacao("Goiânia", 900, 0.15, 10, 0.75, "DAEE", "16°40'00\"", "49°15'00\"")
    acre = estacao("Rio Branco", 800, 0.1, 9, 0.7, "X", "09°58'00\"", "67°48'00\"")
    bons = banco({12: [lavras], 24: [campinas], 8: [goias], 0: [acre]})
    nan = banco({12: [estacao("NaN", float("nan"), 0, 0, 0, "X", "21°14'00\"", "45°00'00\"")]})
    longo = bytearray(bons)
    longo[1 + 2 * 1] = 200  # a text length byte above the field's capacity (the Acre station's name)
    consulta = struct.pack("<QQ", 0x4035000000000000, 0x4046800000000000)
    for arquivo in [bons, banco({}), bons[:-20], bons[:-1] + b"\0\0", banco({12: [lavras] * 3}), nan, bytes(longo)]:
        gravar("banco_estacoes", arquivo + consulta)

    loc = [localidade("Lavras", "21°14'00\"", "45°00'00\""), localidade("Perdões", "21°05'00\"", "45°05'00\"")]
    bons = banco({0: loc[:1], 12: loc, 26: loc[1:]})
    promete = bytearray(bons)
    promete[1] = 9  # Acre promises nine localities
    for arquivo, estado in [(bons, 12), (bons, 0), (bons, 26), (banco({}), 3), (bytes(promete), 12), (bons[:-5], 26)]:
        gravar("banco_localidades", arquivo + bytes([estado]))


def sementes_importacao_csv():
    pasta = RAIZ / "tools" / "banco" / "csv"
    for nome, seletor in [("estacoes.csv", b"\0"), ("localidades.csv", b"\1")]:
        caminho = pasta / nome
        if caminho.exists():
            linhas = caminho.read_bytes().splitlines(keepends=True)
            gravar("importacao_csv", seletor + b"".join(linhas[:12]))
    estacoes = "Estado;Nome;Latitude;Longitude;K;a;b;c;Autor\n"
    for tabela in [estacoes + "MG;Lavras;-21.2333;-45;1234,5;0.18;12;0.85;CHUVAS\n",
                   estacoes + "SP;\"Campinas; centro\";22°54'00\";47°03'00\";2000;0.2;20;0.9;\n",
                   "\ufeff" + estacoes + "XX;Nada;-1;-1;1;1;1;1;A\n",
                   estacoes + "MG;Nome;-21;-45;nan;1e400;-0;1.2.3;A\n",
                   estacoes + "MG;" + "N" * 69 + ";-21;-45;1;1;1;1;A\n"]:
        gravar("importacao_csv", b"\0" + tabela.encode("utf-8"))
    localidades = "Estado;Nome;Latitude;Longitude\r\n"
    for tabela in [localidades + "MG;Perdões;-21,0833;-45,0833\r\nMG;lavras;21°14'00\";45°00'00\"\r\n",
                   localidades + "MG;日本;-21;-45\r\n", localidades + "MG;\"aberta;-21;-45\r\n"]:
        gravar("importacao_csv", b"\1" + tabela.encode("utf-8"))


def sementes_dimensionamento():
    # The choices are consumed from the end: uniform patterns give typical designs of both types.
    for padrao in [bytes(range(96)), b"\x05" * 96, b"\xfa" * 96, bytes(range(255, 159, -1)), b"\x44\x99" * 48]:
        gravar("dimensionamento", padrao)


if __name__ == "__main__":
    sementes_dimensionamento()
    sementes_banco()
    sementes_importacao_csv()
    sementes_arquivo_ini()
    sementes_projeto()
    sementes_configuracao()
    sementes_numeros()
    sementes_codificacao()
