#!/usr/bin/python3
"""Prints what a workbook holds, as one JSON object, for workbook_test to check.

Usage: read_workbook.py FILE.xlsx

Of the first sheet, every cell that has a value: the value (a formula's as the file holds it, which a reader
that does not calculate shows), the formula, a date as yyyy-mm-dd, the number format, whether it wraps, and
how wide it is shown (its widest line, East Asian wide and full-width characters counting two; a number as
its format shows it); each column's width and each row's height where set, the comments, the merged ranges
and where the panes are frozen. Of every sheet, its name and how it prints; of the second, the first
column's texts row by row. Numbers are written as Python's repr, which reads back to the same double.
"""
import datetime
import json
import sys
import unicodedata

import openpyxl
import openpyxl.reader.excel
from openpyxl.cell.text import Text
from openpyxl.utils.escape import unescape
from openpyxl.xml.constants import SHEET_MAIN_NS
from openpyxl.xml.functions import iterparse


def read_string_table(xml_source):
    """The shared strings as Excel reads them: every "_xHHHH_" is the character HHHH, so "_x005F_x0041_" is
    the text "_x0041_" and "_x0001_" the control character. (openpyxl 3.0 only drops each "x005F_".)"""
    return [unescape(Text.from_tree(node).content)
            for _, node in iterparse(xml_source) if node.tag == "{%s}si" % SHEET_MAIN_NS]


openpyxl.reader.excel.read_string_table = read_string_table


def shown_width(value, number_format):
    if isinstance(value, str):
        return max(sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in line)
                   for line in value.split("\n"))
    decimals = number_format.split(".")[1] if "." in number_format else ""
    return len(f"{value:.{len(decimals)}f}")


def page_setup(sheet):
    """How a sheet prints: paper, orientation, pages across and down, the rows repeated on every page, the
    texts at the top and the bottom of the page."""
    return {
        "paper": str(sheet.page_setup.paperSize),
        "orientation": str(sheet.page_setup.orientation),
        "fitToPage": bool(sheet.sheet_properties.pageSetUpPr and sheet.sheet_properties.pageSetUpPr.fitToPage),
        "fitToWidth": str(sheet.page_setup.fitToWidth),
        "fitToHeight": str(sheet.page_setup.fitToHeight),
        "titleRows": str(sheet.print_title_rows or ""),
        "header": sheet.oddHeader.center.text or "",
        "footer": sheet.oddFooter.center.text or "",
    }


def main(path):
    book = openpyxl.load_workbook(path, data_only=True)
    formulas = openpyxl.load_workbook(path).worksheets[0]
    sheet = book.worksheets[0]
    cells = []
    comments = {}
    for row in sheet.iter_rows():
        for cell in row:
            if cell.comment is not None:
                comments[cell.coordinate] = cell.comment.text
            if cell.value is None:
                continue
            written = formulas[cell.coordinate]
            date = isinstance(cell.value, datetime.datetime)
            number = isinstance(cell.value, (int, float)) and not isinstance(cell.value, bool)
            cells.append({
                "cell": cell.coordinate,
                "column": cell.column_letter,
                "number": float(cell.value) if number else None,
                "text": None if number or date else str(cell.value),
                "date": cell.value.strftime("%Y-%m-%d") if date else None,
                "formula": written.value if written.data_type == "f" else None,
                "format": cell.number_format,
                "wrap": bool(cell.alignment.wrap_text),
                "shown": 10 if date else shown_width(cell.value, cell.number_format),
            })
    widths = {letter: dimension.width for letter, dimension in sheet.column_dimensions.items()}
    heights = {str(row): dimension.height for row, dimension in sheet.row_dimensions.items()
               if dimension.height is not None}
    lines = []
    if len(book.worksheets) > 1:
        process = book.worksheets[1]
        lines = [row[0].value or "" for row in process.iter_rows(max_col=1)]
    print(json.dumps({
        "sheets": book.sheetnames,
        "pages": [page_setup(s) for s in book.worksheets],
        "lines": lines,
        "freeze": sheet.freeze_panes,
        "cells": cells,
        "widths": widths,
        "heights": heights,
        "comments": comments,
        "merged": sorted(str(r) for r in sheet.merged_cells.ranges),
    }, ensure_ascii=False))


if __name__ == "__main__":
    main(sys.argv[1])
