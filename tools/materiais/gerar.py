#!/usr/bin/env python3
"""Builds data/materiais/velocidades_admissiveis.csv, the table of permissible velocities and shear of the
channel-material dialog, from the published tables as transcribed in velocidades_admissiveis.csv (columns
tabela, material, n, condicao, V_ft_s, tau_lb_ft2, V_m_s, tau_Pa).

The values are copied as they stand in the SI columns (m/s, Pa); only the names are put into Portuguese,
keeping the published English name beside them. A material or condition without a Portuguese name stops
the build, so that no row is shipped half translated.

    tools/materiais/gerar.py ORIGEM.csv [DESTINO.csv]
"""
import csv
import sys
from pathlib import Path

NOMES = {
    "Fine sand, colloidal": "Areia fina, coloidal",
    "Sandy loam, noncolloidal": "Franco-arenoso, não coloidal",
    "Silt loam, noncolloidal": "Franco-siltoso, não coloidal",
    "Alluvial silts, noncolloidal": "Siltes aluviais, não coloidais",
    "Ordinary firm loam": "Franco comum firme",
    "Volcanic ash": "Cinza vulcânica",
    "Stiff clay, very colloidal": "Argila rija, muito coloidal",
    "Alluvial silts, colloidal": "Siltes aluviais, coloidais",
    "Shales and hardpans": "Folhelhos e camadas endurecidas",
    "Fine gravel": "Cascalho fino",
    "Graded loam to cobbles when noncolloidal": "Franco graduado até seixos, não coloidal",
    "Graded silts to cobbles when colloidal": "Siltes graduados até seixos, coloidais",
    "Coarse gravel, noncolloidal": "Cascalho grosso, não coloidal",
    "Cobbles and shingles": "Seixos e calhaus",
    "Bermuda grass": "Grama-bermuda",
    "Buffalo grass, Kentucky bluegrass, smooth brome, blue grama":
        "Grama-búfalo, poa-dos-prados, bromo-liso, grama-azul",
    "Grass mixture": "Mistura de gramíneas",
    "Lespedeza sericea, weeping lovegrass, yellow bluestem, kudzu, alfalfa, crabgrass":
        "Lespedeza sericea, capim-chorão, Bothriochloa ischaemum, kudzu, alfafa, capim-colchão",
    "Annuals (common lespedeza, Sudan grass)": "Anuais (lespedeza comum, capim-sudão)",
}

CONDICOES = {
    "agua_limpa": "água limpa",
    "agua_com_silte_coloidal": "água com silte coloidal",
    "declive_0_5_solo_resistente": "declive de 0 a 5 %, solo resistente à erosão",
    "declive_0_5_solo_erodivel": "declive de 0 a 5 %, solo erodível",
    "declive_5_10_solo_resistente": "declive de 5 a 10 %, solo resistente à erosão",
    "declive_5_10_solo_erodivel": "declive de 5 a 10 %, solo erodível",
    "declive_acima_10_solo_resistente": "declive acima de 10 %, solo resistente à erosão",
    "declive_acima_10_solo_erodivel": "declive acima de 10 %, solo erodível",
}

TABELAS = {"terra", "grama"}


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    origem = Path(sys.argv[1])
    destino = Path(sys.argv[2]) if len(sys.argv) == 3 else \
        Path(__file__).resolve().parents[2] / "data" / "materiais" / "velocidades_admissiveis.csv"
    with origem.open(encoding="utf-8", newline="") as f:
        linhas = list(csv.DictReader(f))
    saida = ["Tabela;Material;Condicao;n;Vadm;TauAdm;Original"]
    for numero, l in enumerate(linhas, start=2):
        if l["tabela"] not in TABELAS or l["material"] not in NOMES or l["condicao"] not in CONDICOES:
            sys.exit(f"{origem}:{numero}: tabela, material ou condição sem tradução: {l}")
        if ";" in l["material"]:
            sys.exit(f"{origem}:{numero}: ';' no nome do material")
        float(l["V_m_s"])  # a velocity is required; n and the shear are empty in the grass table
        saida.append(";".join([l["tabela"], NOMES[l["material"]], CONDICOES[l["condicao"]], l["n"], l["V_m_s"],
                               l["tau_Pa"], l["material"]]))
    destino.parent.mkdir(parents=True, exist_ok=True)
    destino.write_text("\n".join(saida) + "\n", encoding="utf-8")
    print(f"{destino}: {len(linhas)} linhas")


if __name__ == "__main__":
    main()
