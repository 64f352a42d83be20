#!/usr/bin/env python3
# Writes sfondo.svg next to this file: python3 genera_sfondo.py
# Builds the embossed building-site picture (780x621), layer by layer so that
# nearer things hide what lies behind them.
import os
import re

VP = (390.0, 120.0)
YF, YB = 621.0, 330.0
S = (YB - VP[1]) / (YF - VP[1])
BASE = "#a4a4a4"

def back(xf):
    return VP[0] + (xf - VP[0]) * S

def at(xf, y):
    t = (YF - y) / (YF - YB)
    return xf + (back(xf) - xf) * t

def f(v):
    return ("%.1f" % v).rstrip("0").rstrip(".")

layers = []
def layer(name):
    layers.append((name, []))
def add(s):
    layers[-1][1].append("      " + s)
FILL = 'fill="%s"' % BASE

# ---- sky, hills, ground
layer("lontano")
for cx, cy, w in [(90, 60, 120), (300, 34, 90), (470, 100, 70)]:
    add('<path d="M%s,%s q%s,-%s %s,0 q%s,-%s %s,0 q%s,-%s %s,0 q%s,%s -%s,%s z"/>' % (
        f(cx), f(cy), f(w*0.15), f(w*0.25), f(w*0.3), f(w*0.2), f(w*0.35), f(w*0.4), f(w*0.15),
        f(w*0.22), f(w*0.3), f(w*0.1), f(w*0.18), f(w), f(0)))
add('<path d="M0,262 q60,-30 130,-12 q80,22 150,-6 q90,-34 190,-4 q70,20 140,-10 q60,-22 170,6"/>')
add('<path d="M0,300 H780"/>')
for x in [22, 44, 66, 720, 742]:
    add('<path d="M%d,300 v-12 m-8,0 q8,-28 16,0 z" %s/>' % (x, FILL))

# ---- the building going up behind, and the tower crane
layer("cantiere")
cols = [140, 195, 250, 305]
levels = [300, 250, 200, 150]
for y in levels[1:]:
    add('<rect x="%d" y="%d" width="%d" height="8" %s/>' % (cols[0] - 8, y, cols[-1] - cols[0] + 25, FILL))
for x in cols:
    add('<rect x="%d" y="%d" width="9" height="%d" %s/>' % (x, levels[-1], levels[0] - levels[-1], FILL))
for x in cols:
    for dx in (2, 7):
        add('<path d="M%d,150 v-16"/>' % (x + dx))
for y in (180, 230, 280):
    add('<path d="M124,%d h8 M322,%d h10"/>' % (y, y))
add('<path d="M124,300 V170 M332,300 V170"/>')
mx = 600
add('<path d="M%d,300 V40 M%d,300 V40"/>' % (mx, mx + 16))
y = 300
while y > 48:
    add('<path d="M%d,%d L%d,%d H%d"/>' % (mx, y, mx + 16, y - 16, mx))
    y -= 16
add('<path d="M%d,300 h30 v8 h-44 v-8 z" %s/>' % (mx - 7, FILL))
add('<path d="M%d,40 L%d,8 L%d,40"/>' % (mx, mx + 8, mx + 16))
add('<rect x="%d" y="40" width="14" height="12" %s/>' % (mx + 18, FILL))
add('<path d="M320,52 H770 M320,62 H770 M320,52 V62 M770,52 V62"/>')
x = 320
while x < 770:
    add('<path d="M%d,62 L%d,52"/>' % (x, x + 10))
    x += 20
add('<path d="M%d,8 L330,52 M%d,8 L760,52"/>' % (mx + 8, mx + 8))
add('<rect x="722" y="62" width="40" height="26" %s/>' % FILL)
add('<rect x="402" y="62" width="16" height="6" %s/>' % FILL)
add('<path d="M406,68 V176 M414,68 V176"/>')
add('<path d="M403,176 h14 v7 h-14 z M410,183 v7"/>')
add('<path d="M410,190 L368,216 M410,190 L452,216"/>')
for i in range(4):
    yy = 216 + i * 10
    add('<path d="M362,%d h96 v10 h-96 z M370,%d v10 M450,%d v10" %s/>' % (yy, yy, yy, FILL))

# ---- the deck, panels laid in rows with the joist channels between them
layer("solaio")
xs = [-270 + 120 * i for i in range(12)]
add('<path d="M%s,%s L%s,%s H%s L%s,%s z" %s/>' % (
    f(xs[0]), f(YF), f(back(xs[0])), f(YB), f(back(xs[-1])), f(xs[-1]), f(YF), FILL))
add('<path d="M%s,%s V%s H%s V%s"/>' % (f(back(xs[0])), f(YB), f(YB + 12), f(back(xs[-1])), f(YB)))
for i in range(int(back(xs[0])) + 10, int(back(xs[-1])), 16):
    add('<path d="M%d,%s v10"/>' % (i, f(YB + 1)))
rib = 18
laid = 8
for i, xf in enumerate(xs[:-1]):
    a, b = xf + rib, xs[i + 1]
    if i < laid:
        # a row of panels: edges along the channels, joints across
        add('<path d="M%s,%s L%s,%s M%s,%s L%s,%s"/>' % (
            f(a), f(YF), f(back(a)), f(YB), f(b), f(YF), f(back(b)), f(YB)))
        for yj in ((505, 425, 370) if i % 2 else (545, 460, 395, 350)):
            add('<path d="M%s,%d L%s,%d"/>' % (f(at(a, yj)), yj, f(at(b, yj)), yj))
    # the two bars lying in the channel
    for d in (6, 12):
        x0 = xf + d
        add('<path d="M%s,%s L%s,%s"/>' % (f(x0), f(YF), f(back(x0)), f(YB)))
