#!/usr/bin/env python3
"""Draws the status images of the main window and writes them into resources/:

  animation/WORLD.gif  the busy animation: a globe turning once over frames 2 to 36 (frame 1 is
                       the still picture shown while nothing loads), 25 x 25 pixels
  icons/lock.png       the secure-page lock, 17 x 17 pixels

Frames are rendered here pixel by pixel and handed to ImageMagick's convert. The outputs are
committed; run this again only to change the pictures.
"""
import math
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GLOBE_SIZE = 25
TURNING_FRAMES = 35  # frames 2 to 36 make one full turn
SAMPLES = 4          # per pixel and axis, for smooth edges
LIGHT = (-0.45, -0.55, 0.70)


def write_pam(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples with 0..255 components."""
    with open(path, "wb") as out:
        out.write(("P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n"
                   % (width, height)).encode("ascii"))
        for row in pixels:
            for r, g, b, a in row:
                out.write(bytes((r, g, b, a)))


def is_land(lon, lat):
    # A few overlapping waves make continents; whole multiples of the longitude keep the map
    # seamless all the way round.
    v = (math.sin(2 * lon + 0.3) * math.cos(2.5 * lat)
         + 0.7 * math.sin(3 * lon + 1.7) * math.sin(2 * lat + 0.6)
         + 0.5 * math.cos(5 * lon + 2.1) * math.cos(3 * lat))
    return v > 0.35 or abs(lat) > 1.32  # and polar caps


def globe_frame(turn):
    radius = GLOBE_SIZE / 2.0 - 0.7
    centre = GLOBE_SIZE / 2.0
    norm = math.sqrt(sum(c * c for c in LIGHT))
    light = tuple(c / norm for c in LIGHT)
    rows = []
    for py in range(GLOBE_SIZE):
        row = []
        for px in range(GLOBE_SIZE):
            acc = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES - centre) / radius
                    y = (py + (sy + 0.5) / SAMPLES - centre) / radius
                    d = x * x + y * y
                    if d > 1.0:
                        continue
                    z = math.sqrt(1.0 - d)
                    lat = math.asin(-y)
                    lon = math.atan2(x, z) + turn
                    if abs(lat) > 1.32:
                        base = (235, 240, 245)
                    elif is_land(lon, lat):
                        base = (46, 150, 62)
                    else:
                        base = (28, 88, 196)
                    shade = 0.35 + 0.65 * max(0.0, x * light[0] + y * light[1] + z * light[2])
                    for i in range(3):
                        acc[i] += base[i] * shade
                    covered += 1
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                alpha = 255 if covered * 2 >= SAMPLES * SAMPLES else 0
                row.append(tuple(min(255, int(c / covered)) for c in acc) + (alpha,))
        rows.append(row)
    return rows


def lock_image():
    size = 17
    gold, edge, steel = (226, 184, 48, 255), (96, 72, 12, 255), (118, 122, 130, 255)
    rows = [[(0, 0, 0, 0)] * size for _ in range(size)]
    cx, cy = 8.0, 7.5
    for y in range(size):
        for x in range(size):
            r = math.hypot(x - cx, y - cy)
            if y <= cy and 3.0 <= r <= 5.2:
                rows[y][x] = steel
            if y > cy and (3 <= x - 0 <= 4 or 12 <= x <= 13) and y < 9:
                rows[y][x] = steel
    for y in range(8, 16):
        for x in range(2, 15):
            border = y in (8, 15) or x in (2, 14)
            rows[y][x] = edge if border else gold
    for y in (11, 12):
        rows[y][8] = edge
    return size, rows


def main():
    convert = os.environ.get("CONVERT", "/usr/bin/convert")
    if not os.path.exists(convert):
        sys.exit("ImageMagick's convert is needed (apt-get install imagemagick)")
    with tempfile.TemporaryDirectory() as tmp:
        frames = []
        for frame in range(1, TURNING_FRAMES + 2):
            step = max(0, frame - 2)
            path = os.path.join(tmp, "globe%02d.pam" % frame)
            write_pam(path, GLOBE_SIZE, GLOBE_SIZE, globe_frame(2 * math.pi * step / TURNING_FRAMES))
            frames.append(path)
        gif = os.path.join(ROOT, "resources", "animation", "WORLD.gif")
        subprocess.run([convert, "-delay", "6", "-dispose", "Background", "-loop", "0"] + frames + [gif],
                       check=True)

        size, rows = lock_image()
        pam = os.path.join(tmp, "lock.pam")
        write_pam(pam, size, size, rows)
        subprocess.run([convert, pam, os.path.join(ROOT, "resources", "icons", "lock.png")], check=True)


if __name__ == "__main__":
    main()
