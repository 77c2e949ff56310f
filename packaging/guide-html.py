#!/usr/bin/python3
"""guide-html.py GUIDE.md OUT.html

The user guide as one HTML page for the release, with the pictures it shows
copied into a folder beside it. Run with Debian's python3 and its
python3-markdown. Fails, rather than shipping a page with dead ends, when a
picture is missing or a link inside the page has no heading to go to.
"""
import html
import pathlib
import re
import shutil
import sys

import markdown
from markdown.extensions.toc import slugify_unicode

IMAGES = "user-guide-images"

PAGE = """<!DOCTYPE html>
<html lang="ja">
<head>
<meta charset="utf-8">
<title>{title}</title>
<style>
body {{ font-family: "Meiryo", "Yu Gothic", "MS UI Gothic", sans-serif; line-height: 1.6;
        max-width: 60em; margin: 1em auto; padding: 0 1em; color: #222; }}
img {{ max-width: 100%; border: 1px solid #ccc; vertical-align: top; margin: 0.3em 0.3em 0.3em 0; }}
table {{ border-collapse: collapse; margin: 0.5em 0; }}
th, td {{ border: 1px solid #bbb; padding: 0.2em 0.5em; vertical-align: top; }}
th {{ background: #eef; }}
h2 {{ border-bottom: 2px solid #99c; margin-top: 2em; }}
code {{ background: #f4f4f4; padding: 0 0.2em; }}
</style>
</head>
<body>
{body}
</body>
</html>
"""


def main(source, target):
    source = pathlib.Path(source)
    target = pathlib.Path(target)
    text = source.read_text(encoding="utf-8")
    pictures = sorted(set(re.findall(r"!\[[^\]]*\]\(images/([^)\s]+)\)", text)))
    text = text.replace("](images/", "](" + IMAGES + "/")
    # The guide indents what belongs to a list item by three blanks. Heading ids
    # as its links spell them: no punctuation, blanks to
    # hyphens, Japanese kept.
    converter = markdown.Markdown(extensions=["tables", "fenced_code", "toc"], tab_length=3,
                                  extension_configs={"toc": {"slugify": slugify_unicode}})
    body = converter.convert(text)

    ids = set(re.findall(r'\bid="([^"]+)"', body))
    dead = sorted({html.unescape(link) for link in re.findall(r'href="#([^"]+)"', body)} - ids)
    if dead:
        sys.exit("guide-html: links to no heading: " + ", ".join(dead))
    missing = [p for p in pictures if not (source.parent / "images" / p).is_file()]
    if missing:
        sys.exit("guide-html: missing pictures: " + ", ".join(missing))

    title = text.splitlines()[0].lstrip("# ").strip()
    target.parent.mkdir(parents=True, exist_ok=True)
    target.write_text(PAGE.format(title=html.escape(title), body=body), encoding="utf-8", newline="\r\n")
    folder = target.parent / IMAGES
    folder.mkdir(exist_ok=True)
    for picture in pictures:
        shutil.copyfile(source.parent / "images" / picture, folder / picture)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