# where the rows are not laid yet, the planks that will carry them
for i in range(laid, len(xs) - 1):
    a, b = xs[i] + rib, xs[i + 1]
    for yj in (520, 400):
        add('<path d="M%s,%d L%s,%d L%s,%d L%s,%d z"/>' % (
            f(at(a, yj)), yj, f(at(b, yj)), yj, f(at(b, yj + 9)), yj + 9, f(at(a, yj + 9)), yj + 9))
        # the props under the plank, seen through the gap
        for t in (0.3, 0.7):
            px = at(a, yj) + (at(b, yj) - at(a, yj)) * t
            add('<path d="M%s,%d v%d"/>' % (f(px), yj + 12, 14 + (yj - 330) // 8))
# guard rail along the left edge
posts = [350, 385, 430, 490, 570]
for y in posts:
    x = at(xs[0], y)
    h = 30 + (y - YB) * 0.2
    add('<path d="M%s,%s v-%s"/>' % (f(x), f(y), f(h)))
for k in (1.0, 0.55):
    pts = [(at(xs[0], y), y - (30 + (y - YB) * 0.2) * k) for y in [YB + 2] + posts + [650]]
    add('<path d="M' + " L".join("%s,%s" % (f(px), f(py)) for px, py in pts) + '"/>')

# ---- a stack of panels waiting, their ends showing the channel profile
layer("pacco")
for k in range(5):
    y0 = 420 - k * 14
    add('<path d="M600,%d h90 l40,-22 h-90 z" %s/>' % (y0, FILL))
    add('<path d="M600,%d v14 h9 q5,-6 10,0 h52 q5,-6 10,0 h9 v-14 z" %s/>' % (y0, FILL))
    add('<path d="M690,%d v14 l40,-22 v-14 z" %s/>' % (y0, FILL))

# ---- two workers, one carrying the next panel, one tying bars
layer("operai")
wx, wy = 520, 505
add('<path d="M%d,%d l-14,42 m14,-42 l13,42"/>' % (wx, wy - 42))
add('<path d="M%d,%d h14 v44 h-14 z" %s/>' % (wx - 7, wy - 86, FILL))
add('<circle cx="%d" cy="%d" r="9" %s/>' % (wx, wy - 95, FILL))
add('<path d="M%d,%d q11,-17 22,0 z" %s/>' % (wx - 11, wy - 100, FILL))
add('<path d="M%d,%d l-10,-16 l2,-14 M%d,%d l12,-14 l0,-18"/>' % (wx - 6, wy - 80, wx + 6, wy - 80))
add('<path d="M%d,%d l130,-40 l12,6 l-130,40 z" %s/>' % (wx - 80, wy - 104, FILL))
add('<path d="M%d,%d v12 l130,-40 v-12 M%d,%d v12 l12,6 v-12" %s/>' % (wx - 80, wy - 104, wx + 62, wy - 138, FILL))
vx, vy = 235, 512
add('<path d="M%d,%d q18,6 24,30 l-10,22 M%d,%d l6,26 M%d,%d l-4,26"/>' % (vx, vy - 45, vx - 4, vy - 21, vx + 4, vy - 19))
add('<path d="M%d,%d l-16,22"/>' % (vx - 2, vy - 38))
add('<circle cx="%d" cy="%d" r="9" %s/>' % (vx - 2, vy - 54, FILL))
add('<path d="M%d,%d q11,-17 22,0 z" %s/>' % (vx - 13, vy - 59, FILL))
add('<path d="M150,500 h22 l-3,22 h-16 z" %s/>' % FILL)
add('<ellipse cx="650" cy="560" rx="42" ry="13" %s/>' % FILL)
add('<ellipse cx="650" cy="560" rx="16" ry="5"/>')

body = []
for name, items in layers:
    body.append('  <!-- %s -->' % name)
    for it in items:
        el = it.strip()
        # each outline lit, shaded, then laid in the base grey over both
        m = re.match(r'<(\w+) (.*)/>$', el)
        tag, attrs = m.group(1), m.group(2)
        body.append('  <%s %s transform="translate(-1.2,-1.2)" stroke="#e4e4e4"/>' % (tag, attrs))
        body.append('  <%s %s transform="translate(1.2,1.2)" stroke="#585858"/>' % (tag, attrs))
        body.append('  <%s %s stroke="%s"/>' % (tag, attrs, BASE))
svg = '''<?xml version="1.0" encoding="UTF-8"?>
<!-- A building site where a joist floor is being cast: rows of polystyrene panels laid
     on the deck, a bundle of them on the crane hook, a stack waiting, two workers.
     Grey and embossed: each outline is lit from the top-left and shaded to the
     bottom-right; nearer things, drawn later, cover what lies behind. -->
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" version="1.2" baseProfile="tiny" width="780" height="621" viewBox="0 0 780 621">
  <rect x="0" y="0" width="780" height="621" fill="%s"/>
  <g fill="none" stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round">
%s
  </g>
</svg>
''' % (BASE, "\n".join(body))
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "sfondo.svg"), "w") as uscita:
    uscita.write(svg)
