#!/usr/bin/env python3
"""Builds a deterministic, realistic local web site for the Iconsmith benchmarks.

    make_site.py ROOT [--pages 10000] [--page-kb 20] [--seed 7]

Pages are spread over the root and three folder levels below it (bereichNN/themaNN/teilNN),
about page-kb kilobytes each, German text in UTF-8, with style and script blocks in the head
(scripts with comparison operators), a mix of .htm/.html/.shtml, some pages that already carry a
favicon reference (with another spelling or path), a few without a head, plus non-page files
(images, style sheets) and a _vti_cnf folder that a scan must skip. The same arguments always give
the same bytes.
"""

import argparse
import os
import random
import sys

WORDS = (
    "Startseite Angebot Kontakt Impressum Verein Mitglieder Termine Satzung Vorstand Sommerfest "
    "Jahreshauptversammlung Übersicht Öffnungszeiten Anfahrt Größe Straße Bürgerhaus Gemeinde "
    "Wanderung Ausflug Chronik Fotogalerie Neuigkeiten Spende Förderung Jugendgruppe Training "
    "Mannschaft Ergebnis Tabelle Saison Heimspiel Auswärtsspiel Schützenfest Kirmes Markt "
    "Rathaus Bibliothek Schule Kindergarten Feuerwehr Musikverein Chorprobe Konzert Theater "
    "und oder aber denn weil dass wenn auch noch schon immer wieder heute morgen gestern bald "
    "unser unsere euer ihre seine alle viele einige jeder jede jedes neue alte große kleine "
    "schöne herzlich willkommen eingeladen geöffnet geschlossen verschoben abgesagt geplant"
).split()

LEVEL_NAMES = ("bereich", "thema", "teil")
EXTENSIONS = (".htm", ".html", ".htm", ".shtml")


def sentence(rng):
    words = [rng.choice(WORDS) for _ in range(rng.randint(6, 16))]
    return " ".join(words).capitalize() + "."


def paragraph_pool(rng, count=400):
    return [" ".join(sentence(rng) for _ in range(rng.randint(3, 7))) for _ in range(count)]


def folder_of(index):
    """Root for every fourth page, then one, two or three levels deep."""
    level = index % 4
    parts = []
    rest = index // 4
    for depth in range(level):
        parts.append("%s%02d" % (LEVEL_NAMES[depth], rest % 10 + 1))
        rest //= 10
    return parts


def page_bytes(index, depth, rng, pool, target_bytes):
    up = "../" * depth
    title = "%s – %s %d" % (rng.choice(WORDS), rng.choice(WORDS), index)
    head_lines = [
        '<meta http-equiv="Content-Type" content="text/html; charset=utf-8">',
        "<title>%s</title>" % title,
        '<meta name="description" content="%s">' % sentence(rng),
        '<link rel="stylesheet" type="text/css" href="%sstil/haupt.css">' % up,
    ]
    kind = index % 20
    if kind == 3:
        head_lines.insert(0, '<link rel="SHORTCUT ICON" href="/favicon.ico">')
    elif kind == 7:
        head_lines.insert(0, '<LINK REL="shortcut icon" HREF="%sbilder/alt.ico">' % up)
    elif kind == 11:
        head_lines.append('<link rel="icon" href="%sfavicon.png">' % up)
    head_lines += [
        '<script type="text/javascript">',
        "<!--",
        "function zeigeBild(a, b) {",
        "  if (a < b && b > 0) { return a <= b; }",
        "  for (var i = 0; i<b; i++) { a = a >> 1; }",
        "  return a >= b;",
        "}",
        "//-->",
        "</script>",
        "<style>",
        "body { font-family: Verdana, sans-serif; } p > a { color: #336699; }",
        "</style>",
    ]
    nav = " | ".join('<a href="%s%s.htm">%s</a>' % (up, w.lower(), w)
                     for w in rng.sample(WORDS[:40], 6))
    body_start = [
        '<body bgcolor="#FFFFFF">',
        '<table width="100%" border="0"><tr><td class="nav">' + nav + "</td></tr></table>",
        '<h1>%s</h1>' % title,
    ]
    if kind == 15:  # an old page without a head
        top = ["<html>"] + head_lines[:2]
    elif kind == 18:  # upper-case tags, as old editors wrote them
        top = ["<HTML>", "<HEAD>"] + head_lines + ["</HEAD>"]
    else:
        top = ["<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">", "<html>",
               "<head>"] + head_lines + ["</head>"]
    lines = top + body_start
    size = sum(len(line.encode("utf-8")) + 2 for line in lines)
    while size < target_bytes - 200:
        text = "<p>%s</p>" % pool[rng.randrange(len(pool))]
        if rng.random() < 0.15:
            text = '<p><img src="%sbilder/foto%02d.jpg" width="120" height="90" alt="%s"></p>' % (
                up, rng.randint(1, 40), rng.choice(WORDS))
        lines.append(text)
        size += len(text.encode("utf-8")) + 2
    lines += ["<hr>", "<p><small>© Heimatverein Musterstadt</small></p>", "</body>", "</html>", ""]
    newline = "\n" if index % 3 else "\r\n"
    return newline.join(lines).encode("utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root")
    parser.add_argument("--pages", type=int, default=10000)
    parser.add_argument("--page-kb", type=int, default=20)
    parser.add_argument("--seed", type=int, default=7)
    args = parser.parse_args()

    rng = random.Random(args.seed)
    pool = paragraph_pool(rng)
    root = args.root
    os.makedirs(root, exist_ok=True)
    made_folders = set()
    for index in range(args.pages):
        parts = folder_of(index)
        folder = os.path.join(root, *parts)
        if folder not in made_folders:
            os.makedirs(folder, exist_ok=True)
            made_folders.add(folder)
            # Every folder also holds things that are not pages.
            with open(os.path.join(folder, "logo.gif"), "wb") as f:
                f.write(b"GIF89a" + bytes(rng.randrange(256) for _ in range(64)))
        name = "seite%05d%s" % (index, EXTENSIONS[index % len(EXTENSIONS)])
        with open(os.path.join(folder, name), "wb") as f:
            f.write(page_bytes(index, len(parts), rng, pool, args.page_kb * 1024))
    os.makedirs(os.path.join(root, "stil"), exist_ok=True)
    with open(os.path.join(root, "stil", "haupt.css"), "w", encoding="utf-8") as f:
        f.write("body { margin: 0; }\n")
    vti = os.path.join(root, "_vti_cnf")
    os.makedirs(vti, exist_ok=True)
    with open(os.path.join(vti, "index.htm"), "w", encoding="utf-8") as f:
        f.write("vti_encoding:SR|utf8-nl\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
