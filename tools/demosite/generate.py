#!/usr/bin/env python3
"""Writes the demo news site into site/: four editions of an invented local
paper (English, German, Arabic and Simplified Chinese, the last one encoded in
GBK), their articles, a three-page article, an about page, and the pictures,
drawn here as PNG files. Every story is made up for the demo.

The pages link with absolute paths ("/en/....html"); the site profiles in
profile/ turn them into full addresses with their prefix, so the site works
whatever port it is served on.

Usage: tools/demosite/generate.py [--pages-only]   (Python 3 standard library only)
"""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SITE = os.path.join(HERE, "site")


# ---------------------------------------------------------------- pictures

def write_png(path, width, height, pixel):
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        for x in range(width):
            rows.extend(pixel(x, y))
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


def scene(sky_top, sky_bottom, disc, disc_pos, hills, water=None, stars=False, comet=False,
          boxes=()):
    """A landscape: sky gradient, a sun or moon, layers of hills, optional
    water, stars, a comet and rectangles (houses, boats, carriages)."""
    W, H = 480, 300
    def pixel(x, y):
        c = mix(sky_top, sky_bottom, y / H)
        if stars and ((x * 7919 + y * 104729) % 997) < 3:
            c = (250, 250, 235)
        if comet:
            # A tail from the head at (360, 70) towards the upper left.
            dx, dy = 360 - x, 70 - y
            along = (dx * 0.92 + dy * 0.39)
            across = abs(-dx * 0.39 + dy * 0.92)
            if 0 <= along < 220 and across < 2 + along * 0.08:
                c = mix((240, 250, 255), c, along / 220)
            if dx * dx + dy * dy < 36:
                c = (255, 255, 255)
        dxd, dyd = x - disc_pos[0], y - disc_pos[1]
        if dxd * dxd + dyd * dyd < disc_pos[2] ** 2:
            c = disc
        for level, amp, freq, phase, colour in hills:
            if y > level + amp * math.sin(x * freq + phase):
                c = colour
        if water and y > water[0]:
            ripple = math.sin(x * 0.15 + y * 0.9) * 0.08
            c = mix(water[1], water[2], (y - water[0]) / (H - water[0]) + ripple)
        for bx, by, bw, bh, colour in boxes:
            if bx <= x < bx + bw and by <= y < by + bh:
                c = colour
        return c
    return W, H, pixel


