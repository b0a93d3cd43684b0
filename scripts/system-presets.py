#!/usr/bin/env python3
"""Writes the system presets (resources/settings/vantropepp_v2_*.ini) and their translation
listing (resources/settings/presets_tr.cpp) from the looks described below.

Each look is a list of operators; an operator starts from the catalogue's defaults
(resources/operators/PPOperators.xml) and replaces the sets given by index. Slider values are
positions 0..1 over the control's range (0.5 is the middle of a -100..100 slider); a layer set is
[mode, opacity 0..100]. Run it from the repository root after changing a look, then commit the
files it writes.
"""
import os
import re
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CATALOGUE = os.path.join(ROOT, "resources", "operators", "PPOperators.xml")
OUT = os.path.join(ROOT, "resources", "settings")

SET_TYPES = {"slider": 0, "position": 1, "spline": 2, "color": 3, "line": 4, "combo": 5, "geometry": 6}
OP_TYPES = ["tonemapping", "enhance", "geometry", "exposure", "color", "smooth", "artwork", "mask"]
CURVE_X = [0.0, 0.2, 0.4, 0.6, 0.8, 1.0]


def curve(ys):
    return [v for xy in zip(CURVE_X, ys) for v in xy]


def default_curve(which):
    if which == 0:
        return curve(CURVE_X)
    if which == 8:
        return curve([0.0, 0.16, 0.37, 0.63, 0.84, 1.0])
    if which == 10:
        return curve([1.0, 0.8, 0.65, 0.52, 0.41, 0.31])
    return curve([1.0] * 6)


def read_catalogue():
    ops = {}
    for op in ET.parse(CATALOGUE).getroot().iter("operator"):
        sets = []
        for c in op:
            kind = SET_TYPES[c.tag]
            a = c.attrib
            if c.tag == "slider":
                values = [float(a["default"])]
            elif c.tag == "position":
                values = [float(a["x"]), float(a["y"])]
            elif c.tag == "color":
                values = [float(a["r"]), float(a["g"]), float(a["b"])]
            elif c.tag == "spline":
                values = default_curve(int(a.get("default", "1")))
            elif c.tag == "line":
                values = [float(a["x1"]), float(a["y1"]), float(a["x2"]), float(a["y2"])]
            elif c.tag == "combo":
                values = [0.0, 100.0]
            else:
                values = []
            sets.append((kind, values))
        a = op.attrib
        ops[a["kernel"]] = {
            "eType": OP_TYPES.index(a.get("type", "tonemapping")),
            "iprecalcSmooth": int(a.get("precalcSmooth", "0")),
            "bReadBWPoint": a.get("readBWpoint", "0") == "1",
            "bCalcBW": a.get("calcBW", "0") == "1",
            "bCalcGradation": a.get("calcGradation", "0") == "1",
            "sets": sets,
        }
    return ops


