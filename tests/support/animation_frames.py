#!/usr/bin/python3
"""Reads animated WebP and GIF files with Pillow for the tests, and compares their frames with PNG frames.

Usage:
  animation_frames.py info FILE
      JSON: format, width, height, frames, loop, durations (ms, GIF), transparency.
  animation_frames.py compare FILE DIR [--over R,G,B] [--gif-matte R,G,B]
      Compares frame i of FILE with DIR/frame_000i.png (straight RGBA or RGB).
      --over composites the decoded frame over that colour before comparing
      colours only (DIR then holds frames drawn on that colour).
      --gif-matte expects what a GIF keeps of each reference pixel: clear below
      half coverage, else its colour blended over the matte.
      JSON: frames, largest (channel difference), mean, beyond_two (channels).
  animation_frames.py same FILE_A FILE_B
      JSON: frames, largest difference between the decoded frames of the two files.
"""
import json
import sys

from PIL import Image, ImageSequence


def decoded(path):
    with Image.open(path) as im:
        return [frame.convert("RGBA").copy() for frame in ImageSequence.Iterator(im)]


def info(path):
    with Image.open(path) as im:
        transparency = "transparency" in im.info
        durations = []
        for frame in ImageSequence.Iterator(im):
            durations.append(frame.info.get("duration"))
        return {
            "format": im.format,
            "width": im.size[0],
            "height": im.size[1],
            "frames": getattr(im, "n_frames", 1),
            "loop": im.info.get("loop"),
            "durations": durations,
            "transparency": transparency,
        }


def colour(text):
    return tuple(int(v) for v in text.split(","))


def expected_pixel(ref, over, gif_matte):
    r, g, b, a = ref
    if gif_matte is not None:
        if a < 128:
            return None  # clear
        return tuple((c * a + m * (255 - a) + 127) // 255 for c, m in zip((r, g, b), gif_matte))
    return (r, g, b)


def compare(path, folder, over=None, gif_matte=None):
    frames = decoded(path)
    largest, total, count, beyond = 0, 0, 0, 0
    for i, frame in enumerate(frames):
        ref = Image.open(f"{folder}/frame_{i:04d}.png").convert("RGBA")
        if ref.size != frame.size:
            return {"error": f"frame {i} is {frame.size}, the reference {ref.size}"}
        for got, want in zip(frame.getdata(), ref.getdata()):
            if over is not None:
                a = got[3]
                got = tuple((c * a + o * (255 - a) + 127) // 255 for c, o in zip(got[:3], over))
            exp = expected_pixel(want, over, gif_matte)
            if exp is None:
                diffs = [got[3]]
            elif over is None and gif_matte is None:
                diffs = [abs(x - y) for x, y in zip(got, want)] if want[3] else [got[3]]
            else:
                diffs = [abs(x - y) for x, y in zip(got[:3], exp)]
                if gif_matte is not None:
                    diffs.append(255 - got[3])
            for d in diffs:
                largest = max(largest, d)
                total += d
                count += 1
                beyond += d > 2
    return {"frames": len(frames), "largest": largest, "mean": total / max(count, 1), "beyond_two": beyond}


def same(path_a, path_b):
    a, b = decoded(path_a), decoded(path_b)
    largest = 0
    for fa, fb in zip(a, b):
        for pa, pb in zip(fa.getdata(), fb.getdata()):
            largest = max(largest, max(abs(x - y) for x, y in zip(pa, pb)))
    return {"frames": min(len(a), len(b)), "frames_a": len(a), "frames_b": len(b), "largest": largest}


def main(argv):
    if len(argv) >= 3 and argv[1] == "info":
        result = info(argv[2])
    elif len(argv) >= 4 and argv[1] == "compare":
        options = dict(zip(argv[4::2], argv[5::2]))
        over = colour(options["--over"]) if "--over" in options else None
        matte = colour(options["--gif-matte"]) if "--gif-matte" in options else None
        result = compare(argv[2], argv[3], over, matte)
    elif len(argv) == 4 and argv[1] == "same":
        result = same(argv[2], argv[3])
    else:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    print(json.dumps(result))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