PICTURES = {
    "harbour-library": scene((120, 170, 220), (250, 220, 180), (255, 230, 150), (380, 90, 30),
                             [(190, 10, 0.02, 0.5, (80, 110, 90))],
                             water=(210, (40, 90, 140), (20, 50, 90)),
                             boxes=[(150, 170, 140, 45, (170, 60, 50)), (165, 150, 110, 22, (230, 220, 200)),
                                    (175, 180, 20, 20, (250, 240, 200)), (215, 180, 20, 20, (250, 240, 200)),
                                    (255, 180, 20, 20, (250, 240, 200))]),
    "harbour-shelves": scene((230, 200, 160), (200, 150, 110), (250, 235, 200), (240, 40, 20),
                             [(250, 0, 1, 0, (120, 80, 50))],
                             boxes=[(40 + 60 * i, 60 + (i % 3) * 60, 40, 50, c) for i, c in enumerate(
                                 [(180, 50, 50), (50, 100, 160), (60, 140, 80), (200, 160, 40),
                                  (120, 60, 140), (40, 130, 130), (190, 100, 40)])]),
    "harbour-night": scene((15, 20, 50), (60, 50, 90), (240, 240, 210), (90, 70, 22),
                           [(200, 8, 0.03, 1.0, (25, 35, 40))],
                           water=(215, (20, 30, 60), (5, 10, 30)), stars=True,
                           boxes=[(200, 175, 120, 40, (60, 40, 40)), (215, 185, 15, 12, (255, 210, 120)),
                                  (245, 185, 15, 12, (255, 210, 120)), (275, 185, 15, 12, (255, 210, 120))]),
    "night-train": scene((20, 25, 60), (90, 70, 120), (235, 235, 215), (400, 60, 24),
                         [(170, 25, 0.015, 0.0, (40, 50, 70)), (230, 6, 0.05, 2.0, (30, 40, 35))],
                         stars=True,
                         boxes=[(40 + 95 * i, 205, 85, 30, (150, 40, 40)) for i in range(4)] +
                               [(52 + 95 * i, 212, 14, 10, (255, 220, 130)) for i in range(4)] +
                               [(0, 235, 480, 4, (90, 90, 90))]),
    "dragonflies": scene((150, 200, 230), (220, 240, 230), (255, 245, 170), (80, 60, 28),
                         [(200, 12, 0.025, 0.3, (90, 150, 80)), (240, 8, 0.04, 1.3, (60, 120, 60))],
                         water=(260, (70, 130, 150), (40, 90, 110)),
                         boxes=[(300, 120, 40, 4, (40, 90, 160)), (318, 110, 4, 24, (40, 90, 160)),
                                (180, 90, 32, 3, (160, 60, 40)), (194, 82, 3, 18, (160, 60, 40))]),
    "comet": scene((5, 8, 25), (30, 35, 70), (200, 200, 190), (60, 250, 0),
                   [(250, 15, 0.02, 0.0, (15, 20, 25))], stars=True, comet=True),
    "bakery": scene((250, 210, 150), (240, 170, 110), (255, 240, 200), (420, 50, 26),
                    [(230, 0, 1, 0, (150, 100, 60))],
                    boxes=[(60 + 70 * i, 180, 56, 40, (210, 160, 90)) for i in range(5)] +
                          [(70 + 70 * i, 186, 36, 8, (240, 210, 150)) for i in range(5)]),
    "tools": scene((200, 215, 225), (235, 235, 230), (255, 255, 240), (60, 50, 0),
                   [(240, 0, 1, 0, (140, 110, 80))],
                   boxes=[(90, 80, 12, 150, (120, 80, 50)), (70, 70, 52, 22, (120, 125, 130)),
                          (220, 90, 10, 140, (90, 60, 40)), (200, 80, 50, 14, (170, 170, 175)),
                          (330, 100, 90, 60, (200, 60, 40)), (345, 160, 60, 8, (60, 60, 60))]),
    "hedgehog": scene((170, 210, 170), (210, 230, 190), (250, 250, 220), (420, 40, 20),
                      [(210, 10, 0.03, 0.0, (80, 130, 60))],
                      boxes=[(190, 190, 100, 40, (110, 80, 60)), (175, 205, 20, 18, (200, 170, 140)),
                             (180, 208, 4, 4, (20, 20, 20))]),
    "rooftop-garden": scene((130, 190, 230), (230, 240, 240), (255, 235, 160), (90, 60, 30),
                            [(180, 0, 1, 0, (200, 190, 170))],
                            boxes=[(60 + 45 * i, 150 - (i % 2) * 20, 30, 30 + (i % 2) * 20, (60, 140, 70))
                                   for i in range(8)] + [(0, 240, 480, 60, (170, 160, 140))]),
    "palms": scene((250, 200, 120), (250, 240, 200), (255, 250, 210), (380, 70, 32),
                   [(230, 6, 0.02, 0.0, (220, 190, 130))],
                   boxes=[(80 + 80 * i, 120, 8, 110, (120, 90, 50)) for i in range(5)] +
                         [(60 + 80 * i, 110, 50, 14, (50, 120, 50)) for i in range(5)]),
    "calligraphy": scene((245, 240, 225), (235, 225, 200), (180, 40, 40), (400, 70, 22),
                         [(280, 0, 1, 0, (200, 180, 150))],
                         boxes=[(80, 80, 200, 8, (30, 30, 30)), (120, 110, 160, 6, (30, 30, 30)),
                                (90, 140, 220, 10, (30, 30, 30)), (150, 175, 100, 6, (30, 30, 30))]),
    "night-bus": scene((30, 30, 70), (110, 80, 110), (245, 240, 200), (70, 60, 20),
                       [(190, 0, 1, 0, (60, 60, 70))], stars=True,
                       boxes=[(120, 170, 240, 70, (40, 120, 170)), (135, 185, 40, 25, (255, 230, 150)),
                              (185, 185, 40, 25, (255, 230, 150)), (235, 185, 40, 25, (255, 230, 150)),
                              (285, 185, 40, 25, (255, 230, 150)), (0, 240, 480, 60, (50, 50, 55))]),
    "wetland-birds": scene((190, 215, 235), (235, 240, 235), (255, 250, 225), (420, 60, 24),
                           [(200, 8, 0.02, 0.0, (120, 150, 100))],
                           water=(225, (120, 160, 170), (80, 120, 130)),
                           boxes=[(100 + 50 * i, 70 + (i % 3) * 15, 22, 4, (40, 40, 50)) for i in range(6)]),
    "paper-cut": scene((200, 40, 45), (170, 30, 40), (245, 225, 205), (240, 150, 100),
                       [(285, 0, 1, 0, (120, 20, 30))],
                       boxes=[(int(240 + 62 * math.cos(a * math.pi / 4)) - 9,
                               int(150 + 62 * math.sin(a * math.pi / 4)) - 9, 18, 18, (200, 40, 45))
                              for a in range(8)] + [(226, 136, 28, 28, (200, 40, 45))]),
}


