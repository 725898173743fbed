// The earthwork of a drain built to its recommended height Hr, per metre of drain and per hectare of field
// drained by parallel drains at the horizontal spacing EH.
//
// Trapezoid: the drain is dug; the earth moved is the section excavated to Hr, A = Hr·(B + Z·Hr), and its top
// width is B + 2·Z·Hr.
//
// Triangle: the drain is the wedge between the field surface (slope St, rising upslope) and the upstream
// wall of a ridge (slope Sm) built on the field; no earth is dug below the field. The earth moved is the
// ridge's cross-section above the field. Its crest stands Hr above the toe of the upstream wall, and its
// back face is taken with the same slope Sm, down to the field falling away at St: with x across the
// slope from the toe, the ridge is the triangle (0, 0), (Hr/Sm, Hr), (2·Hr/(Sm − St), −2·St·Hr/(Sm − St)),
// of area Hr²·(Sm + St) / (Sm·(Sm − St)). A wall no steeper than the field (Sm ≤ St) makes no such ridge:
// the earth moved is then not defined (NaN). The top width is Hr·(1/St + 1/Sm).
//
// Per hectare: a drain every EH metres gives 10 000 / EH metres of drain per hectare; the land taken is the
// top width times that length.
#pragma once

namespace talvek {

class TCanalDrenagem;

struct TTerraplenagem {
    double T;                   // top width at Hr, m
    double Area;                // area of the drain's section at Hr, m²
    double TerraPorMetro;       // earth moved per metre of drain, m³/m
    double ComprimentoHectare;  // length of drain per hectare of field, m/ha
    double TerraHectare;        // earth moved per hectare, m³/ha
    double OcupadaHectare;      // land taken by the drains' top width, m²/ha
    double OcupadaPercentual;   // the same as a share of the field, %
};

// The earthwork of `canal` (its section, Hr in cm and EH in m) on a field of slope St (m/m). Quantities that
// are not defined (no spacing, a ridge wall no steeper than the field) are NaN.
TTerraplenagem Terraplenagem(const TCanalDrenagem& canal, double St);

}  // namespace talvek
