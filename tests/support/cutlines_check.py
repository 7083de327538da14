"""Reads cut lines back from DXF files with ezdxf and checks them with shapely.

Usage:
  cutlines_check.py rings FILE KERF_IN
      The CUT contours: how many, how many are not simple valid rings, how
      many enclose less than KERF squared, how many pairs touch, how many
      pairs of pieces lie nearer than KERF, and the letters' area.
  cutlines_check.py bridges PLAIN BRIDGED WIDTH_IN BLANK_W BLANK_H [BAR_X0 BAR_Y0 BAR_X1 BAR_Y1]
      The bridged file against the plain one on a blank BLANK_W by BLANK_H:
      how much of the bar (in square pixels) the bridges took, and how many
      parts of the wood an opening by WIDTH less one pixel leaves apart from
      the board.
  cutlines_check.py kept PLAIN BRIDGED
      For each piece of the plain file, left to right, how much of its area
      the bridged file still cuts out within the piece's bounds.
  cutlines_check.py drill FILE STYLE BLANK_W BLANK_H KERF_IN
      The DRILL circles against the waste the CUT contours leave in STYLE
      (cutout: round the pieces; stencil: the pieces are the openings) on a
      blank BLANK_W by BLANK_H: how many circles and inside cuts (waste not
      reaching the blank's edge), how many cuts hold exactly one centre, how
      many centres lie in waste, the radii, and for each circle, left to right, how far
      its centre lies from the nearest CUT contour beyond its radius and
      the kerf.
  cutlines_check.py joined FILE LEAST_WIDTH_IN
      The wood of the CUT pieces where a disc of LEAST_WIDTH passes: its
      parts' areas, largest first, and the pieces' whole area.
Every length is in inches, as the files hold them. Prints one JSON object.
"""
import itertools
import json
import sys

import ezdxf
from shapely.geometry import LinearRing, Point, Polygon, box
from shapely.ops import unary_union

PIXEL = 1 / 96
# Rounding the contours to the file's precision may move a point this much.
SLACK = PIXEL / 20


def rings_of(path, layer):
    msp = ezdxf.readfile(path).modelspace()
    return [LinearRing([tuple(p) for p in e.get_points('xy')])
            for e in msp.query('LWPOLYLINE[layer=="%s"]' % layer)]


def pieces_of(rings):
    """The pieces the rings bound, read even-odd: a ring inside an odd
    number of others is a hole."""
    shapes = [Polygon(r) for r in rings]
    depth = [sum(1 for j, outer in enumerate(shapes) if j != i and outer.contains(r))
             for i, r in enumerate(rings)]
    pieces = []
    for i, ring in enumerate(rings):
        if depth[i] % 2:
            continue
        holes = [h for j, h in enumerate(rings)
                 if depth[j] == depth[i] + 1 and shapes[i].contains(h)]
        pieces.append(Polygon(ring, holes))
    return pieces


def parts(geometry):
    if geometry.is_empty:
        return []
    return list(getattr(geometry, 'geoms', [geometry]))


def check_rings(path, kerf):
    rings = rings_of(path, 'CUT')
    pieces = pieces_of(rings)
    return {
        'rings': len(rings),
        'invalid': sum(1 for r in rings if not (r.is_valid and r.is_simple)),
        'small': sum(1 for r in rings if Polygon(r).area < kerf * kerf - SLACK * kerf),
        'touching': sum(1 for a, b in itertools.combinations(rings, 2) if a.distance(b) < SLACK / 10),
        'near': sum(1 for a, b in itertools.combinations(pieces, 2) if a.distance(b) < kerf - SLACK),
        'area': unary_union(pieces).area if pieces else 0,
    }


def check_bridges(plain, bridged, width, blank, bar):
    before = unary_union(pieces_of(rings_of(plain, 'CUT')))
    after = unary_union(pieces_of(rings_of(bridged, 'CUT')))
    board = max(parts(blank.difference(before)), key=lambda p: p.area)
    radius = (width - PIXEL) / 2
    opened = blank.difference(after).buffer(-radius).buffer(radius)
    taken = before.difference(after)
    return {
        'bridges': sum(1 for p in parts(taken) if p.area > PIXEL * PIXEL),
        # Rounding may shift an edge by a hair; a bridge is pixels wide.
        'in_bar': taken.intersection(box(*bar)).buffer(-SLACK).area / (PIXEL * PIXEL) if bar else 0,
        'wood_parts': len(parts(opened)),
        'apart_from_board': sum(1 for p in parts(opened) if not p.intersects(board)),
    }


def kept_shares(plain, bridged):
    after = unary_union(pieces_of(rings_of(bridged, 'CUT')))
    pieces = sorted(pieces_of(rings_of(plain, 'CUT')), key=lambda p: p.bounds[0])
    return {'kept': [after.intersection(box(*p.bounds)).area / p.area for p in pieces]}


def check_drill(path, style, blank, kerf):
    msp = ezdxf.readfile(path).modelspace()
    rings = rings_of(path, 'CUT')
    letters = unary_union(pieces_of(rings))
    wood = letters.intersection(blank) if style == 'cutout' else blank.difference(letters)
    waste = blank.difference(wood)
    cuts = [p for p in parts(waste) if p.distance(blank.exterior) > SLACK]
    circles = sorted(((Point(c.dxf.center.x, c.dxf.center.y), c.dxf.radius)
                      for c in msp.query('CIRCLE[layer=="DRILL"]')), key=lambda c: (c[0].x, c[0].y))
    lines = unary_union([r for r in rings])
    return {
        'circles': len(circles),
        'inside_cuts': len(cuts),
        'cuts_with_one': sum(1 for cut in cuts if sum(1 for c, _ in circles if cut.contains(c)) == 1),
        'in_waste': sum(1 for c, _ in circles if waste.contains(c)),
        'radii': sorted(set(r for _, r in circles)),
        'spare': [lines.distance(c) - r - kerf for c, r in circles],
    }


def joined_parts(path, least_width):
    wood = unary_union(pieces_of(rings_of(path, 'CUT')))
    radius = least_width / 2 - PIXEL / 200
    opened = wood.buffer(-radius, resolution=32).buffer(radius, resolution=32)
    return {'parts': sorted((p.area for p in parts(opened)), reverse=True), 'area': wood.area}


def main(args):
    if args[0] == 'drill':
        result = check_drill(args[1], args[2], box(0, 0, float(args[3]), float(args[4])), float(args[5]))
    elif args[0] == 'joined':
        result = joined_parts(args[1], float(args[2]))
    elif args[0] == 'rings':
        result = check_rings(args[1], float(args[2]))
    elif args[0] == 'kept':
        result = kept_shares(args[1], args[2])
    else:
        blank = box(0, 0, float(args[4]), float(args[5]))
        bar = [float(v) for v in args[6:10]] if len(args) >= 10 else None
        result = check_bridges(args[1], args[2], float(args[3]), blank, bar)
    print(json.dumps(result))


if __name__ == '__main__':
    main(sys.argv[1:])
