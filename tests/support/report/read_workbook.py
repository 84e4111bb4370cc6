"""Prints a workbook as JSON, read by openpyxl, so tests check the reports against a reader that is not ours.

Usage: /usr/bin/python3 read_workbook.py WORKBOOK

Output: {"parts": {name: sha256}, "contentTypes": {part name: type}, "workbookRelationships": [type],
         "sheet": {"title", "outlineLevelRow", "rows": {row: outline level}, "merged": [range],
                   "cells": {reference: {"value", "type", "formula", "numberFormat", "font", "top", "bottom"}}}}
of the workbook's first sheet. Formula cells give the stored value as "value". Text values have the spreadsheet's
_xHHHH_ escapes undone; dates are ISO texts.
"""
import datetime
import hashlib
import json
import posixpath
import sys
import zipfile
import xml.etree.ElementTree as ElementTree

try:
    import openpyxl
    from openpyxl.utils.escape import unescape
except ImportError:
    sys.exit("openpyxl is missing: install the Debian package python3-openpyxl")

PACKAGE = "{http://schemas.openxmlformats.org/package/2006/content-types}"
RELATIONSHIPS = "{http://schemas.openxmlformats.org/package/2006/relationships}"


def colour(value):
    if value is None:
        return None
    if value.type == "rgb":
        return value.rgb
    return "%s:%s" % (value.type, value.value)


def edge(side):
    return {"style": side.style, "colour": colour(side.color)}


def cell_value(cell):
    value = cell.value
    if isinstance(value, (datetime.datetime, datetime.date, datetime.time)):
        return value.isoformat()
    if isinstance(value, str):
        return unescape(value)
    return value


def describe(cell, stored):
    font = cell.font
    return {
        "value": cell_value(stored),
        "type": cell.data_type,
        "formula": cell.value if cell.data_type == "f" else None,
        "numberFormat": cell.number_format,
        "font": {"name": font.name, "size": font.sz, "bold": bool(font.b), "italic": bool(font.i),
                 "underline": font.u, "strike": bool(font.strike), "colour": colour(font.color)},
        "top": edge(cell.border.top),
        "bottom": edge(cell.border.bottom),
    }


def package(archive):
    parts = {name: hashlib.sha256(archive.read(name)).hexdigest() for name in archive.namelist()}
    types = ElementTree.fromstring(archive.read("[Content_Types].xml"))
    overrides = {item.get("PartName"): item.get("ContentType") for item in types.iter(PACKAGE + "Override")}
    root = ElementTree.fromstring(archive.read("_rels/.rels"))
    workbook = next(item.get("Target") for item in root.iter(RELATIONSHIPS + "Relationship")
                    if item.get("Type").endswith("/officeDocument")).lstrip("/")
    folder, name = posixpath.split(workbook)
    relationships = ElementTree.fromstring(archive.read(posixpath.join(folder, "_rels", name + ".rels")))
    return {"parts": parts, "contentTypes": overrides,
            "workbookRelationships": [item.get("Type") for item in relationships.iter(RELATIONSHIPS + "Relationship")]}


def main(path):
    with open(path, "rb") as file, zipfile.ZipFile(file) as archive:
        result = package(archive)
    # Opened as files: openpyxl refuses names that do not end in one of its extensions (".XLT").
    with open(path, "rb") as file:
        formulas = openpyxl.load_workbook(file).worksheets[0]
    with open(path, "rb") as file:
        values = openpyxl.load_workbook(file, data_only=True).worksheets[0]
    cells = {}
    for row in formulas.iter_rows():
        for cell in row:
            if cell.value is not None or cell.has_style:
                cells[cell.coordinate] = describe(cell, values[cell.coordinate])
    result["sheet"] = {
        "title": formulas.title,
        "outlineLevelRow": formulas.sheet_format.outlineLevelRow,
        "rows": {str(number): dimension.outline_level for number, dimension in formulas.row_dimensions.items()
                 if dimension.outline_level},
        "merged": sorted(str(merged) for merged in formulas.merged_cells.ranges),
        "cells": cells,
    }
    json.dump(result, sys.stdout, ensure_ascii=True)


if __name__ == "__main__":
    main(sys.argv[1])