K = "MP_calcPixel"
# (file slug, display name, category, search tag, [(kernel, {set index: values})])
LOOKS = [
    # natural
    ("klarer_tag", "Klarer Tag", "natural", "Kontrast",
     [(K + "BasicTools", {1: [0.6]}), (K + "ColorIntensity", {0: [0.64]}), (K + "Sharpen", {0: [0.3]})]),
    ("sanftes_licht", "Sanftes Licht", "natural", "Weich",
     [(K + "BasicTools", {0: [0.56], 1: [0.4]}), (K + "GaussAura", {0: [0.15], 1: [0.3], 2: [0.3]})]),
    ("warmer_abend", "Warmer Abend", "natural", "Warm",
     [(K + "ColorTemperature", {0: [0.2]}), (K + "BasicTools", {2: [0.45]})]),
    ("frische_farben", "Frische Farben", "natural", "Farbig",
     [(K + "ColorPalette", {3: [0.68], 4: [0.62], 5: [0.66]}), (K + "ColorIntensity", {0: [0.6]})]),
    ("natuerlicher_kontrast", "Natürlicher Kontrast", "natural", "Kontrast",
     [(K + "GradationLagrange", {0: default_curve(8)}), (K + "LocalContrast", {0: [0.04], 1: [0.7]})]),
    ("helle_mitten", "Helle Mitten", "natural", "Hell",
     [(K + "manualbwpoint", {0: [0.04], 1: [0.96]}), (K + "BasicTools", {2: [0.66]})]),
    # surreal
    ("negativtraum", "Negativtraum", "surreal", "Farbig",
     [(K + "Negative", {}), (K + "ColorIntensity", {0: [0.75]})]),
    ("traumleuchten", "Traumleuchten", "surreal", "Weich",
     [(K + "GaussAura", {0: [0.3], 1: [0.8], 2: [0.5]}), (K + "ColorMix", {0: [0.35], 1: [0.85, 0.3, 0.9]})]),
    ("fremde_welt", "Fremde Welt", "surreal", "Farbig",
     [(K + "GammaColor", {0: [0.25], 1: [0.75], 2: [0.4]}), (K + "HueExpose", {2: [0.8], 4: [0.25]})]),
    ("infrarot", "Infrarot", "surreal", "Hell",
     [(K + "ColorPalette", {0: [0.9], 3: [0.05], 5: [0.2]}), (K + "HueExpose", {2: [0.95], 3: [0.8]}),
      (K + "ColorMix", {0: [0.25], 1: [1.0, 0.75, 0.85]})]),
    ("neon", "Neon", "surreal", "Kontrast",
     [(K + "ColorIntensity", {0: [1.0]}), (K + "LocalContrast", {0: [0.03], 1: [0.95]}),
      (K + "manualbwpoint", {0: [0.1], 1: [0.9]})]),
    ("blaue_umkehr", "Blaue Umkehr", "surreal", "Kühl",
     [(K + "Negative", {}), (K + "ColorBalance", {0: [0.3], 2: [0.8]}), (K + "BasicTools", {1: [0.6]})]),
    # landscape
    ("blauer_himmel", "Blauer Himmel", "landscape", "Kühl",
     [(K + "HueExpose", {3: [0.35], 4: [0.3]}), (K + "ColorPalette", {4: [0.7], 5: [0.75]})]),
    ("sattes_gruen", "Sattes Grün", "landscape", "Farbig",
     [(K + "ColorPalette", {2: [0.65], 3: [0.85]}), (K + "HueExpose", {2: [0.62]}), (K + "BasicTools", {1: [0.56]})]),
    ("herbstwald", "Herbstwald", "landscape", "Warm",
     [(K + "ColorPalette", {0: [0.75], 1: [0.85], 2: [0.75], 3: [0.3]}), (K + "ColorTemperature", {0: [0.28]})]),
    ("nebelmorgen", "Nebelmorgen", "landscape", "Weich",
     [(K + "BasicTools", {0: [0.62], 1: [0.3]}), (K + "ColorMix", {0: [0.3], 1: [0.7, 0.78, 0.85]}),
      (K + "ColorIntensity", {0: [0.35]})]),
    ("dramatischer_himmel", "Dramatischer Himmel", "landscape", "Kontrast",
     [(K + "LocalContrast", {0: [0.1], 1: [0.9]}), (K + "Vignette", {0: [0.75], 1: [0.2]}),
      (K + "HueExpose", {4: [0.2]})]),
    ("wuestensonne", "Wüstensonne", "landscape", "Warm",
     [(K + "ColorMix", {0: [0.3], 1: [1.0, 0.7, 0.3]}), (K + "BasicTools", {0: [0.58], 1: [0.62]}),
      (K + "HueExpose", {1: [0.7]})]),
    # architecture
    ("beton", "Beton", "architecture", "Kontrast",
     [(K + "ColorIntensity", {0: [0.3]}), (K + "LocalContrast", {0: [0.05], 1: [0.85]}), (K + "Sharpen", {0: [0.4]})]),
    ("glas_und_stahl", "Glas und Stahl", "architecture", "Kühl",
     [(K + "ColorBalance", {0: [0.35], 2: [0.68]}), (K + "BasicTools", {1: [0.64]}), (K + "ColorIntensity", {0: [0.45]})]),
    ("klare_linien", "Klare Linien", "architecture", "Kontrast",
     [(K + "Sharpen", {0: [0.6]}), (K + "manualbwpoint", {0: [0.06], 1: [0.94]})]),
    ("altstadt", "Altstadt", "architecture", "Retro",
     [(K + "Sepia", {2: [0, 50]}), (K + "BasicTools", {1: [0.55], 2: [0.45]})]),
    ("nachtstadt", "Nachtstadt", "architecture", "Dunkel",
     [(K + "BasicTools", {0: [0.38], 1: [0.62]}), (K + "ColorTemperature", {0: [0.6]}), (K + "ColorIntensity", {0: [0.7]})]),
    # portrait
    ("warme_haut", "Warme Haut", "portrait", "Warm",
     [(K + "ColorTemperature", {0: [0.3]}), (K + "HueExpose", {0: [0.6], 1: [0.58]}), (K + "DeNoiseAverage", {0: [0.3]})]),
    ("weiche_haut", "Weiche Haut", "portrait", "Weich",
     [(K + "DeNoiseAverage", {0: [0.6]}), (K + "GaussAura", {0: [0.1], 1: [0.25], 2: [0.6]}), (K + "BasicTools", {0: [0.55]})]),
    ("portrait_schwarzweiss", "Portrait Schwarzweiß", "portrait", "Schwarzweiß",
     [(K + "ColorIntensity", {0: [0.0]}), (K + "BasicTools", {1: [0.62]}), (K + "Vignette", {0: [0.65]})]),
    ("high_key", "High Key", "portrait", "Hell",
     [(K + "BasicTools", {0: [0.68], 1: [0.38]}), (K + "manualbwpoint", {1: [0.85]})]),
    ("low_key", "Low Key", "portrait", "Dunkel",
     [(K + "BasicTools", {0: [0.32], 1: [0.68]}), (K + "Vignette", {0: [0.9], 1: [0.15], 2: [0.8]})]),
    # artistic
    ("sepia_klassik", "Sepia Klassik", "artistic", "Retro",
     [(K + "Sepia", {}), (K + "AddGrain", {0: [0.25]}), (K + "Vignette", {0: [0.7]})]),
    ("filmkorn", "Filmkorn", "artistic", "Retro",
     [(K + "AddGrain", {0: [0.6], 1: [0.5]}), (K + "BasicTools", {1: [0.58]}), (K + "ColorIntensity", {0: [0.45]})]),
    ("kreuzentwicklung", "Kreuzentwicklung", "artistic", "Farbig",
     [(K + "GammaColor", {0: [0.35], 1: [0.6], 2: [0.72]}), (K + "BasicTools", {1: [0.62]})]),
    ("pastell", "Pastell", "artistic", "Hell",
     [(K + "ColorMix", {0: [0.25], 1: [1.0, 0.9, 0.95]}), (K + "ColorIntensity", {0: [0.4]}), (K + "BasicTools", {0: [0.6], 1: [0.42]})]),
    ("zweiton", "Zweiton", "artistic", "Kühl",
     [(K + "ColorIntensity", {0: [0.05]}), (K + "ColorMix", {0: [0.4], 1: [0.2, 0.6, 0.65]}), (K + "BasicTools", {1: [0.6]})]),
    ("lochkamera", "Lochkamera", "artistic", "Retro",
     [(K + "Vignette", {0: [1.0], 1: [0.1], 2: [0.7]}), (K + "ColorIntensity", {0: [0.72]}), (K + "BasicTools", {1: [0.64]})]),
]