# ---------------------------------------------------------------- pages

def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def index_page(ed):
    d = ' dir="rtl"' if ed["rtl"] else ""
    out = ['<!DOCTYPE html>', '<html lang="%s"%s>' % (ed["lang"], d), "<head>",
           '<meta http-equiv="Content-Type" content="text/html; charset=%s">' % ed["charset"],
           "<title>%s</title>" % esc(ed["paper"]),
           '<link rel="stylesheet" href="/site.css">', "</head>", "<body>",
           '<div class="masthead"><h1>%s</h1><p class="motto">%s</p></div>' % (esc(ed["paper"]), esc(ed["motto"])),
           '<div class="editions">%s</div>' % " | ".join(
               '<a href="/%s/index.html">%s</a>' % (code, esc(name)) for code, name in EDITION_LINKS),
           '<div class="front">']
    for topic in ed["topics"]:
        out.append('<div class="topic" id="%s">' % topic["id"])
        out.append("<h2>%s</h2>" % esc(topic["name"]))
        out.append("<ul>")
        for slug in topic["articles"]:
            art = ed["articles"][slug]
            out.append('<li><a href="/%s/%s.html">%s</a> <span class="teaser">%s</span></li>'
                       % (ed["dir"], slug if not art.get("pages") else slug + "-1",
                          esc(art["title"]), esc(art["teaser"])))
        out.append("</ul>")
        for sub in topic.get("sub", []):
            out.append('<div class="subtopic" id="%s">' % sub["id"])
            out.append("<h3>%s</h3>" % esc(sub["name"]))
            out.append("<ul>")
            for slug in sub["articles"]:
                art = ed["articles"][slug]
                out.append('<li><a href="/%s/%s.html">%s</a> <span class="teaser">%s</span></li>'
                           % (ed["dir"], slug, esc(art["title"]), esc(art["teaser"])))
            out.append("</ul>")
            out.append("</div><!-- subtopic -->")
        out.append("</div><!-- topic -->")
    out += ["</div>",
            '<div class="footer"><p>%s</p><p><a href="/help.html">%s</a></p></div>' % (esc(ed["footer"]), esc(ed["help"])),
            "</body>", "</html>", ""]
    return "\n".join(out)