def write_value_set(lines, prefix, kind, values):
    lines.append(f"{prefix}\\eType={kind}")
    n = 0
    for i, v in enumerate(values):
        if int(v * 1000) != 0:
            n = i + 1
    for i in range(n):
        u = int(values[i] * 1000)
        if u:
            lines.append(f"{prefix}\\pfValues\\{i + 1}\\uiValue={u}")
    lines.append(f"{prefix}\\pfValues\\size={n}")


def write_look(catalogue, number, look):
    slug, name, category, tag, ops = look
    lines = ["[General]", "TimeStamp=%d" % (1764547200 + number), f"DisplayName={name}", f"Category={category}",
             f"SearchTag={tag}", "VersionMajor=1", "VersionMinor=14", "VersionBuild=3607", "VersionFamily=17", ""]
    for i, (kernel, changes) in enumerate(ops):
        entry = catalogue[kernel]
        lines.append("[Operator_%06d]" % i)
        lines.append(f"Kernel={kernel}")
        for key in ("eType", "iprecalcSmooth"):
            lines.append(f"{key}={entry[key]}")
        lines.append("bActive=true")
        for key in ("bReadBWPoint", "bCalcBW", "bCalcGradation"):
            lines.append(f"{key}={'true' if entry[key] else 'false'}")
        sets = [list(values) for _, values in entry["sets"]]
        for index, values in changes.items():
            sets[index][:len(values)] = values
        if not any(kind == 6 for kind, _ in entry["sets"]):
            raise SystemExit(f"{kernel} has no geometry set in the catalogue")
        for j, ((kind, _), values) in enumerate(zip(entry["sets"], sets)):
            write_value_set(lines, "Parameter_%x" % j, kind, values)
        lines.append("")
    path = os.path.join(OUT, "vantropepp_v2_%02d_%s.ini" % (number, slug))
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))


def main():
    catalogue = read_catalogue()
    for old in os.listdir(OUT):
        if re.fullmatch(r"vantropepp_v2_.*\.ini", old):
            os.remove(os.path.join(OUT, old))
    for number, look in enumerate(LOOKS, 1):
        write_look(catalogue, number, look)
    texts = [("PPPresetCategory", c) for c in ("user", "natural", "surreal", "landscape", "architecture", "portrait", "artistic")]
    for _, name, _, tag, _ in LOOKS:
        texts.append(("PPPreset", name))
        texts.append(("PPPresetCategory", tag))
    seen = set()
    with open(os.path.join(OUT, "presets_tr.cpp"), "w", encoding="utf-8", newline="\n") as f:
        f.write("// Generated by scripts/system-presets.py: display names and search tags of the system presets\n"
                "// for lupdate.\n#include <QtGlobal>\n\nstatic const char* const g_aPresetTexts[] = {\n")
        for context, text in texts:
            if (context, text) not in seen:
                seen.add((context, text))
                f.write(f'    QT_TRANSLATE_NOOP("{context}", "{text}"),\n')
        f.write("};\n")


if __name__ == "__main__":
    main()