def article_page(ed, slug, art, page=None, pages=None):
    d = ' dir="rtl"' if ed["rtl"] else ""
    paragraphs = art["text"] if page is None else art["pages"][page - 1]
    picture = art["pictures"] if page is None else [art["pictures"][page - 1]]
    title = art["title"]
    out = ['<!DOCTYPE html>', '<html lang="%s"%s>' % (ed["lang"], d), "<head>",
           '<meta http-equiv="Content-Type" content="text/html; charset=%s">' % ed["charset"],
           "<title>%s - %s</title>" % (esc(title), esc(ed["paper"])),
           '<link rel="stylesheet" href="/site.css">', "</head>", "<body>",
           '<div class="masthead small"><a href="/%s/index.html">%s</a></div>' % (ed["dir"], esc(ed["paper"])),
           '<div class="story-page">',
           '<h1 class="headline">%s</h1>' % esc(title),
           '<p class="byline"><span class="author">%s</span> <span class="dateline">%s</span></p>'
           % (esc(art["author"]), esc(art["date"])),
           '<div class="pictures">']
    for name, caption in picture:
        out.append('<div class="figure"><img src="/images/%s.png" alt="%s" width="480" height="300">'
                   '<p class="caption">%s</p></div>' % (name, esc(caption), esc(caption)))
    out.append("</div><!-- pictures -->")
    out.append('<div class="story">')
    for para in paragraphs:
        out.append("<p>%s</p>" % esc(para))
    out.append("</div><!-- story -->")
    if page is not None:
        out.append('<div class="pagination">')
        if page > 1:
            out.append('<span class="prev"><a href="/%s/%s-%d.html">%s</a></span>'
                       % (ed["dir"], slug, page - 1, esc(ed["prev"])))
        out.append('<span class="count">%d / %d</span>' % (page, pages))
        if page < pages:
            out.append('<span class="next"><a href="/%s/%s-%d.html">%s</a></span>'
                       % (ed["dir"], slug, page + 1, esc(ed["next"])))
        out.append("</div><!-- pagination -->")
    out += ["</div><!-- story-page -->",
            '<div class="footer"><p>%s</p></div>' % esc(ed["footer"]), "</body>", "</html>", ""]
    return "\n".join(out)


from editions import EDITIONS, EDITION_LINKS, HELP_PAGE, SITE_CSS  # noqa: E402


def main():
    os.makedirs(os.path.join(SITE, "images"), exist_ok=True)
    for name, (w, h, pixel) in sorted(PICTURES.items()):
        if "--pages-only" in sys.argv:
            break
        write_png(os.path.join(SITE, "images", name + ".png"), w, h, pixel)
    for ed in EDITIONS:
        folder = os.path.join(SITE, ed["dir"])
        os.makedirs(folder, exist_ok=True)
        def save(name, text):
            # The other editions' names in the edition bar may lie outside
            # the page's charset; they go in as character references.
            with open(os.path.join(folder, name), "wb") as f:
                f.write(text.encode(ed["charset"], errors="xmlcharrefreplace"))
        save("index.html", index_page(ed))
        for slug, art in ed["articles"].items():
            if art.get("pages"):
                for n in range(1, len(art["pages"]) + 1):
                    save("%s-%d.html" % (slug, n), article_page(ed, slug, art, n, len(art["pages"])))
            else:
                save(slug + ".html", article_page(ed, slug, art))
    with open(os.path.join(SITE, "help.html"), "w", encoding="utf-8") as f:
        f.write(HELP_PAGE)
    with open(os.path.join(SITE, "index.html"), "w", encoding="utf-8") as f:
        f.write("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta http-equiv=\"Content-Type\" "
                "content=\"text/html; charset=utf-8\">\n<title>Lantern demo site</title>\n"
                "<link rel=\"stylesheet\" href=\"/site.css\">\n</head>\n<body>\n"
                "<div class=\"masthead\"><h1>Lantern</h1><p class=\"motto\">An invented paper in four "
                "editions, for trying Tessolin</p></div>\n<ul>\n" +
                "".join("<li><a href=\"/%s/index.html\">%s</a></li>\n" % (c, esc(n)) for c, n in EDITION_LINKS) +
                "<li><a href=\"/help.html\">About this demo site</a></li>\n</ul>\n</body>\n</html>\n")
    with open(os.path.join(SITE, "site.css"), "w", encoding="utf-8") as f:
        f.write(SITE_CSS)


if __name__ == "__main__":
    main()
